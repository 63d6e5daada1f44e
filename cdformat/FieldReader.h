// Reads a positional text file field by field: one value a line, numbers as 16-bit integers, and the
// first problem kept with the file's name and line. The project file (2.x and 1.x) and menu.cfg share it;
// each format words its own messages.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/TextLines.h"

namespace orb {

// A format's wording. `field` is the field's description ("the tooltip of spot 3"); `blank_is_zero`
// says whether a blank line would have been taken as 0.
struct FieldMessages {
  std::string (*ends)(const std::string& field);
  std::string (*not_a_number)(const std::string& field, std::string_view line, bool blank_is_zero);
};

class FieldReader {
 public:
  // error is written only when a read fails.
  FieldReader(std::string_view data, const std::string& file_name, const FieldMessages& messages,
              FormatError& error)
      : reader_(data), file_name_(file_name), messages_(messages), error_(error) {}

  // Reads the next line; at the end of the file fails with what was expected there. `what` names the
  // field; inside a spot block the spot's number is added. Messages are built only on failure, so a
  // large file costs no string work per line.
  bool Line(std::string& line, const char* what);
  // A whole number from -32768 to 32767, blanks around it allowed; with blank_is_zero a blank line is 0.
  bool Number(int16_t& value, const char* what, bool blank_is_zero = false);
  // The line the last Number read, as it stands (a copy keeps the file's own spelling).
  const std::string& NumberLine() const { return number_line_; }
  // Keeps the problem at the given line; always false.
  bool Fail(int line, std::string message);

  int LineNumber() const { return reader_.LineNumber(); }
  // Whether every line has been read.
  bool AtEnd() const { return reader_.AtEnd(); }
  // The spot whose fields come next (1-based); 0 for the header.
  void EnterSpot(int number) { spot_ = number; }
  // The page whose fields come next (2 for the first further page); 0 for page 1.
  void EnterPage(int number) {
    page_ = number;
    spot_ = 0;
  }
  // The field as messages name it: `what`, with the spot's and the page's numbers inside their blocks.
  std::string Field(const char* what) const;

 private:
  LineReader reader_;
  const std::string& file_name_;
  const FieldMessages& messages_;
  FormatError& error_;
  std::string number_line_;
  int spot_ = 0;
  int page_ = 0;
};

}  // namespace orb
