#pragma once
// Reading the almanac source files: plain or gzip-compressed text, one record per line.
#include <string>
#include <vector>

struct SourceLine {
  int number = 0;  // 1-based line number in the file
  std::string text;
};

// The lines of the file (gzip is recognised by its header), without line ends; blank lines and lines
// starting with '#' are dropped. Throws BuildError when the file cannot be read.
std::vector<SourceLine> ReadSourceLines(const std::string& path);

// The fields of `text` between `separator`s, empty fields kept.
std::vector<std::string> SplitFields(const std::string& text, char separator);
