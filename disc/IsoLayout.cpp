// Placing an image's parts; see IsoLayout.h.
#include "disc/IsoLayout.h"

#include "disc/IsoRecords.h"

namespace orb {

namespace {

std::uint32_t Blocks(std::uint64_t bytes) {
  return static_cast<std::uint32_t>((bytes + kIsoBlock - 1) / kIsoBlock);
}

// A record never crosses a block: one that does not fit starts the next block.
std::uint64_t Advance(std::uint64_t offset, std::uint32_t length) {
  if (offset % kIsoBlock + length > kIsoBlock) offset = (offset / kIsoBlock + 1) * kIsoBlock;
  return offset + length;
}

std::uint64_t DirectorySize(const IsoNode& node, bool joliet) {
  std::uint64_t offset = 2 * DirectoryRecordLength(1);  // "." and ".."
  for (std::size_t k = 0; k < node.children.size(); ++k) {
    const IsoNode& child = node.children[joliet ? node.joliet_order[k] : k];
    std::size_t id = joliet ? child.joliet.size() * 2 : child.primary.size();
    offset = Advance(offset, DirectoryRecordLength(id));
  }
  return std::uint64_t{Blocks(offset)} * kIsoBlock;
}

// Breadth first, each folder's subfolders in its tree's order: the order the path table wants.
std::vector<IsoDirectory> PathOrder(IsoNode& root, bool joliet) {
  std::vector<IsoDirectory> dirs{{&root, &root, 1}};
  for (std::size_t i = 0; i < dirs.size(); ++i) {
    IsoNode* node = dirs[i].node;
    for (std::size_t k = 0; k < node->children.size(); ++k) {
      IsoNode& child = node->children[joliet ? node->joliet_order[k] : k];
      if (child.folder) dirs.push_back({&child, node, static_cast<std::uint16_t>(i + 1)});
    }
  }
  return dirs;
}

}  // namespace

std::string IdentifierBytes(const IsoNode& node, bool joliet) {
  return joliet ? Ucs2BigEndian(node.joliet) : node.primary;
}

bool LayOutIso(IsoTree& tree, IsoLayout& layout, std::string& error) {
  if (tree.folders + 1 > 0xFFFF) {
    error = "the folder holds " + std::to_string(tree.folders) + " folders; a disc image holds at most 65534";
    return false;
  }
  layout.primary = PathOrder(tree.root, false);
  layout.joliet = PathOrder(tree.root, true);
  for (std::size_t i = 0; i < layout.primary.size(); ++i)
    layout.primary[i].node->primary_number = static_cast<std::uint32_t>(i + 1);
  for (std::size_t i = 0; i < layout.joliet.size(); ++i)
    layout.joliet[i].node->joliet_number = static_cast<std::uint32_t>(i + 1);
  layout.primary_path_bytes = 0;
  layout.joliet_path_bytes = 0;
  for (const IsoDirectory& d : layout.primary)
    layout.primary_path_bytes += PathRecordLength(d.node == &tree.root ? 1 : d.node->primary.size());
  for (const IsoDirectory& d : layout.joliet)
    layout.joliet_path_bytes += PathRecordLength(d.node == &tree.root ? 1 : d.node->joliet.size() * 2);

  // System area (16 blocks), the primary and Joliet descriptors and the terminator.
  std::uint64_t block = 19;
  layout.primary_l_table = static_cast<std::uint32_t>(block);
  block += Blocks(layout.primary_path_bytes);
  layout.primary_m_table = static_cast<std::uint32_t>(block);
  block += Blocks(layout.primary_path_bytes);
  layout.joliet_l_table = static_cast<std::uint32_t>(block);
  block += Blocks(layout.joliet_path_bytes);
  layout.joliet_m_table = static_cast<std::uint32_t>(block);
  block += Blocks(layout.joliet_path_bytes);
  for (IsoDirectory& d : layout.primary) {
    std::uint64_t bytes = DirectorySize(*d.node, false);
    d.node->extent = static_cast<std::uint32_t>(block);
    d.node->primary_bytes = static_cast<std::uint32_t>(bytes);
    block += bytes / kIsoBlock;
  }
  for (IsoDirectory& d : layout.joliet) {
    std::uint64_t bytes = DirectorySize(*d.node, true);
    d.node->joliet_extent = static_cast<std::uint32_t>(block);
    d.node->joliet_bytes = static_cast<std::uint32_t>(bytes);
    block += bytes / kIsoBlock;
  }
  layout.data_start = static_cast<std::uint32_t>(block);
  bool empty_files = false;
  // Files in the order the primary tree lists them, folder by folder in path-table order.
  for (IsoDirectory& d : layout.primary) {
    for (IsoNode& child : d.node->children) {
      if (child.folder) continue;
      child.extent = child.size == 0 ? layout.data_start : static_cast<std::uint32_t>(block);
      empty_files = empty_files || child.size == 0;
      block += Blocks(child.size);
    }
  }
  // Empty files point at the first data block; an image of nothing but empty files gets one.
  if (empty_files && block == layout.data_start) ++block;
  if (block > 0xFFFFFFFFull) {
    error = "the image would be larger than a disc image can number (8 TiB)";
    return false;
  }
  layout.total_blocks = static_cast<std::uint32_t>(block);
  return true;
}

std::string PathTableBytes(const IsoLayout& layout, bool joliet, bool big_endian) {
  std::string out;
  const std::vector<IsoDirectory>& dirs = joliet ? layout.joliet : layout.primary;
  for (const IsoDirectory& d : dirs) {
    std::string id = d.node == d.parent ? std::string(1, '\0') : IdentifierBytes(*d.node, joliet);
    AppendPathRecord(out, joliet ? d.node->joliet_extent : d.node->extent, d.parent_number, id, big_endian);
  }
  return out;
}

std::string DirectoryBytes(const IsoDirectory& dir, bool joliet) {
  const IsoNode& node = *dir.node;
  std::string out;
  auto extent = [joliet](const IsoNode& n) { return joliet ? n.joliet_extent : n.extent; };
  auto bytes = [joliet](const IsoNode& n) { return joliet ? n.joliet_bytes : n.primary_bytes; };
  AppendDirectoryRecord(out, extent(node), bytes(node), node.modified, true, std::string(1, '\0'));
  AppendDirectoryRecord(out, extent(*dir.parent), bytes(*dir.parent), dir.parent->modified, true,
                        std::string(1, '\1'));
  for (std::size_t k = 0; k < node.children.size(); ++k) {
    const IsoNode& child = node.children[joliet ? node.joliet_order[k] : k];
    std::string id = IdentifierBytes(child, joliet);
    std::uint32_t length = DirectoryRecordLength(id.size());
    if (out.size() % kIsoBlock + length > kIsoBlock)
      out.resize((out.size() / kIsoBlock + 1) * kIsoBlock, '\0');
    if (child.folder) {
      AppendDirectoryRecord(out, extent(child), bytes(child), child.modified, true, id);
    } else {
      AppendDirectoryRecord(out, child.extent, static_cast<std::uint32_t>(child.size), child.modified, false,
                            id);
    }
  }
  out.resize(std::uint64_t{Blocks(out.size())} * kIsoBlock, '\0');
  return out;
}

}  // namespace orb
