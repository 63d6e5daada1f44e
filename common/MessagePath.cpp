// Paths shortened for messages; see MessagePath.h.
#include "common/MessagePath.h"

#include <algorithm>

namespace orb {

namespace {

// UTF-8 is counted in characters: a byte that is no continuation byte starts one.
bool Starts(std::string_view text, size_t i) {
  return i == 0 || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
}
size_t Characters(std::string_view text, size_t from = 0) {
  size_t n = 0;
  for (size_t i = from; i < text.size(); ++i) n += Starts(text, i);
  return n;
}
// The byte offset after the first n characters.
size_t AfterFirst(std::string_view text, size_t n) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (Starts(text, i) && n-- == 0) return i;
  }
  return text.size();
}
// The byte offset where the last n characters start.
size_t LastStart(std::string_view text, size_t n) {
  size_t i = text.size();
  while (n > 0 && i > 0) n -= Starts(text, --i);
  return i;
}

}  // namespace

std::string_view FirstCharacters(std::string_view text, size_t n) { return text.substr(0, AfterFirst(text, n)); }

std::string MessagePath(std::string_view path) {
  constexpr std::string_view kEllipsis = "...";
  // Enough of the start to tell the folder, even when the file name is long.
  constexpr size_t kMinStart = 40;
  std::string text;
  // Counted in characters and cut between them, so that a name outside ASCII never ends in a broken one.
  if (path.size() <= kMessagePathLimit || Characters(path) <= kMessagePathLimit) {
    text = path;
  } else {
    size_t name = path.find_last_of("\\/");
    name = name == std::string_view::npos ? 0 : name;
    size_t tail = std::min(Characters(path, name), kMessagePathLimit - kEllipsis.size() - kMinStart);
    size_t head = kMessagePathLimit - kEllipsis.size() - tail;
    text.reserve(kMessagePathLimit);
    text.append(path.substr(0, AfterFirst(path, head))).append(kEllipsis).append(path.substr(LastStart(path, tail)));
  }
  for (char& c : text) {
    auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) c = '?';
  }
  return text;
}

}  // namespace orb
