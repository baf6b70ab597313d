#pragma once
// Skin folders are written the Windows way by the program (L"skin\\"); these helpers turn such names into
// paths of the file system.
#include <string>
#include <string_view>

namespace DuiLib {

// Every '\\' and '/' becomes the platform separator.
std::string NormaliseSeparators(std::string path);
// The folder part of a file name, with a trailing separator ("" when there is none).
std::string DirectoryOf(const std::string& file);
// `root` joined with the skin folder, normalised, with a trailing separator.
std::string SkinFolderPath(const std::string& root, std::wstring_view skinFolder);

}  // namespace DuiLib
