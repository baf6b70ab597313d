// skin/LAYOUT.md, which the skin files follow, gives the rectangles, fonts and colours the art is
// drawn for.
#include "layout.h"
#include "styles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <string>

namespace {

struct Row {
  art::Box box;
  std::string font;    // index into the font table, or "–"
  std::string colour;  // #AARRGGBB, or "–"
};

struct Doc {
  std::map<std::string, Row> controls;
  std::map<std::string, std::pair<int, bool>> fonts;  // index -> size, bold
};

Doc read_doc() {
  std::ifstream file(std::string(WANNIANLI_SOURCE_DIR) + "/skin/LAYOUT.md");
  // | `name` | x | y | w | h | font | colour | ...
  const std::regex control(
      R"(^\|\s*`([A-Za-z_]+)`\s*\|\s*(\d+)\s*\|\s*(\d+)\s*\|\s*(\d+)\s*\|\s*(\d+)\s*\|\s*([^|]*?)\s*\|\s*`?([^|`]*?)`?\s*\|)");
  // | index | size | weight | ...
  const std::regex font(R"(^\|\s*(\d+)\s*\|\s*(\d+)\s*\|\s*(normal|bold)\s*\|)");
  Doc doc;
  std::smatch m;
  for (std::string line; std::getline(file, line);) {
    if (std::regex_search(line, m, control))
      doc.controls[m[1]] = {{std::stod(m[2]), std::stod(m[3]), std::stod(m[4]), std::stod(m[5])}, m[6], m[7]};
    else if (std::regex_search(line, m, font))
      doc.fonts[m[1]] = {std::stoi(m[2]), m[3] == "bold"};
  }
  return doc;
}

std::string argb(art::Rgba c) {
  char text[16];
  std::snprintf(text, sizeof text, "#FF%02X%02X%02X", static_cast<int>(std::lround(c.r * 255)),
                static_cast<int>(std::lround(c.g * 255)), static_cast<int>(std::lround(c.b * 255)));
  return text;
}

TEST(LayoutDoc, EveryPlacedControlIsDocumentedWhereTheArtExpectsIt) {
  const Doc doc = read_doc();
  ASSERT_FALSE(doc.controls.empty()) << "skin/LAYOUT.md has no control table";
  for (const auto& [name, box] : art::layout::kMainControls) {
    SCOPED_TRACE(name);
    const auto it = doc.controls.find(name);
    ASSERT_NE(it, doc.controls.end()) << "not in skin/LAYOUT.md";
    EXPECT_EQ(it->second.box.x, box.x);
    EXPECT_EQ(it->second.box.y, box.y);
    EXPECT_EQ(it->second.box.w, box.w);
    EXPECT_EQ(it->second.box.h, box.h);
  }
}

TEST(LayoutDoc, TextControlsHaveTheFontsAndColoursTheArtIsMadeFor) {
  const Doc doc = read_doc();
  for (const auto& [name, style] : art::style::kMainTexts) {
    SCOPED_TRACE(name);
    const auto it = doc.controls.find(name);
    ASSERT_NE(it, doc.controls.end());
    EXPECT_EQ(it->second.colour, argb(style.colour));
    const auto font = doc.fonts.find(it->second.font);
    ASSERT_NE(font, doc.fonts.end()) << "font " << it->second.font << " not in the font table";
    EXPECT_EQ(font->second.first, style.px);
    EXPECT_EQ(font->second.second, style.bold);
  }
}

}  // namespace
