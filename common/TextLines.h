// The positional text-file conventions shared by every file the two programs exchange: one value per
// line, CR LF, ANSI bytes passed through, numbers as " 3 " / "-5 ", blanks (spaces only) trimmed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orb {

// Removes leading and trailing spaces (only 0x20; tabs and other bytes stay).
std::string TrimBlanks(std::string_view text);

// The print form of a number: a blank before a value that is not negative, a blank after every value.
std::string FormatNumber(long value);

// A 16-bit signed decimal integer, blanks around it ignored; nullopt for anything else.
std::optional<int16_t> ParseInt16(std::string_view text);

// Reads lines from a byte buffer. A line ends at CR, CR LF or LF; the last line may lack an end.
// Bytes (NUL and >= 0x80 included) pass through unchanged.
class LineReader {
 public:
  explicit LineReader(std::string_view data) : data_(data) {}
  // Reads the next line; false at the end of the data (nothing left to read).
  bool Next(std::string& line);
  // 1-based number of the line last returned by Next (0 before the first).
  int LineNumber() const { return line_number_; }
  bool AtEnd() const { return pos_ >= data_.size(); }

 private:
  std::string_view data_;
  size_t pos_ = 0;
  int line_number_ = 0;
};

// Builds a file's bytes line by line, each line ended by CR LF.
class LineWriter {
 public:
  void Line(std::string_view text);
  void Number(long value) { Line(FormatNumber(value)); }
  const std::string& Data() const { return data_; }

 private:
  std::string data_;
};

// A problem found while reading a file: which file, which line (0 for the file as a whole) and what.
struct FormatError {
  std::string file;
  int line = 0;
  std::string message;
  // "FILE, line N: MESSAGE" (or "FILE: MESSAGE" when line is 0), for message boxes and stderr.
  std::string Text() const;
};

}  // namespace orb
