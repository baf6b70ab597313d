#include "ui/resource_path.h"

#include <algorithm>

#include "platform/code_page.h"
#include "platform/executable_path.h"

namespace DuiLib {

std::string NormaliseSeparators(std::string path) {
  for (char& c : path) {
    if (c == '\\' || c == '/') c = platform::PathSeparator();
  }
  return path;
}

std::string DirectoryOf(const std::string& file) {
  std::string path = NormaliseSeparators(file);
  auto slash = path.rfind(platform::PathSeparator());
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::optional<std::string> PathInsideFolder(const std::string& folder, std::string_view name) {
  std::string const relative = NormaliseSeparators(std::string(name));
  char const separator = platform::PathSeparator();
  if (relative.empty() || relative.front() == separator) return std::nullopt;
  // ':' makes a drive ("C:x" is relative to that drive's own folder) or a stream on Windows; NUL cuts the name.
  if (relative.find_first_of(std::string_view(":\0", 2)) != std::string::npos) return std::nullopt;
  std::size_t start = 0;
  while (start < relative.size()) {
    std::size_t end = std::min(relative.find(separator, start), relative.size());
    std::string_view const part = std::string_view(relative).substr(start, end - start);
    // "..", and on Windows also "..." or ".. ", which it trims to "..".
    if (part.size() >= 2 && part.find_first_not_of(". ") == std::string_view::npos) return std::nullopt;
    start = end + 1;
  }
  return folder + relative;
}

std::string SkinFolderPath(const std::string& root, std::wstring_view skinFolder) {
  std::string folder = NormaliseSeparators(platform::WideToUtf8(skinFolder));
  std::string path = NormaliseSeparators(root);
  if (!folder.empty() && folder.front() == platform::PathSeparator()) {
    path = folder;  // already absolute
  } else {
    if (!path.empty() && path.back() != platform::PathSeparator()) path.push_back(platform::PathSeparator());
    path += folder;
  }
  if (!path.empty() && path.back() != platform::PathSeparator()) path.push_back(platform::PathSeparator());
  return path;
}

}  // namespace DuiLib
