#pragma once
// A skin that cannot be used: the file and, for XML errors, the line.
#include <stdexcept>
#include <string>
#include <string_view>

namespace DuiLib {

class SkinError : public std::runtime_error {
 public:
  SkinError(std::string file, int line, const std::string& problem);
  const std::string& File() const { return m_file; }
  int Line() const { return m_line; }  // 0 when the problem has no line (a missing file)

 private:
  std::string m_file;
  int m_line;
};

// A text from a skin as a message may quote it: control characters escaped (\xHH), and cut after 60 bytes
// (at a character boundary, with "...") so that a hostile value cannot flood or steer the terminal.
std::string QuoteForMessage(std::string_view text);

}  // namespace DuiLib
