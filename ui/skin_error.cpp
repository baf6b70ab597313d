#include "ui/skin_error.h"

#include <cstdio>

#include "platform/code_page.h"

namespace DuiLib {
namespace {
std::string Describe(const std::string& file, int line, const std::string& problem) {
  std::string text = "skin error: " + file;
  if (line > 0) text += ":" + std::to_string(line);
  return text + ": " + problem;
}
}  // namespace

std::string QuoteForMessage(std::string_view text) {
  constexpr std::size_t kMaxBytes = 60;
  std::size_t const kept = platform::Utf8PrefixAtBoundary(text, kMaxBytes);
  std::string quoted;
  for (char c : text.substr(0, kept)) {
    auto const byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      quoted += escaped;
    } else {
      quoted += c;
    }
  }
  if (kept < text.size()) quoted += "...";
  return quoted;
}

SkinError::SkinError(std::string file, int line, const std::string& problem)
    : std::runtime_error(Describe(file, line, problem)), m_file(std::move(file)), m_line(line) {}

}  // namespace DuiLib
