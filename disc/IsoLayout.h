// Where everything of an image lies: the path tables, each tree's directories in path-table order, then
// the files' data; and the bytes of the path tables and directories at those places.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "disc/IsoTree.h"

namespace orb {

struct IsoDirectory {
  IsoNode* node;
  IsoNode* parent;  // the root is its own parent
  std::uint16_t parent_number;
};

struct IsoLayout {
  std::vector<IsoDirectory> primary;  // in path-table order: by level, parent, then name
  std::vector<IsoDirectory> joliet;
  std::uint32_t primary_path_bytes = 0;
  std::uint32_t joliet_path_bytes = 0;
  std::uint32_t primary_l_table = 0, primary_m_table = 0, joliet_l_table = 0, joliet_m_table = 0;
  std::uint32_t data_start = 0;  // the first block of file data
  std::uint32_t total_blocks = 0;
};

// Places the tree; dates must be final (directory sizes do not depend on them). False with a message
// when the image would be beyond what the format can number.
bool LayOutIso(IsoTree& tree, IsoLayout& layout, std::string& error);

// The bytes of one path table, not padded to a block.
std::string PathTableBytes(const IsoLayout& layout, bool joliet, bool big_endian);
// The bytes of one directory, padded to whole blocks.
std::string DirectoryBytes(const IsoDirectory& dir, bool joliet);

// The identifier bytes of a node in one tree.
std::string IdentifierBytes(const IsoNode& node, bool joliet);

}  // namespace orb
