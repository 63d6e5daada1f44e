// The menu's keyboard: Tab order, arrow-key geometry, Enter/Space/Escape, and how the keyboard focus and
// the pointer share the one lit spot; also the names the spots go by for screen readers.
#pragma once

#include <string>
#include <vector>

#include "player/MenuController.h"

namespace orb {

// A spot's rectangle in pixels; right and bottom are exclusive.
struct SpotArea {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// Back is Backspace or Alt+Left.
enum class MenuKey { Tab, ShiftTab, Left, Right, Up, Down, Home, End, Enter, Space, Escape, Back };
enum class Direction { Left, Right, Up, Down };

// The spot after (or before) spot `from` in menu.cfg order, wrapping round; with `from` 0 the first (or
// the last). 0 when there are no spots.
int NextSpotInOrder(int count, int from, bool forward);

// The spot (1-based) nearest to spot `from` in direction `dir`, or 0 when none lies that way. A spot lies
// that way when both its edges across the direction are further that way and it either lies wholly beyond
// or overlaps the spot; nearness is the gap along the direction plus twice the sideways gap, so a spot in
// the same row or column wins over a closer one off to the side. Ties go to the nearer centre, then to
// the earlier spot.
int NearestSpot(const std::vector<SpotArea>& areas, int from, Direction dir);

// The name a screen reader reads for spot N: its tooltip, else the file name of the target it opens,
// else "Spot N".
std::string SpotAccessibleName(const PlayerSpot& spot, int number, const std::string& player_folder);

class SpotFocus {
 public:
  // Rollovers and actions go through the menu's own intents, so a key does exactly what the pointer does.
  SpotFocus(MenuController& menu, MenuView& view) : menu_(menu), view_(view) {}

  // The spots' rectangles, in menu.cfg order, once the window has made them.
  void SetAreas(std::vector<SpotArea> areas) { areas_ = std::move(areas); }
  int SpotCount() const { return static_cast<int>(areas_.size()); }

  // One key press; false when the key is not the menu's.
  bool KeyDown(MenuKey key);
  // Another page stands built with these spots: once the keyboard has been used its first spot takes the
  // focus, else the spot under the resting pointer (0 for none) is lit without a sound.
  void PageShown(std::vector<SpotArea> areas, int under_pointer);
  // Lights spot N as a keyboard move does (a screen reader's "take focus" too).
  void FocusSpot(int spot);

  // The spot that has the focus: the lit one, 0 while the pointer rests on the background.
  int Focused() const { return menu_.CurrentSpot(); }
  // The focus mark shows only once the keyboard has been used.
  bool CuesShown() const { return cues_; }

  // A pointer move at screen point (x, y); false when the pointer has not really moved (windows change
  // under a resting pointer send such moves), which must not take the focus away from the keyboard.
  bool PointerMoved(int x, int y);

 private:
  // The spot keyboard moves start from: the lit one, else the one last lit.
  int Origin() const;

  MenuController& menu_;
  MenuView& view_;
  std::vector<SpotArea> areas_;
  bool cues_ = false;
  bool pointer_known_ = false;
  int pointer_x_ = 0;
  int pointer_y_ = 0;
};

}  // namespace orb
