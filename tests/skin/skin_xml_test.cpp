// The skin files place the controls where the art expects them and name only images that exist.
#include "layout.h"
#include "png_image.h"
#include "styles.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "lunar/supported_years.h"

namespace {

namespace layout = art::layout;

std::string source_skin(const char* file) { return std::string(WANNIANLI_SOURCE_DIR) + "/skin/" + file; }

struct Skin {
  pugi::xml_document doc;
  bool loaded = false;
  explicit Skin(const char* file) { loaded = static_cast<bool>(doc.load_file(source_skin(file).c_str())); }
  pugi::xml_node window() const { return doc.child("Window"); }
  pugi::xml_node named(const char* name) const {
    return doc.find_node([&](pugi::xml_node n) { return std::string(n.attribute("name").value()) == name; });
  }
};

art::Box box_of(pugi::xml_node n) {
  int l = 0, t = 0, r = 0, b = 0;
  std::sscanf(n.attribute("pos").value(), "%d,%d,%d,%d", &l, &t, &r, &b);
  return {double(l), double(t), double(r - l), double(b - t)};
}

// The window position of a floating control: its offset added to its floating parents'.
art::Box window_box(pugi::xml_node n) {
  art::Box b = box_of(n);
  for (pugi::xml_node p = n.parent(); p && std::string(p.name()) != "Window"; p = p.parent())
    if (p.attribute("float").as_bool()) {
      const art::Box pb = box_of(p);
      b.x += pb.x, b.y += pb.y;
    }
  return b;
}

class SkinXml : public testing::TestWithParam<const char*> {};

TEST_P(SkinXml, ParsesAndNamesOnlyImagesThatExist) {
  const Skin skin(GetParam());
  ASSERT_TRUE(skin.loaded);
  ASSERT_TRUE(skin.window());
  int images = 0;
  for (pugi::xpath_node x : skin.doc.select_nodes("//*[@bkimage or @normalimage or @hotimage or @pushedimage]"))
    for (const char* attr : {"bkimage", "normalimage", "hotimage", "pushedimage", "disabledimage", "selectedimage"})
      if (const char* file = x.node().attribute(attr).value(); *file) {
        ++images;
        EXPECT_TRUE(std::filesystem::exists(skin_test::skin_path(file))) << attr << "=\"" << file << "\"";
      }
  EXPECT_GT(images, 0);
}

INSTANTIATE_TEST_SUITE_P(AllSkins, SkinXml,
                         testing::Values("main.xml", "soft_box.xml", "select_city.xml", "note.xml", "memo.xml"));

TEST(SkinXmlLayout, WindowsHaveTheirSizesAndCaptions) {
  const std::pair<const char*, const char*> sizes[] = {
      {"main.xml", "336,494"}, {"soft_box.xml", "526,526"}, {"select_city.xml", "240,320"}};
  for (const auto& [file, size] : sizes) {
    const Skin skin(file);
    ASSERT_TRUE(skin.loaded) << file;
    EXPECT_STREQ(skin.window().attribute("size").value(), size) << file;
  }
  // The whole header drags the main window, as far down as the shrunk window reaches.
  EXPECT_STREQ(Skin("main.xml").window().attribute("caption").value(), "0,0,0,128");
}

TEST(SkinXmlLayout, ControlsSitWhereTheArtExpectsThem) {
  const Skin main("main.xml"), box("soft_box.xml"), city("select_city.xml");
  for (const auto& [name, expected] : layout::kMainControls) {
    SCOPED_TRACE(name);
    pugi::xml_node n = main.named(name);
    if (!n) n = box.named(name);
    if (!n) n = city.named(name);
    ASSERT_TRUE(n) << "in no skin file";
    const art::Box b = std::string(name) == "root_bg" ? expected : window_box(n);
    EXPECT_EQ(b.x, expected.x);
    EXPECT_EQ(b.y, expected.y);
    EXPECT_EQ(b.w, expected.w);
    EXPECT_EQ(b.h, expected.h);
  }
  // The tool tiles, row by row in a 3 x 3 grid inside "hor_tools".
  const char* tools[] = {"btn_tools_notepad", "btn_tools_screenshot", "btn_tools_notify", "btn_tools_memo",
                         "btn_tools_clock", "btn_personal_tools_translate", "btn_personal_tools_package",
                         "btn_player_tools_majiang", "btn_player_tools_doudizhu"};
  for (int i = 0; i < 9; ++i) {
    SCOPED_TRACE(tools[i]);
    const pugi::xml_node n = box.named(tools[i]);
    ASSERT_TRUE(n);
    EXPECT_EQ(std::string(n.parent().attribute("name").value()), "hor_tools");
    const art::Box b = window_box(n);
    EXPECT_EQ(b.x, layout::hor_tools.x + (i % 3) * (layout::kToolTileWidth + layout::kToolTileGap));
    EXPECT_EQ(b.y, layout::hor_tools.y + (i / 3) * (layout::kToolTileHeight + layout::kToolTileGap));
    EXPECT_EQ(b.w, layout::kToolTileWidth);
    EXPECT_EQ(b.h, layout::kToolTileHeight);
  }
  EXPECT_FALSE(main.named("btn_fangda").attribute("visible").as_bool(true));
  EXPECT_FALSE(box.named("btn_tools_unfold").attribute("visible").as_bool(true));
}

TEST(SkinXmlLayout, TextsUseTheFontsAndColoursTheArtIsMadeFor) {
  const Skin main("main.xml");
  std::map<int, std::pair<int, bool>> fonts;
  for (pugi::xml_node f : main.window().children("Font"))
    fonts[f.attribute("id").as_int()] = {f.attribute("size").as_int(), f.attribute("bold").as_bool()};
  for (const auto& [name, style] : art::style::kMainTexts) {
    SCOPED_TRACE(name);
    const pugi::xml_node n = main.named(name);
    ASSERT_TRUE(n);
    const auto font = fonts.find(n.attribute("font").as_int(-1));
    ASSERT_NE(font, fonts.end());
    EXPECT_EQ(font->second.first, style.px);
    EXPECT_EQ(font->second.second, style.bold);
    char colour[16];
    std::snprintf(colour, sizeof colour, "#FF%02X%02X%02X", int(std::lround(style.colour.r * 255)),
                  int(std::lround(style.colour.g * 255)), int(std::lround(style.colour.b * 255)));
    EXPECT_STREQ(n.attribute("textcolor").value(), colour);
  }
}

TEST(SkinXmlLayout, PickersOfferYears1901To2050AndMonthsBehindAHiddenItemZero) {
  const Skin main("main.xml");
  // Item i of the year picker is year kFirstYear - 1 + i, as the window reads it (grid/grid_constants.h).
  const std::pair<const char*, int> pickers[] = {{"com_year", lunar::kFirstYear - 1}, {"com_month", 0}};
  for (const auto& [name, base] : pickers) {
    SCOPED_TRACE(name);
    int index = 0;
    for (pugi::xml_node item : main.named(name).children("Item")) {
      if (index == 0) {
        EXPECT_FALSE(item.attribute("visible").as_bool(true));
      } else {
        EXPECT_TRUE(item.attribute("visible").as_bool(true));
        EXPECT_EQ(std::atoi(item.attribute("text").value()), base + index);
      }
      ++index;
    }
    EXPECT_EQ(index, base == 0 ? 13 : lunar::kYearCount + 1);
  }
}

}  // namespace
