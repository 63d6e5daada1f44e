// The field-by-field reader; see FieldReader.h.
#include "cdformat/FieldReader.h"

namespace orb {

std::string FieldReader::Field(const char* what) const {
  std::string text = what;
  if (spot_ > 0) text += " of spot " + std::to_string(spot_);
  if (page_ > 0) text += " of page " + std::to_string(page_);
  return text;
}

bool FieldReader::Line(std::string& line, const char* what) {
  if (reader_.Next(line)) return true;
  return Fail(reader_.LineNumber() + 1, messages_.ends(Field(what)));
}

bool FieldReader::Number(int16_t& value, const char* what, bool blank_is_zero) {
  std::string& line = number_line_;
  if (!Line(line, what)) return false;
  if (blank_is_zero && line.find_first_not_of(' ') == std::string::npos) {
    value = 0;
    return true;
  }
  std::optional<int16_t> number = ParseInt16(line);
  if (!number) return Fail(reader_.LineNumber(), messages_.not_a_number(Field(what), line, blank_is_zero));
  value = *number;
  return true;
}

bool FieldReader::Fail(int line, std::string message) {
  error_ = FormatError{file_name_, line, std::move(message)};
  return false;
}

}  // namespace orb
