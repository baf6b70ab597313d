// The short festival names are drawn on the second line of a 49-pixel day cell at 11 pixels: four
// characters fit, a fifth is cut at both sides.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

std::size_t CodePoints(const std::string& utf8) {
  std::size_t n = 0;
  for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
  return n;
}

void ExpectShortNamesFit(const std::string& file) {
  std::ifstream in(file);
  ASSERT_TRUE(in) << file;
  std::string line;
  int names = 0;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    auto const first = line.find('\t');
    auto const second = line.find('\t', first + 1);
    ASSERT_NE(second, std::string::npos) << line;
    auto const third = line.find('\t', second + 1);
    auto const name = line.substr(second + 1, third == std::string::npos ? std::string::npos : third - second - 1);
    EXPECT_LE(CodePoints(name), 4u) << file << ": " << name;
    ++names;
  }
  EXPECT_GT(names, 5) << file;
}

TEST(FestivalNames, EveryShortNameFitsADayCell) {
  ExpectShortNamesFit(WANNIANLI_SOURCE_DIR "/data/festivals-gregorian.tsv");
  ExpectShortNamesFit(WANNIANLI_SOURCE_DIR "/data/festivals-lunar.tsv");
}

}  // namespace
