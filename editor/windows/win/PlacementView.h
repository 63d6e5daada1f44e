// The placement window's picture area: the background at 15 twips a picture pixel, scrolled when it is
// larger than the room the work area leaves; the rollover, the video rectangle and its frame are its
// children.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "common/win/PictureLoader.h"
#include "editor/windows/PlacementLayout.h"

namespace orb {

class PlacementView {
 public:
  PlacementView() = default;
  PlacementView(const PlacementView&) = delete;
  PlacementView& operator=(const PlacementView&) = delete;

  // Creates the area in parent where g puts it; background must outlive the area. line: pixels a scroll
  // arrow moves; pointer_moved: the pointer moved over the background; scrolled: the children must move.
  void Create(HWND parent, const frmlocate::Geometry& g, const Picture& background, int line,
              std::function<void()> pointer_moved, std::function<void()> scrolled);
  HWND Handle() const { return hwnd_; }
  // How far the picture is scrolled, in pixels.
  int ScrollX() const { return scroll_x_; }
  int ScrollY() const { return scroll_y_; }
  // Pictures shown faintly over the background (the menu's other spots), at pixels of the picture; they
  // must outlive the area.
  struct Ghost {
    const Picture* picture;
    int x, y;
  };
  void SetGhosts(std::vector<Ghost> ghosts) { ghosts_ = std::move(ghosts); }
  // Paints the background as seen from a window of the area whose top-left corner is at (x, y).
  void PaintBackground(HDC dc, int x, int y, const RECT& area) const;

 private:
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  void Scroll(int bar, int request);

  HWND hwnd_ = nullptr;
  const Picture* background_ = nullptr;
  int line_ = 16;
  int scroll_x_ = 0, scroll_y_ = 0;
  std::function<void()> pointer_moved_, scrolled_;
  std::vector<Ghost> ghosts_;
};

}  // namespace orb
