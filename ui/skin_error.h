#pragma once
// A skin that cannot be used: the file and, for XML errors, the line.
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/message_text.h"

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

// A text from a skin as a message may quote it (platform/message_text.h): control characters escaped, cut
// after 60 bytes, so that a hostile value cannot flood or steer the terminal.
using platform::QuoteForMessage;

}  // namespace DuiLib
