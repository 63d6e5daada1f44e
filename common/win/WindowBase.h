// The one base of every window of both programs: the window procedure that finds its object, the guard that
// keeps exceptions out of the system's code, class registration, centring, the window's DPI and the modal
// loop. A window writes only its handler:
//   LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);   (ends with DefWindowProc when unhandled)
// and registers WindowProc<Window, &Window::Handle> for its class, passing its object as the create
// parameter. Dialogs return INT_PTR (FALSE when unhandled) and use DialogProc with the object as lParam.
// The templates are a few instructions each; the rest lives in WindowBase.cpp, once.
#pragma once

#include <windows.h>

#include <functional>

namespace orb::win {

// The object stored with hwnd: taken from the create parameter at WM_NCCREATE (WindowProc) or from
// lParam at WM_INITDIALOG (DialogProc); null before that and after Detach.
void* AttachAtCreate(HWND hwnd, UINT msg, LPARAM lp);
void* AttachAtInitDialog(HWND hwnd, UINT msg, LPARAM lp);
void Detach(HWND hwnd);
template <class T>
T* Attached(HWND hwnd) {
  return static_cast<T*>(reinterpret_cast<void*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)));
}

// Calls the handler under the guard: nothing may unwind through the system's window code. False when it
// threw; the message then gets its default answer.
template <class T, class R, R (T::*Handler)(HWND, UINT, WPARAM, LPARAM)>
bool Guarded(T* self, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, R& result) {
  try {
    result = (self->*Handler)(hwnd, msg, wp, lp);
    return true;
  } catch (...) {
    return false;
  }
}

// DefWindowProc of the window's kind: every window of ours is a Unicode window; a test's may be an ANSI one.
LRESULT DefaultAnswer(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

template <class T, LRESULT (T::*Handler)(HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  auto* self = static_cast<T*>(AttachAtCreate(hwnd, msg, lp));
  return self && Guarded<T, LRESULT, Handler>(self, hwnd, msg, wp, lp, result)
             ? result
             : DefaultAnswer(hwnd, msg, wp, lp);
}

// A dialog's handler returns FALSE for what the dialog manager answers.
template <class T, INT_PTR (T::*Handler)(HWND, UINT, WPARAM, LPARAM)>
INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  INT_PTR result = FALSE;
  auto* self = static_cast<T*>(AttachAtInitDialog(hwnd, msg, lp));
  return self && Guarded<T, INT_PTR, Handler>(self, hwnd, msg, wp, lp, result) ? result : FALSE;
}

// A control subclassed with SetWindowSubclass, the object as its reference data.
template <class T, LRESULT (T::*Handler)(HWND, UINT, WPARAM, LPARAM, UINT_PTR id)>
LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self) {
  try {
    return (reinterpret_cast<T*>(self)->*Handler)(hwnd, msg, wp, lp, id);
  } catch (...) {
    return 0;
  }
}

// Registers a window class of this program; true when it is registered, now or before (a second window of
// the same kind, or a test that opens it twice). A null cursor leaves the class without one. The class is
// named in wide characters and makes Unicode windows, whose texts keep every character: both programs hold
// UTF-8 and speak UTF-16 to their windows (common/win/WideText.h).
struct WideWindowClass {
  const wchar_t* name;
  WNDPROC proc;
  HCURSOR cursor = nullptr;
  HBRUSH background = nullptr;
  HICON icon = nullptr;
};
bool RegisterWindowClass(const WideWindowClass& window_class);
HCURSOR ArrowCursor();
HBRUSH FaceBrush();  // the button face behind the editor's windows

// The DPI a window lays itself out at: its own where the system tells it per window (per monitor), else the
// screen's; 96 when neither answers. Null asks the screen.
int WindowDpi(HWND hwnd);

// Where a window of width by height pixels is centred: over owner when it is shown, else on the work area.
// keep_on_work_area moves it wholly onto the work area where it would stick out.
POINT CentredOrigin(HWND owner, int width, int height, bool keep_on_work_area);
// Moves and sizes hwnd so that its client area is width by height pixels, centred as above.
void SizeClientAndCentre(HWND hwnd, HWND owner, int width, int height, bool keep_on_work_area);

// Shows window (unless shown already) and runs messages until it is destroyed or done() says so; the owner
// takes no input meanwhile and gets its activation back at the end, and the window is destroyed. A WM_QUIT
// that arrives meanwhile ends the loop and is posted again for the program's own loop. on_f1 (if any) answers
// F1 pressed anywhere in the window.
void RunModal(HWND owner, HWND window, const std::function<void(HWND)>& on_f1 = nullptr,
              const std::function<bool()>& done = nullptr);
// Ends a window run by RunModal: gives the owner its input back first, so that it becomes active.
void EndModal(HWND window);
// Whether msg is F1 pressed in window or one of its controls.
bool IsF1For(HWND window, const MSG& msg);
// Runs proc as a modal dialog from an empty template over owner (the dialog sizes and fills itself); the
// EndDialog value.
INT_PTR RunEmptyDialog(HWND owner, DLGPROC proc, LPARAM param);

}  // namespace orb::win
