#include "tools/yiji_builder/source_lines.h"

#include <zlib.h>

#include <memory>

#include "tools/yiji_builder/build_error.h"

namespace {

struct GzCloser {
  void operator()(gzFile file) const { gzclose(file); }
};

}  // namespace

std::vector<SourceLine> ReadSourceLines(const std::string& path) {
  // gzopen reads uncompressed files unchanged, so one reader serves both kinds.
  std::unique_ptr<gzFile_s, GzCloser> file(gzopen(path.c_str(), "rb"));
  if (!file) throw BuildError(path + ": cannot open the file");
  std::string content;
  char buffer[1 << 16];
  for (;;) {
    int n = gzread(file.get(), buffer, sizeof buffer);
    if (n < 0) throw BuildError(path + ": cannot read the file (damaged compressed data?)");
    if (n == 0) break;
    content.append(buffer, static_cast<std::size_t>(n));
  }
  int error = Z_OK;
  gzerror(file.get(), &error);
  if (error != Z_OK) throw BuildError(path + ": cannot read the file (truncated or damaged)");

  std::vector<SourceLine> lines;
  std::size_t start = 0;
  for (int number = 1; start < content.size(); ++number) {
    std::size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::string text = content.substr(start, end - start);
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (!text.empty() && text.front() != '#') lines.push_back({number, std::move(text)});
    start = end + 1;
  }
  return lines;
}

std::vector<std::string> SplitFields(const std::string& text, char separator) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = text.find(separator, start);
    if (end == std::string::npos) {
      fields.push_back(text.substr(start));
      return fields;
    }
    fields.push_back(text.substr(start, end - start));
    start = end + 1;
  }
}
