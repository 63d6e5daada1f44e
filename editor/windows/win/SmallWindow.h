// Helpers shared by the editor's small windows (about, update, conversion, splash): twips layout, child
// controls, and running a top-level window modally over its owner.
#pragma once

#include <windows.h>

namespace orb::small_window {

// Twips (1440 to the inch) to pixels of the screen.
int Px(int twips);
int Twips(int pixels);
int Dpi();

// Registers a window class of this program once; false when the system refused it.
bool RegisterOnce(const char* class_name, WNDPROC proc, HCURSOR cursor = nullptr);

// A top-level window of client size (twips), centred over owner (or the screen when owner is null), hidden.
HWND CreateTop(const char* class_name, const char* caption, DWORD style, int client_width, int client_height,
               HWND owner, void* self);

// A child control at (left, top, width, height) twips with the GUI font.
HWND AddChild(HWND parent, const char* cls, const char* text, DWORD style, int left, int top, int width,
              int height, int id);

// Shows window and runs messages until it is destroyed; the owner takes no input meanwhile. A WM_QUIT that
// arrives meanwhile ends the loop and is posted again for the program's own loop. With help_context, F1
// anywhere in the window opens that help topic.
void RunModal(HWND owner, HWND window, int help_context = 0);
// Whether msg is F1 pressed in window or one of its controls.
bool IsF1For(HWND window, const MSG& msg);
// Ends a window run by RunModal: gives the owner its input back first, so it becomes the active window.
void EndModal(HWND window);

// The object given to CreateTop (stored at WM_NCCREATE), or null before that.
template <class T>
T* Self(HWND hwnd, UINT msg, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  return reinterpret_cast<T*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

}  // namespace orb::small_window
