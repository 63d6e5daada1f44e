// Walking a root folder into an image's tree; see IsoTree.h.
#include "disc/IsoTree.h"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>

namespace orb {

namespace {

bool IsDCharacter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_'; }

// Upper case, and every other character an underscore.
std::string MapToDCharacters(std::u16string_view text) {
  std::string out;
  for (char16_t c : text) {
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    // A surrogate pair is one character and becomes one underscore.
    if (c >= 0xDC00 && c <= 0xDFFF) continue;
    out += IsDCharacter(c) ? static_cast<char>(c) : '_';
  }
  return out;
}

std::string Suffixed(std::string name, size_t limit, int suffix) {
  if (suffix <= 0) return name.substr(0, limit);
  std::string tail = "_" + std::to_string(suffix);
  return name.substr(0, limit - std::min(limit, tail.size())) + tail;
}

// Letters compared as Windows compares names on a disc: ASCII and Latin-1 without case.
char16_t FoldCase(char16_t c) {
  if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 0x20);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 0x20);
  return c;
}

std::u16string Folded(const std::u16string& name) {
  std::u16string out = name;
  for (char16_t& c : out) c = FoldCase(c);
  return out;
}

// The name as Windows opens it: without case and without the dots and blanks it drops at the end.
std::u16string WindowsKey(const std::u16string& name) {
  std::u16string out = Folded(name);
  while (!out.empty() && (out.back() == u'.' || out.back() == u' ')) out.pop_back();
  return out;
}

// CON, PRN, AUX, NUL, COM1-9 and LPT1-9 open the device, whatever follows the first dot and with
// blanks before it.
bool IsDeviceName(const std::u16string& name) {
  std::u16string base = Folded(name.substr(0, name.find(u'.')));
  while (!base.empty() && base.back() == u' ') base.pop_back();
  if (base == u"CON" || base == u"PRN" || base == u"AUX" || base == u"NUL") return true;
  if (base.size() != 4 || (base.compare(0, 3, u"COM") != 0 && base.compare(0, 3, u"LPT") != 0)) return false;
  char16_t n = base[3];
  return (n >= u'1' && n <= u'9') || n == 0xB9 || n == 0xB2 || n == 0xB3;  // also the superscripts 1 2 3
}

bool IsForbiddenCharacter(char16_t c) {
  return c < 0x20 || c == u'"' || c == u'*' || c == u'/' || c == u':' || c == u';' || c == u'<' ||
         c == u'>' || c == u'?' || c == u'\\' || c == u'|';
}

// ISO 9660 order: the name, then the extension, each as if padded with blanks (so a shorter one that
// is a prefix comes first, every allowed character being above a blank).
template <typename String>
bool IdentifierLess(const String& a, const String& b) {
  using Char = typename String::value_type;
  auto split = [](const String& s) {
    size_t dot = s.rfind(Char('.'));
    size_t semi = s.rfind(Char(';'));
    String name = dot == String::npos ? s.substr(0, semi) : s.substr(0, dot);
    String ext = dot == String::npos
                     ? String()
                     : s.substr(dot + 1, semi == String::npos ? String::npos : semi - dot - 1);
    return std::make_pair(name, ext);
  };
  auto [an, ae] = split(a);
  auto [bn, be] = split(b);
  auto padded_less = [](String x, String y) {
    size_t n = std::max(x.size(), y.size());
    x.resize(n, Char(' '));
    y.resize(n, Char(' '));
    return x < y;
  };
  if (an != bn) return padded_less(an, bn);
  return padded_less(ae, be);
}

std::string ProblemPath(const std::string& folder, const std::string& name) {
  return JoinModelPath(folder, name);
}

class Walker {
 public:
  Walker(FileSystem& fs, IsoTree& tree) : fs_(fs), tree_(tree) {}

