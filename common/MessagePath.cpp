// Paths shortened for messages; see MessagePath.h.
#include "common/MessagePath.h"

#include <algorithm>

namespace orb {

namespace {

// UTF-8 is counted in characters: a byte that is no continuation byte starts one, and so does a
// continuation byte beyond the three a character can have, so that broken text is counted, not swallowed.
template <class Visit>
void ForEachStart(std::string_view text, Visit visit) {
  size_t run = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
    if (i > 0 && continuation && run < 3) {
      ++run;
      continue;
    }
    run = 0;
    if (!visit(i)) return;
  }
}
size_t Characters(std::string_view text, size_t from = 0) {
  size_t n = 0;
  ForEachStart(text, [&](size_t i) { n += i >= from; return true; });
  return n;
}
// The byte offset after the first n characters.
size_t AfterFirst(std::string_view text, size_t n) {
  size_t at = text.size();
  ForEachStart(text, [&](size_t i) {
    if (n-- > 0) return true;
    at = i;
    return false;
  });
  return at;
}
// The byte offset where the last n characters start.
size_t LastStart(std::string_view text, size_t n) {
  size_t total = Characters(text);
  return n >= total ? 0 : AfterFirst(text, total - n);
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
