#include "ui/resource_path.h"

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