  void Walk(IsoNode& node, const std::string& path, int level) {
    std::uint64_t device = 0, inode = 0;
    bool known = fs_.Identity(path, device, inode);
    if (known) above_.push_back({{device, inode}, path});
    WalkFolder(node, path, level);
    if (known) above_.pop_back();
  }

 private:
  void WalkFolder(IsoNode& node, const std::string& path, int level) {
    std::vector<FolderEntry> entries;
    std::string error;
    if (!fs_.ListFolder(path, entries, error)) {
      Problem(IsoProblem::Kind::Unreadable, path, "the folder cannot be read: " + error);
      return;
    }
    // The platform's names in byte order, so that every run sees them in the same order.
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    std::map<std::u16string, std::string> seen;  // folded Joliet name -> the first name
    std::set<std::string> primary_taken;
    for (FolderEntry& entry : entries) {
      IsoNode child;
      child.name = entry.name;
      child.folder = entry.folder;
      child.size = entry.size;
      child.modified = entry.modified;
      child.joliet = fs_.NameToUtf16(entry.name);
      std::string child_path = ProblemPath(path, entry.name);
      if (!CheckName(child, child_path, seen) || !CheckKind(entry, child_path)) continue;
      for (int suffix = 0;; ++suffix) {
        std::string id =
            child.folder ? PrimaryFolderName(child.joliet, suffix) : PrimaryFileName(child.joliet, suffix);
        if (primary_taken.insert(id).second) {
          child.primary = id;
          break;
        }
      }
      tree_.newest = std::max(tree_.newest, child.modified);
      if (child.folder) {
        if (level + 1 > kIsoMaxDepth) {
          Problem(IsoProblem::Kind::PathTooDeep, child_path,
                  "the folder lies " + std::to_string(level) +
                      " levels below the root; a disc holds at most " + std::to_string(kIsoMaxDepth - 1));
          continue;
        }
        ++tree_.folders;
        if (entry.inode != 0) above_.push_back({{entry.device, entry.inode}, child_path});
        WalkFolder(child, child_path, level + 1);
        if (entry.inode != 0) above_.pop_back();
      } else {
        if (child.size > kIsoMaxFileSize) {
          Problem(IsoProblem::Kind::FileTooLarge, child_path,
                  "the file has " + std::to_string(child.size) + " bytes; a disc file holds less than 4 GiB");
          continue;
        }
        // Found now rather than half-way through writing the image.
        std::string error;
        if (!fs_.OpenReader(child_path, error)) {
          Problem(IsoProblem::Kind::Unreadable, child_path, "the file cannot be read: " + error);
          continue;
        }
        ++tree_.files;
        tree_.data_bytes += child.size;
      }
      node.children.push_back(std::move(child));
    }
    auto& kids = node.children;
    std::sort(kids.begin(), kids.end(),
              [](const IsoNode& a, const IsoNode& b) { return IdentifierLess(a.primary, b.primary); });
    node.joliet_order.resize(kids.size());
    for (std::uint32_t i = 0; i < kids.size(); ++i) node.joliet_order[i] = i;
    std::sort(node.joliet_order.begin(), node.joliet_order.end(), [&](std::uint32_t a, std::uint32_t b) {
      return IdentifierLess(kids[a].joliet, kids[b].joliet);
    });
  }

  // What a disc cannot hold even under a good name: a pipe, socket or device, and a link in a loop.
  bool CheckKind(const FolderEntry& entry, const std::string& path) {
    if (entry.special) {
      Problem(IsoProblem::Kind::NotAFile, path,
              "neither a file nor a folder (a pipe, socket or device); a disc holds only files and folders");
      return false;
    }
    if (entry.loop) {
      Problem(IsoProblem::Kind::Loop, path, "the link leads round in a loop");
      return false;
    }
    if (!entry.folder || entry.inode == 0) return true;
    for (const auto& [id, above] : above_) {
      if (id != std::make_pair(entry.device, entry.inode)) continue;
      Problem(IsoProblem::Kind::Loop, path,
              "the folder is a link back to " + above + ", which holds it: a loop without end");
      return false;
    }
    return true;
  }

