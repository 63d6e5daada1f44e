// The disc-image entry points: the limits check, and the streamed write of descriptors, path tables,
// directories and file data in block order; see IsoImage.h.
#include "disc/IsoImage.h"

#include <algorithm>
#include <cstring>

#include "common/PathText.h"
#include "disc/BlockSink.h"
#include "disc/IsoLayout.h"
#include "disc/IsoRecords.h"
#include "disc/IsoTree.h"

namespace orb {

namespace {

std::string VolumeDescriptor(int type, const IsoTree& tree, const IsoLayout& layout, std::int64_t time,
                             const std::u16string& label) {
  bool joliet = type == 2;
  std::string d(kIsoBlock, '\0');
  char* p = d.data();
  p[0] = static_cast<char>(type);
  std::memcpy(p + 1, "CD001", 5);
  p[6] = 1;
  if (joliet) {
    PutUcs2Text(p + 8, 32, u"");
    PutUcs2Text(p + 40, 32, label.substr(0, 16));
    std::memcpy(p + 88, "%/E", 3);  // UCS-2 level 3
  } else {
    PutText(p + 8, 32, "");
    PutText(p + 40, 32, PrimaryLabel(label));
  }
  PutBoth32(p + 80, layout.total_blocks);
  PutBoth16(p + 120, 1);  // volume set size
  PutBoth16(p + 124, 1);  // volume sequence number
  PutBoth16(p + 128, kIsoBlock);
  PutBoth32(p + 132, joliet ? layout.joliet_path_bytes : layout.primary_path_bytes);
  PutLittle32(p + 140, joliet ? layout.joliet_l_table : layout.primary_l_table);
  PutBig32(p + 148, joliet ? layout.joliet_m_table : layout.primary_m_table);
  std::string root;
  AppendDirectoryRecord(root, joliet ? tree.root.joliet_extent : tree.root.extent,
                        joliet ? tree.root.joliet_bytes : tree.root.primary_bytes, tree.root.modified, true,
                        std::string(1, '\0'));
  std::memcpy(p + 156, root.data(), root.size());
  // Volume set, publisher, preparer, application and the three file identifiers: blank.
  const int text_fields[][2] = {{190, 128}, {318, 128}, {446, 128}, {574, 128},
                                {702, 37},  {739, 37},  {776, 37}};
  for (const auto& f : text_fields) {
    if (joliet) {
      PutUcs2Text(p + f[0], static_cast<std::size_t>(f[1]), u"");
    } else {
      PutText(p + f[0], static_cast<std::size_t>(f[1]), "");
    }
  }
  PutVolumeDate(p + 813, time);   // created
  PutVolumeDate(p + 830, time);   // modified
  std::memset(p + 847, '0', 16);  // no expiry
  std::memset(p + 864, '0', 16);  // effective at once
  p[881] = 1;
  return d;
}

std::string TerminatorDescriptor() {
  std::string d(kIsoBlock, '\0');
  d[0] = static_cast<char>(255);
  std::memcpy(d.data() + 1, "CD001", 5);
  d[6] = 1;
  return d;
}

void SetDates(IsoNode& node, std::int64_t limit, bool clamp) {
  if (clamp && node.modified > limit) node.modified = limit;
  for (IsoNode& child : node.children) SetDates(child, limit, clamp);
}

// Scans and places the tree; the volume's date becomes the root's.
bool Prepare(FileSystem& fs, const std::string& root, const IsoOptions& options, IsoTree& tree,
             IsoLayout& layout, std::int64_t& time, std::string& error) {
  tree = ScanIsoTree(fs, root);
  time = options.volume_time.value_or(tree.newest);
  SetDates(tree.root, time, options.clamp_file_times);
  tree.root.modified = time;
  if (std::any_of(tree.problems.begin(), tree.problems.end(), [](const IsoProblem& p) { return p.error; })) {
    return false;
  }
  return LayOutIso(tree, layout, error);
}

bool WriteFiles(FileSystem& fs, BlockSink& sink, const IsoLayout& layout, const std::string& root) {
  // Folder paths in path-table order, built as the table lists them.
  std::vector<std::string> paths(layout.primary.size());
  paths[0] = root;
  for (std::size_t i = 0; i < layout.primary.size(); ++i) {
    const IsoDirectory& d = layout.primary[i];
    if (i > 0) paths[i] = JoinModelPath(paths[d.parent_number - 1], d.node->name);
    for (const IsoNode& child : d.node->children) {
      if (child.folder || child.size == 0) continue;
      std::string path = JoinModelPath(paths[i], child.name);
      std::string error;
      std::unique_ptr<FileReader> in = fs.OpenReader(path, error);
      if (!in) return sink.Fail(path + ": " + error);
      if (!sink.CopyFrom(*in, child.size, path) || !sink.PadToBlock()) return false;
    }
  }
  return true;
}

bool WriteImage(FileSystem& fs, BlockSink& sink, const IsoTree& tree, const IsoLayout& layout,
                std::int64_t time, const std::u16string& label, const std::string& root) {
  auto table = [&](bool joliet, bool big) {
    return sink.Put(PathTableBytes(layout, joliet, big)) && sink.PadToBlock();
  };
  bool ok = sink.Zeros(16 * kIsoBlock) && sink.Put(VolumeDescriptor(1, tree, layout, time, label)) &&
            sink.Put(VolumeDescriptor(2, tree, layout, time, label)) && sink.Put(TerminatorDescriptor()) &&
            table(false, false) && table(false, true) && table(true, false) && table(true, true);
  for (const IsoDirectory& d : layout.primary) ok = ok && sink.Put(DirectoryBytes(d, false));
  for (const IsoDirectory& d : layout.joliet) ok = ok && sink.Put(DirectoryBytes(d, true));
  ok = ok && WriteFiles(fs, sink, layout, root);
  std::uint64_t end = std::uint64_t{layout.total_blocks} * kIsoBlock;
  return ok && sink.Zeros(end - sink.Written()) && sink.Finish();
}

std::string ProblemsText(const std::vector<IsoProblem>& problems) {
  std::string text;
  std::size_t errors = 0;
  for (const IsoProblem& p : problems) {
    if (!p.error) continue;
    if (errors++ < 5) text += "\n" + p.path + ": " + p.message;
  }
  if (errors > 5) text += "\n(and " + std::to_string(errors - 5) + " more)";
  return "the folder cannot become a disc image:" + text;
}

}  // namespace

bool IsoCheck::HasErrors() const {
  return std::any_of(problems.begin(), problems.end(), [](const IsoProblem& p) { return p.error; });
}

IsoCheck CheckIsoLimits(FileSystem& fs, const std::string& root) {
  IsoTree tree;
  IsoLayout layout;
  std::int64_t time = 0;
  std::string error;
  IsoCheck check;
  bool placed = Prepare(fs, root, IsoOptions{}, tree, layout, time, error);
  check.problems = std::move(tree.problems);
  if (!placed && !error.empty()) check.problems.push_back({IsoProblem::Kind::Unreadable, root, error, true});
  check.files = tree.files;
  check.folders = tree.folders;
  check.data_bytes = tree.data_bytes;
  if (placed) check.image_bytes = std::uint64_t{layout.total_blocks} * kIsoBlock;
  return check;
}

IsoResult WriteIsoImage(FileSystem& fs, const std::string& root, const std::string& iso_path,
                        const IsoOptions& options, IsoProgress* progress) {
  IsoResult result;
  result.label = options.label;
  if (IsInsideFolder(iso_path, root)) {
    result.error = iso_path + ": the image cannot be written inside the folder it images (" + root + ")";
    return result;
  }
  std::u16string label = fs.NameToUtf16(options.label);
  if (label.size() > 16) {
    result.error = "the label \"" + options.label + "\" has " + std::to_string(label.size()) +
                   " characters; a disc label holds at most 16";
    return result;
  }
  IsoTree tree;
  IsoLayout layout;
  std::int64_t time = 0;
  std::string error;
  bool placed = Prepare(fs, root, options, tree, layout, time, error);
  result.problems = tree.problems;
  if (!placed) {
    result.error = error.empty() ? ProblemsText(tree.problems) : root + ": " + error;
    return result;
  }
  result.files = tree.files;
  result.bytes = std::uint64_t{layout.total_blocks} * kIsoBlock;
  std::unique_ptr<FileWriter> out = fs.OpenAtomicWriter(iso_path, error);
  if (!out) {
    result.error = iso_path + ": " + error;
    return result;
  }
  BlockSink sink(*out, iso_path, progress, result.bytes);
  if (!WriteImage(fs, sink, tree, layout, time, label, root)) {
    result.cancelled = sink.Cancelled();
    if (!result.cancelled) result.error = sink.Error().empty() ? iso_path + ": write failed" : sink.Error();
    return result;  // the writer drops its temporary file
  }
  if (!out->Commit(error)) {
    result.error = iso_path + ": " + error;
    return result;
  }
  result.ok = true;
  return result;
}

namespace {

std::string LabelFromText(const std::string& text) {
  std::string label;
  for (char c : text) {
    if (c != '?') label += c;
  }
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  std::size_t start = 0;
  while (start < label.size() && blank(label[start])) ++start;
  // Sixteen characters, never half of one's UTF-8 bytes.
  size_t end = start;
  for (int count = 0; end < label.size() && count < 16; ++count) {
    ++end;
    while (end < label.size() && (static_cast<unsigned char>(label[end]) & 0xC0) == 0x80) ++end;
  }
  label = label.substr(start, end - start);
  while (!label.empty() && blank(label.back())) label.pop_back();
  return label;
}

}  // namespace

std::string ImageLabel(const std::string& cd_title, const std::string& root) {
  std::string label = LabelFromText(cd_title);
  if (!label.empty()) return label;
  std::string folder = root;
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  // A drive root ("E:") has no name of its own.
  if (folder.find('\\') == std::string::npos && !folder.empty() && folder.back() == ':') return std::string();
  return LabelFromText(LeafName(folder));
}

}  // namespace orb
