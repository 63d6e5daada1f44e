// Helpers shared by the editor's small windows (about, update, conversion, progress): twips layout and child
// controls. Their procedures, registration, centring and modal loop are the window base's
// (common/win/WindowBase.h).
#pragma once

#include <windows.h>

#include <string>

#include "common/win/WindowBase.h"

namespace orb::small_window {

// Twips (1440 to the inch) to pixels of the screen.
int Px(int twips);
int Twips(int pixels);

// The class of a small window: the arrow, the button face and the program's icon. A Unicode window's.
win::WideWindowClass ClassOf(const wchar_t* name, WNDPROC proc, HCURSOR cursor = nullptr);

// A top-level window of client size (twips), centred over owner (or the work area when owner is hidden or
// null), hidden. The caption is UTF-8.
HWND CreateTop(const wchar_t* class_name, const std::string& caption, DWORD style, int client_width,
               int client_height, HWND owner, void* self);

// A child control (a Unicode one) at (left, top, width, height) twips with the GUI font; cls names a system
// class, text is UTF-8.
HWND AddChild(HWND parent, const char* cls, const std::string& text, DWORD style, int left, int top,
              int width, int height, int id);

}  // namespace orb::small_window