  bool CheckName(const IsoNode& child, const std::string& path, std::map<std::u16string, std::string>& seen) {
    const std::u16string& name = child.joliet;
    if (name.size() > kJolietMaxName) {
      Problem(IsoProblem::Kind::NameTooLong, path,
              "the name is " + std::to_string(name.size()) + " characters long; a disc holds at most " +
                  std::to_string(kJolietMaxName));
      return false;
    }
    if (std::any_of(name.begin(), name.end(), IsForbiddenCharacter)) {
      Problem(IsoProblem::Kind::BadName, path,
              "the name holds a character a disc name cannot hold (\" * / : ; < > ? \\ | or a control "
              "character)");
      return false;
    }
    if (IsDeviceName(name)) {
      Problem(IsoProblem::Kind::BadName, path,
              "the name is a device's name on Windows (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, with "
              "any extension); Windows cannot open it");
      return false;
    }
    auto [it, fresh] = seen.emplace(WindowsKey(name), child.name);
    if (!fresh) {
      bool case_only = Folded(fs_.NameToUtf16(it->second)) == Folded(name);
      Problem(IsoProblem::Kind::NamesCollide, path,
              case_only ? "the name differs from \"" + it->second +
                              "\" only in case; Windows cannot tell them apart on a disc"
                        : "the name differs from \"" + it->second +
                              "\" only in dots or blanks at its end, which Windows drops: it sees one name");
      return false;
    }
    if (!name.empty() && (name.back() == u'.' || name.back() == u' ')) {
      Problem(IsoProblem::Kind::BadName, path,
              "the name ends in a dot or a blank, which Windows drops; it cannot open the file");
      return false;
    }
    return true;
  }

  void Problem(IsoProblem::Kind kind, const std::string& path, std::string message) {
    tree_.problems.push_back({kind, path, std::move(message), true});
  }

  FileSystem& fs_;
  IsoTree& tree_;
  // The folders from the root down to the one being walked: identity and path.
  std::vector<std::pair<std::pair<std::uint64_t, std::uint64_t>, std::string>> above_;
};

}  // namespace

std::string JoinModelPath(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '\\' || folder.back() == '/') return folder + name;
  // A Linux root given with its slash ("/tmp/cd/") keeps slashes below it, as Linux users read paths.
  size_t last = folder.find_last_of("\\/");
  return folder + (last != std::string::npos && folder[last] == '/' ? "/" : "\\") + name;
}

std::string PrimaryFileName(const std::u16string& name, int suffix) {
  size_t dot = name.rfind(u'.');
  std::string base = MapToDCharacters(std::u16string_view(name).substr(0, dot));
  std::string ext =
      dot == std::u16string::npos ? "" : MapToDCharacters(std::u16string_view(name).substr(dot + 1));
  // The extension keeps at most 8 characters when both do not fit; the name takes the rest.
  size_t room = base.size() < 30 ? 30 - base.size() : 0;
  ext.resize(std::min(ext.size(), std::max<size_t>(room, 8)));
  if (base.empty() && ext.empty()) base = "_";
  base = Suffixed(base, 30 - ext.size(), suffix);
  return base + "." + ext + ";1";
}

std::string PrimaryFolderName(const std::u16string& name, int suffix) {
  std::string mapped = MapToDCharacters(name);
  if (mapped.empty()) mapped = "_";
  return Suffixed(mapped, 31, suffix);
}

std::string PrimaryLabel(const std::u16string& label) { return MapToDCharacters(label).substr(0, 32); }

IsoTree ScanIsoTree(FileSystem& fs, const std::string& root) {
  IsoTree tree;
  tree.root.folder = true;
  Walker(fs, tree).Walk(tree.root, root, 1);
  return tree;
}

}  // namespace orb
