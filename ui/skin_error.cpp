#include "ui/skin_error.h"

namespace DuiLib {
namespace {
std::string Describe(const std::string& file, int line, const std::string& problem) {
  std::string text = "skin error: " + file;
  if (line > 0) text += ":" + std::to_string(line);
  return text + ": " + problem;
}
}  // namespace

SkinError::SkinError(std::string file, int line, const std::string& problem)
    : std::runtime_error(Describe(file, line, problem)), m_file(std::move(file)), m_line(line) {}

}  // namespace DuiLib
