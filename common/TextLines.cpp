// Positional text-file conventions; see TextLines.h.
#include "common/TextLines.h"

#include "common/MessagePath.h"
namespace orb {

std::string TrimBlanks(std::string_view text) {
  size_t begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos) return std::string();
  size_t end = text.find_last_not_of(' ');
  return std::string(text.substr(begin, end - begin + 1));
}

std::string FormatNumber(long value) {
  std::string digits = std::to_string(value);
  return value < 0 ? digits + " " : " " + digits + " ";
}

std::optional<int16_t> ParseInt16(std::string_view text) {
  std::string trimmed = TrimBlanks(text);
  if (trimmed.empty()) return std::nullopt;
  size_t i = 0;
  bool negative = false;
  if (trimmed[0] == '-' || trimmed[0] == '+') {
    negative = trimmed[0] == '-';
    i = 1;
  }
  if (i == trimmed.size()) return std::nullopt;
  long value = 0;
  for (; i < trimmed.size(); ++i) {
    char c = trimmed[i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > 32768) return std::nullopt;  // stop early: keeps huge digit strings from overflowing
  }
  if (negative) value = -value;
  if (value < -32768 || value > 32767) return std::nullopt;
  return static_cast<int16_t>(value);
}

bool LineReader::Next(std::string& line) {
  if (pos_ >= data_.size()) return false;
  // A plain scan: find_first_of calls memchr once per byte, which doubles the time of a large file.
  size_t end = pos_;
  while (end < data_.size() && data_[end] != '\r' && data_[end] != '\n') ++end;
  if (end == data_.size()) {
    line.assign(data_.substr(pos_));
    pos_ = data_.size();
  } else {
    line.assign(data_.substr(pos_, end - pos_));
    pos_ = end + 1;
    if (data_[end] == '\r' && pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
  }
  ++line_number_;
  return true;
}

void LineWriter::Line(std::string_view text) {
  data_.append(text);
  data_.append("\r\n");
}

std::string FormatError::Text() const {
  if (line > 0) return MessagePath(file) + ", line " + std::to_string(line) + ": " + message;
  return MessagePath(file) + ": " + message;
}

}  // namespace orb
