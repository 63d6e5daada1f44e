// Helpers of the editor's modal dialogs that build their controls at run time: an empty in-memory
// dialog template, child creation from twips, tool tips and a client size in pixels.
#pragma once

#include <windows.h>

namespace orb {

// Runs proc as a modal dialog over owner (the owner is disabled meanwhile); the EndDialog value.
INT_PTR RunModalDialog(HWND owner, DLGPROC proc, LPARAM param);

// Makes the window's client area width by height pixels, centred over its owner.
void SizeClientAndCenter(HWND hwnd, int width, int height);

// A tool-tip window for the dialog's controls; texts must outlive the window.
HWND CreateTooltips(HWND dialog);
void AddTooltip(HWND tooltips, HWND dialog, HWND control, const char* text);

// Keeps the dialog proc's object: stored at WM_INITDIALOG from lParam.
template <typename T>
T* DialogObject(HWND hwnd, UINT msg, LPARAM lp) {
  if (msg == WM_INITDIALOG) SetWindowLongPtrA(hwnd, DWLP_USER, lp);
  return reinterpret_cast<T*>(GetWindowLongPtrA(hwnd, DWLP_USER));
}

}  // namespace orb
