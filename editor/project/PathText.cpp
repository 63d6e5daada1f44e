// Path text helpers; see PathText.h.
#include "editor/project/PathText.h"

namespace orb {

std::string RemoveEvery(std::string_view text, std::string_view what) { return ReplaceEvery(text, what, {}); }

std::string ReplaceEvery(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  for (size_t hit; (hit = text.find(from, pos)) != std::string_view::npos; pos = hit + from.size()) {
    out.append(text.substr(pos, hit - pos));
    out.append(to);
  }
  out.append(text.substr(pos));
  return out;
}

static bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

static char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsAbsolutePath(std::string_view path) {
  if (path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == ':') return true;
  if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') return true;
  return !path.empty() && path[0] == '/';
}

// One character as Windows compares file names: letters without case, both slashes alike.
static char PathChar(char c) { return c == '/' ? '\\' : LowerAscii(c); }

static bool SameText(std::string_view a, std::string_view b) {
  for (size_t i = 0; i < a.size(); ++i) {
    if (PathChar(a[i]) != PathChar(b[i])) return false;
  }
  return true;
}

bool IsInsideFolder(std::string_view path, std::string_view root) {
  if (root.empty() || path.size() < root.size()) return false;
  return SameText(root, path.substr(0, root.size()));
}

bool SamePath(std::string_view a, std::string_view b) { return a.size() == b.size() && SameText(a, b); }

}  // namespace orb
