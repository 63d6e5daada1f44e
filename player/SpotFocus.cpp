// The menu's keyboard and the spots' accessible names; see SpotFocus.h.
#include "player/SpotFocus.h"

#include <algorithm>

namespace orb {
namespace {

// A rectangle turned so that `dir` points along +a; b is the sideways axis.
struct Turned {
  long long a0, a1, b0, b1;
};

Turned Turn(const SpotArea& r, Direction dir) {
  switch (dir) {
    case Direction::Right:
      return {r.left, r.right, r.top, r.bottom};
    case Direction::Left:
      return {-static_cast<long long>(r.right), -static_cast<long long>(r.left), r.top, r.bottom};
    case Direction::Down:
      return {r.top, r.bottom, r.left, r.right};
    case Direction::Up:
    default:
      return {-static_cast<long long>(r.bottom), -static_cast<long long>(r.top), r.left, r.right};
  }
}

}  // namespace

int NextSpotInOrder(int count, int from, bool forward) {
  if (count <= 0) return 0;
  if (from < 1 || from > count) return forward ? 1 : count;
  if (forward) return from == count ? 1 : from + 1;
  return from == 1 ? count : from - 1;
}

int NearestSpot(const std::vector<SpotArea>& areas, int from, Direction dir) {
  if (from < 1 || from > static_cast<int>(areas.size())) return 0;
  const Turned cur = Turn(areas[from - 1], dir);
  // Doubled centres keep the arithmetic in integers.
  const long long ca = cur.a0 + cur.a1, cb = cur.b0 + cur.b1;
  int best = 0;
  long long best_score = 0, best_distance = 0;
  for (int i = 1; i <= static_cast<int>(areas.size()); ++i) {
    if (i == from) continue;
    const Turned c = Turn(areas[i - 1], dir);
    const long long da = c.a0 + c.a1 - ca, db = c.b0 + c.b1 - cb;
    // Both edges further that way, and either wholly beyond or stacked on the spot: a neighbour in the
    // same row that sits a few pixels lower is not "down".
    const bool beyond = c.a0 >= cur.a1, stacked = c.b0 < cur.b1 && cur.b0 < c.b1;
    if (c.a0 <= cur.a0 || c.a1 <= cur.a1 || !(beyond || stacked)) continue;
    const long long along = std::max(0LL, c.a0 - cur.a1);
    const long long aside = std::max({0LL, c.b0 - cur.b1, cur.b0 - c.b1});
    const long long score = along + 2 * aside, distance = da * da + db * db;
    if (best == 0 || score < best_score || (score == best_score && distance < best_distance)) {
      best = i;
      best_score = score;
      best_distance = distance;
    }
  }
  return best;
}

std::string SpotAccessibleName(const PlayerSpot& spot, int number, const std::string& player_folder) {
  std::string tip = TrimBlanks(spot.ToolTip);
  if (!tip.empty()) return tip;
  // Only the actions that open their target are named after it; the reader puts the folder in front of
  // a blank target, which names nothing.
  if (TargetIsPath(spot.Action) || ActionOf(spot.Action) == ActionKind::OpenUrl) {
    std::string target = TrimBlanks(spot.Target);
    if (target != player_folder) {
      while (!target.empty() && (target.back() == '\\' || target.back() == '/')) target.pop_back();
      size_t cut = target.find_last_of("\\/");
      std::string name = cut == std::string::npos ? target : target.substr(cut + 1);
      if (!name.empty()) return name;
    }
  }
  return "Spot " + std::to_string(number);
}

int SpotFocus::Origin() const { return menu_.CurrentSpot() != 0 ? menu_.CurrentSpot() : menu_.LastSpot(); }

void SpotFocus::FocusSpot(int spot) {
  if (spot >= 1 && spot <= SpotCount()) menu_.PointerOverSpot(spot);
}

bool SpotFocus::KeyDown(MenuKey key) {
  const int count = SpotCount();
  const int from = Origin();
  int to = 0;
  switch (key) {
    case MenuKey::Escape:
      // The close box only where there is no way back, as on a one-page menu.
      if (menu_.Page() == 1) {
        view_.CloseMenu();
        return true;
      }
      [[fallthrough]];
    case MenuKey::Back:
      cues_ = true;  // the page shown next starts with its first spot focused
      menu_.GoBack();
      return true;
    case MenuKey::Enter:
    case MenuKey::Space:
      cues_ = true;
      if (menu_.CurrentSpot() != 0) menu_.img_Click(menu_.CurrentSpot());
      return true;
    case MenuKey::Tab:
    case MenuKey::ShiftTab:
      to = NextSpotInOrder(count, from, key == MenuKey::Tab);
      break;
    case MenuKey::Home:
      to = count > 0 ? 1 : 0;
      break;
    case MenuKey::End:
      to = count;
      break;
    case MenuKey::Left:
    case MenuKey::Right:
    case MenuKey::Up:
    case MenuKey::Down: {
      static constexpr Direction kDirections[] = {Direction::Left, Direction::Right, Direction::Up,
                                                  Direction::Down};
      const Direction dir = kDirections[static_cast<int>(key) - static_cast<int>(MenuKey::Left)];
      // Nothing lit yet: the first arrow press finds the first spot.
      if (from == 0) {
        to = count > 0 ? 1 : 0;
      } else {
        to = NearestSpot(areas_, from, dir);
        // Nothing lies that way: the spot the focus started from lights again if the pointer put it out.
        if (to == 0) to = from;
      }
      break;
    }
  }
  cues_ = true;
  FocusSpot(to);
  return true;
}

void SpotFocus::PageShown(std::vector<SpotArea> areas, int under_pointer) {
  areas_ = std::move(areas);
  if (cues_) {
    FocusSpot(1);
  } else if (under_pointer != 0) {
    menu_.PointerRestsOn(under_pointer);
  }
}

bool SpotFocus::PointerMoved(int x, int y) {
  if (pointer_known_ && x == pointer_x_ && y == pointer_y_) return false;
  pointer_known_ = true;
  pointer_x_ = x;
  pointer_y_ = y;
  return true;
}

}  // namespace orb
