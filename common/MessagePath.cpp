// Paths shortened for messages; see MessagePath.h.
#include "common/MessagePath.h"

#include <algorithm>

namespace orb {

std::string MessagePath(std::string_view path) {
  constexpr std::string_view kEllipsis = "...";
  // Enough of the start to tell the folder, even when the file name is long.
  constexpr size_t kMinStart = 40;
  std::string text;
  if (path.size() <= kMessagePathLimit) {
    text = path;
  } else {
    size_t name = path.find_last_of("\\/");
    name = name == std::string_view::npos ? 0 : name;
    size_t tail = std::min(path.size() - name, kMessagePathLimit - kEllipsis.size() - kMinStart);
    size_t head = kMessagePathLimit - kEllipsis.size() - tail;
    text.reserve(kMessagePathLimit);
    text.append(path.substr(0, head)).append(kEllipsis).append(path.substr(path.size() - tail));
  }
  for (char& c : text) {
    auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) c = '?';
  }
  return text;
}

}  // namespace orb
