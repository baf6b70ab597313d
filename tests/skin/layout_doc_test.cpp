// skin/LAYOUT.md, which the skin files follow, gives the same rectangles the art is drawn for.
#include "layout.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <string>

namespace {

std::map<std::string, art::Box> documented_boxes() {
  std::ifstream doc(std::string(WANNIANLI_SOURCE_DIR) + "/skin/LAYOUT.md");
  // Table rows: | `name` | x | y | w | h | ...
  const std::regex row(R"(^\|\s*`([A-Za-z_]+)`[^|]*\|\s*(\d+)\s*\|\s*(\d+)\s*\|\s*(\d+)\s*\|\s*(\d+)\s*\|)");
  std::map<std::string, art::Box> boxes;
  std::smatch m;
  for (std::string line; std::getline(doc, line);)
    if (std::regex_search(line, m, row))
      boxes[m[1]] = {std::stod(m[2]), std::stod(m[3]), std::stod(m[4]), std::stod(m[5])};
  return boxes;
}

TEST(LayoutDoc, EveryPlacedControlIsDocumentedWhereTheArtExpectsIt) {
  const auto boxes = documented_boxes();
  ASSERT_FALSE(boxes.empty()) << "skin/LAYOUT.md has no control table";
  for (const auto& [name, box] : art::layout::kMainControls) {
    SCOPED_TRACE(name);
    const auto it = boxes.find(name);
    ASSERT_NE(it, boxes.end()) << "not in skin/LAYOUT.md";
    EXPECT_EQ(it->second.x, box.x);
    EXPECT_EQ(it->second.y, box.y);
    EXPECT_EQ(it->second.w, box.w);
    EXPECT_EQ(it->second.h, box.h);
  }
}

}  // namespace
