// The disc-image entry points; see IsoImage.h.
#include "disc/IsoImage.h"

#include <algorithm>
#include <cctype>

namespace orb {

bool IsoCheck::HasErrors() const {
  return std::any_of(problems.begin(), problems.end(), [](const IsoProblem& p) { return p.error; });
}

IsoCheck CheckIsoLimits(FileSystem& fs, const std::string& root) {
  (void)fs;
  (void)root;
  return {};
}

IsoResult WriteIsoImage(FileSystem& fs, const std::string& root, const std::string& iso_path,
                        const IsoOptions& options, IsoProgress* progress) {
  (void)fs, (void)root, (void)iso_path, (void)progress;
  IsoResult result;
  result.label = options.label;
  result.error = "not built yet";
  return result;
}

std::string IsoLabelFromTitle(const std::string& cd_title) {
  std::string label;
  for (char c : cd_title) {
    if (c != '?') label += c;
  }
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!label.empty() && blank(label.back())) label.pop_back();
  size_t start = 0;
  while (start < label.size() && blank(label[start])) ++start;
  label = label.substr(start, 16);
  while (!label.empty() && blank(label.back())) label.pop_back();
  return label;
}

bool IsInsideFolder(const std::string& path, const std::string& folder) {
  auto norm = [](std::string text) {
    for (char& c : text) {
      if (c == '/') c = '\\';
      c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    while (!text.empty() && text.back() == '\\') text.pop_back();
    return text;
  };
  std::string p = norm(path), f = norm(folder);
  if (f.empty()) return !p.empty() && p[0] == '\\';
  return p == f || (p.size() > f.size() && p.compare(0, f.size(), f) == 0 && p[f.size()] == '\\');
}

}  // namespace orb
