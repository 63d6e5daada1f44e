// Real files for the disc-image tests: a temporary folder to build trees in, and the outside readers
// (xorriso, osirrox, isoinfo, isovfy, 7zz) that judge the images. Header-only: only the native disc
// tests use it.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace orb::test {

// A fresh folder below the system's temporary folder, removed with everything in it afterwards.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& Path() const { return path_; }
  // Writes a file below the folder, making its parent folders.
  void Put(const std::string& relative, const std::string& data) const;
  void MakeFolder(const std::string& relative) const;
  std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

 private:
  std::string path_;
};

struct RunResult {
  int status = -1;
  std::string output;  // stdout and stderr together
};

// Runs a shell command line.
RunResult RunCommand(const std::string& command);
// Quotes one argument for the shell.
std::string Quoted(const std::string& text);
// True when the program is on PATH.
bool HasProgram(const std::string& name);

// What the readers say about an image of source (a real folder): empty when all accept it, xorriso
// lists every entry under its own name and the tree osirrox extracts equals source; else the complaints.
std::string JudgeImage(const std::string& image, const std::string& source, const TempFolder& scratch);

std::string ReadAll(const std::string& path);

namespace fs_judge = std::filesystem;

inline TempFolder::TempFolder() {
  std::string pattern = (fs_judge::temp_directory_path() / "orb-iso-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) std::abort();
  path_ = pattern;
}

inline TempFolder::~TempFolder() {
  std::error_code ec;
  // Read-only folders made by a test must not keep their contents from being removed.
  for (auto it = fs_judge::recursive_directory_iterator(path_, ec);
       it != fs_judge::recursive_directory_iterator(); it.increment(ec)) {
    if (it->is_directory(ec))
      fs_judge::permissions(it->path(), fs_judge::perms::owner_all, fs_judge::perm_options::add, ec);
  }
  fs_judge::remove_all(path_, ec);
}

inline void TempFolder::Put(const std::string& relative, const std::string& data) const {
  fs_judge::path file = fs_judge::path(path_) / relative;
  fs_judge::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << data;
}

inline void TempFolder::MakeFolder(const std::string& relative) const {
  fs_judge::create_directories(fs_judge::path(path_) / relative);
}

inline RunResult RunCommand(const std::string& command) {
  RunResult result;
  std::FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return result;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
  int status = ::pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

inline std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) {
    if (c == '\'')
      out += "'\\''";
    else
      out += c;
  }
  return out + "'";
}

inline bool HasProgram(const std::string& name) {
  return RunCommand("command -v " + Quoted(name)).status == 0;
}

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream data;
  data << in.rdbuf();
  return data.str();
}

inline std::string JudgeImage(const std::string& image, const std::string& source,
                              const TempFolder& scratch) {
  std::string complaints;
  auto complain = [&](const std::string& who, const RunResult& r) {
    complaints += who + " (exit " + std::to_string(r.status) + "):\n" + r.output + "\n";
  };
  for (const char* tool : {"xorriso", "osirrox", "isoinfo", "isovfy", "7zz"}) {
    if (!HasProgram(tool)) complaints += std::string(tool) + " is missing (scripts/setup.sh installs it)\n";
  }
  if (!complaints.empty()) return complaints;
  std::string img = Quoted(image);

  RunResult vfy = RunCommand("isovfy -i " + img);
  if (vfy.status != 0 || vfy.output.find("No errors found") == std::string::npos) complain("isovfy", vfy);
  RunResult joliet = RunCommand("isoinfo -J -l -i " + img);
  if (joliet.status != 0) complain("isoinfo -J -l", joliet);
  RunResult primary = RunCommand("isoinfo -l -i " + img);
  if (primary.status != 0) complain("isoinfo -l", primary);
  RunResult seven = RunCommand("7zz l " + img);
  if (seven.status != 0 || seven.output.find("ERROR") != std::string::npos) complain("7zz l", seven);

  // Every entry of the source must be listed by xorriso under its own name.
  RunResult listing = RunCommand("xorriso -indev " + img + " -find / -exec lsdl");
  if (listing.status != 0) complain("xorriso -find", listing);
  std::error_code ec;
  for (auto it = fs_judge::recursive_directory_iterator(source, ec);
       it != fs_judge::recursive_directory_iterator(); it.increment(ec)) {
    std::string name = "'/" + fs_judge::relative(it->path(), source).generic_string() + "'";
    if (listing.output.find(name) == std::string::npos) complaints += "xorriso does not list " + name + "\n";
  }

  std::string out = scratch / ("extracted-" + fs_judge::path(image).filename().string());
  RunResult extract = RunCommand("osirrox -indev " + img + " -extract / " + Quoted(out));
  if (extract.status != 0) complain("osirrox -extract", extract);
  fs_judge::create_directories(out, ec);  // an empty image extracts to nothing
  RunResult diff = RunCommand("diff -r " + Quoted(source) + " " + Quoted(out));
  if (diff.status != 0) complain("diff -r against the source", diff);
  return complaints;
}

}  // namespace orb::test
