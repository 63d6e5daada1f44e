// Disc images of a CD root folder: ISO 9660 (level 2) with Joliet names, checked against the format's
// limits before a byte is written and streamed through the FileSystem seam to an atomic target.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/FileSystem.h"

namespace orb {

struct IsoOptions {
  // The volume label in the platform's encoding, at most 16 characters; empty: no label.
  std::string label;
  // The volume's date, seconds since 1970 UTC (SOURCE_DATE_EPOCH); none: the newest date in the tree,
  // so that the same folder gives the same bytes.
  std::optional<std::int64_t> volume_time;
  // Dates of files and folders later than volume_time are written as volume_time.
  bool clamp_file_times = false;
};

// Something the image cannot hold, found before writing.
struct IsoProblem {
  enum class Kind {
    NameTooLong,   // over 64 characters
    BadName,       // a name Windows cannot open (a character, a device name, a dot or blank at its end)
    PathTooDeep,   // a folder deeper than 8 levels (the root is the first)
    FileTooLarge,  // 4 GiB or more
    NamesCollide,  // two names of one folder that Windows sees as one (case, or a dot or blank at the end)
    Unreadable,    // a folder that cannot be listed, or a file that cannot be read
    NotAFile,      // a pipe, socket or device
    Loop,          // a link that leads back to a folder above it, or round in a loop
  };
  Kind kind = Kind::Unreadable;
  std::string path;     // the file or folder it concerns, in the model's form (root + relative path)
  std::string message;  // what is wrong, without the path
  bool error = true;    // false: a warning, the image can still be written
};

struct IsoCheck {
  std::vector<IsoProblem> problems;
  std::uint64_t files = 0;
  std::uint64_t folders = 0;      // without the root
  std::uint64_t data_bytes = 0;   // the files' sizes added up
  std::uint64_t image_bytes = 0;  // the size the image will have; 0 when an error stops it
  bool HasErrors() const;
};

// Walks the tree below root and lays out its image without writing anything.
IsoCheck CheckIsoLimits(FileSystem& fs, const std::string& root);

// Told how far the write has come; returning false cancels it.
class IsoProgress {
 public:
  virtual ~IsoProgress() = default;
  virtual bool Advance(std::uint64_t bytes_done, std::uint64_t bytes_total) = 0;
};

struct IsoResult {
  bool ok = false;
  bool cancelled = false;            // the progress callback stopped it; nothing was left behind
  std::string error;                 // when neither ok nor cancelled: what went wrong, naming the file
  std::vector<IsoProblem> problems;  // the limits' problems (errors stop the image before writing)
  std::uint64_t files = 0;
  std::uint64_t bytes = 0;  // the image's size
  std::string label;        // the label as written
};

// Writes the image of root to iso_path through a temporary file beside it: a failure or a cancel leaves
// an older image untouched and no partial one. Refuses a target inside root.
IsoResult WriteIsoImage(FileSystem& fs, const std::string& root, const std::string& iso_path,
                        const IsoOptions& options, IsoProgress* progress);

// The volume label of a disc image, the one rule of the editor and make-iso: the CD title with its
// question marks removed, blanks at the ends trimmed, at most 16 characters (the title is single-byte
// text); when that leaves nothing, the same of the root folder's own name (a drive root and an empty
// root give none).
std::string ImageLabel(const std::string& cd_title, const std::string& root = std::string());

}  // namespace orb
