#include "platform/message_text.h"

#include <cstdio>

#include "platform/code_page.h"
#include "platform/utf8_codec.h"

namespace platform {
namespace {

void AppendEscape(std::string& out, const char* format, unsigned value) {
  char escaped[8];
  std::snprintf(escaped, sizeof escaped, format, value);
  out += escaped;
}

}  // namespace

std::string QuoteForMessage(std::string_view text, std::size_t maxBytes) {
  std::size_t const kept = Utf8PrefixAtBoundary(text, maxBytes);
  std::string_view const shown = text.substr(0, kept);
  std::string quoted;
  for (std::size_t pos = 0; pos < shown.size();) {
    std::size_t const start = pos;
    char32_t const c = DecodeUtf8(shown, pos);
    bool const undecodable = c == kReplacementCharacter && pos - start == 1;
    if (undecodable || c < 0x20 || c == 0x7F) {
      AppendEscape(quoted, "\\x%02X", static_cast<unsigned char>(shown[start]));
    } else if (c >= 0x80 && c <= 0x9F) {
      AppendEscape(quoted, "\\u%04X", static_cast<unsigned>(c));
    } else {
      quoted.append(shown.substr(start, pos - start));
    }
  }
  if (kept < text.size()) quoted += "... (" + std::to_string(text.size()) + " bytes)";
  return quoted;
}

}  // namespace platform
