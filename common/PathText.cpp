// Path text helpers; see PathText.h.
#include "common/PathText.h"

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

static bool IsSlash(char c) { return c == '\\' || c == '/'; }

bool IsInsideFolder(std::string_view path, std::string_view root) {
  if (root.empty()) return false;
  // A root without its closing backslash still ends at a name boundary: "C:\CD" holds "C:\CD\a" and
  // "C:\CD" itself, not "C:\CD2".
  while (!root.empty() && IsSlash(root.back())) root.remove_suffix(1);
  if (root.empty()) return !path.empty() && IsSlash(path[0]);  // the Linux root "/" holds every full path
  if (path.size() < root.size() || !SameText(root, path.substr(0, root.size()))) return false;
  return path.size() == root.size() || IsSlash(path[root.size()]);
}

bool SamePath(std::string_view a, std::string_view b) { return a.size() == b.size() && SameText(a, b); }

std::string LeafName(const std::string& path) {
  size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string NumberedName(const std::string& leaf, int n) {
  size_t dot = leaf.rfind('.');
  if (dot == 0 || dot == std::string::npos) dot = leaf.size();  // ".wav" alone is a name, not an extension
  return leaf.substr(0, dot) + " (" + std::to_string(n) + ")" + leaf.substr(dot);
}

}  // namespace orb
