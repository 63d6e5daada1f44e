// The tree an image is made of: the root folder walked through the FileSystem seam, each name mapped
// to its ISO 9660 and its Joliet form, and the format's limits checked on the way.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/FileSystem.h"
#include "disc/IsoImage.h"

namespace orb {

constexpr int kIsoMaxDepth = 8;                           // folder levels, the root being the first
constexpr size_t kJolietMaxName = 64;                     // UTF-16 units
constexpr std::uint64_t kIsoMaxFileSize = 0xFFFFFFFFull;  // a 32-bit length

struct IsoNode {
  std::string name;       // as the platform spells it
  std::u16string joliet;  // the Joliet identifier
  std::string primary;    // the ISO 9660 identifier: "NAME.EXT;1" for a file, "NAME" for a folder
  bool folder = false;
  std::uint64_t size = 0;
  std::int64_t modified = 0;
  // Folders only: children in ISO 9660 order, and their indexes in Joliet order.
  std::vector<IsoNode> children;
  std::vector<std::uint32_t> joliet_order;
  // Filled by the layout: a file's data, or a folder's two directory extents (block numbers and bytes).
  std::uint32_t extent = 0;
  std::uint32_t joliet_extent = 0;
  std::uint32_t primary_bytes = 0;
  std::uint32_t joliet_bytes = 0;
  std::uint32_t primary_number = 0;  // the folder's number in each path table
  std::uint32_t joliet_number = 0;
};

struct IsoTree {
  IsoNode root;
  std::vector<IsoProblem> problems;
  std::uint64_t files = 0;
  std::uint64_t folders = 0;
  std::uint64_t data_bytes = 0;
  std::int64_t newest = 0;  // the latest date seen
};

// Walks root (the model path of a folder) and sorts every folder's entries.
IsoTree ScanIsoTree(FileSystem& fs, const std::string& root);

// The model path of name inside folder, joined with the separator the folder's path ends its last name
// with (a backslash when it has none).
std::string JoinModelPath(const std::string& folder, const std::string& name);

// The ISO 9660 level 2 forms: d-characters in upper case, at most 30 for a file's name and extension
// together (its ".;1" apart) and 31 for a folder. A suffix above 0 ends the name in "_N", to tell apart
// names that map to the same form.
std::string PrimaryFileName(const std::u16string& name, int suffix = 0);
std::string PrimaryFolderName(const std::u16string& name, int suffix = 0);

// The volume label in d-characters, at most 32.
std::string PrimaryLabel(const std::u16string& label);

}  // namespace orb
