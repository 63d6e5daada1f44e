// The small window that shows a disc image being written, with a Cancel button. The writer is called on
// the user-interface thread and reports its progress there; the window pumps its messages from those
// calls, so the windows stay on one thread (no locks, and their statics need none) and the writer stays
// one streamed call rather than slices.
#pragma once

#include <windows.h>

#include <string>

#include "editor/windows/DiscImageController.h"

namespace orb {

class ImageProgressWindow : public ImageProgressSeam {
 public:
  explicit ImageProgressWindow(HWND owner) : owner_(owner) {}
  ~ImageProgressWindow() override { Close(); }
  void Open(const std::string& caption) override;
  bool Show(int percent, const std::string& text) override;
  void Close() override;
  HWND Handle() const { return hwnd_; }

 private:
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void Pump();

  HWND owner_;
  HWND hwnd_ = nullptr;
  HWND text_ = nullptr;
  HWND bar_ = nullptr;
  bool cancelled_ = false;
  DWORD last_pump_ = 0;
};

}  // namespace orb
