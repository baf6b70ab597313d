#pragma once
// Skin folders are written the Windows way by the program (L"skin\\"); these helpers turn such names into
// paths of the file system.
#include <optional>
#include <string>
#include <string_view>

namespace DuiLib {

// Every '\\' and '/' becomes the platform separator.
std::string NormaliseSeparators(std::string path);
// The folder part of a file name, with a trailing separator ("" when there is none).
std::string DirectoryOf(const std::string& file);
// `root` joined with the skin folder, normalised, with a trailing separator.
std::string SkinFolderPath(const std::string& root, std::wstring_view skinFolder);

// A file name from a skin or from data (an image name, the festival picture a database names) as a path
// inside `folder`: the name is relative, with either separator. Nothing that would leave the folder is
// accepted: an absolute name ("/etc/x", "\\x", "C:x", "\\\\server\\x"), a ".." component, a NUL byte.
std::optional<std::string> PathInsideFolder(const std::string& folder, std::string_view name);

}  // namespace DuiLib
