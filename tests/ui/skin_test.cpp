// Skin files: attribute values, resolution of the skin folder, and what a bad skin does.
#include "ui_test_support.h"

#include <fstream>

#include "platform/executable_path.h"
#include "ui/attribute_parse.h"
#include "ui/resource_path.h"

namespace uitest {
namespace {

TEST(AttributeParse, ColoursAreOpaqueUnlessTheyGiveAlpha) {
  EXPECT_EQ(ParseColor(L"#278ADF"), 0xFF278ADFu);
  EXPECT_EQ(ParseColor(L"#00FF5757"), 0x00FF5757u);
  EXPECT_EQ(ParseColor(L"#000000"), 0xFF000000u) << "black is a colour, not 'unset'";
  EXPECT_EQ(ParseColor(L"0xFFabcdef"), 0xFFABCDEFu);
  for (const wchar_t* bad : {L"", L"red", L"#12345", L"#1234567", L"#GG0000", L"278ADF"}) {
    EXPECT_FALSE(ParseColor(bad).has_value()) << static_cast<int>(std::wstring_view(bad).size());
  }
}

TEST(AttributeParse, RectanglesSizesIntsAndFlags) {
  EXPECT_EQ(ParseRect(L"282,245,331,295"), (RECT{282, 245, 331, 295}));
  EXPECT_EQ(ParseRect(L" -1, 2 ,3,4"), (RECT{-1, 2, 3, 4}));
  EXPECT_FALSE(ParseRect(L"1,2,3").has_value());
  EXPECT_FALSE(ParseRect(L"1,2,3,4,5").has_value());
  EXPECT_FALSE(ParseRect(L"1,2,x,4").has_value());
  EXPECT_EQ(ParseSize(L"336,494"), (SIZE{336, 494}));
  EXPECT_FALSE(ParseInt(L"12a").has_value());
  EXPECT_FALSE(ParseInt(L"99999999999").has_value());
  // Each number within its range, both ends included.
  EXPECT_EQ(ParseInt(L"16384", kExtentRange), 16384);
  EXPECT_FALSE(ParseInt(L"16385", kExtentRange).has_value());
  EXPECT_FALSE(ParseInt(L"-1", kExtentRange).has_value());
  EXPECT_EQ(ParseSize(L"4096,1", kWindowExtentRange), (SIZE{4096, 1}));
  EXPECT_FALSE(ParseSize(L"4097,1", kWindowExtentRange).has_value());
  EXPECT_FALSE(ParseRect(L"0,0,0,-16385").has_value());
  EXPECT_EQ(ParseBool(L"true"), true);
  EXPECT_FALSE(ParseBool(L"yes").has_value());
}

TEST(ResourcePath, TheProgramsSkinFolderIsFoundBesideTheExecutable) {
  // The platform's separator throughout ('\\' on Windows).
  EXPECT_EQ(SkinFolderPath("/opt/wannianli", L"skin\\"), NormaliseSeparators("/opt/wannianli/skin/"));
  EXPECT_EQ(SkinFolderPath("/opt/wannianli/", L"skin"), NormaliseSeparators("/opt/wannianli/skin/"));
  EXPECT_EQ(SkinFolderPath("/opt/w", L"a\\b/"), NormaliseSeparators("/opt/w/a/b/"));
  EXPECT_EQ(DirectoryOf(NormaliseSeparators("/opt/wannianli/wannianli")), NormaliseSeparators("/opt/wannianli/"));
  CPaintManagerUI::SetInstancePath("");
  std::string exe = DirectoryOf(platform::ExecutablePath());
  EXPECT_EQ(CPaintManagerUI::GetInstancePath(), exe);
}

TEST(Layout, LayoutsStackFixedAndShareTheRest) {
  CVerticalLayoutUI column;
  auto* top = new CControlUI;
  auto* rest = new CControlUI;
  auto* floating = new CControlUI;
  top->SetFixedHeight(30);
  floating->SetFloat(true);
  floating->SetFixedPos(RECT{5, 6, 15, 16});
  column.Add(top);
  column.Add(rest);
  column.Add(floating);
  column.SetInset(RECT{1, 1, 1, 1});
  column.SetPos(RECT{10, 20, 110, 220});
  EXPECT_EQ(top->GetPos(), (RECT{11, 21, 109, 51}));
  EXPECT_EQ(rest->GetPos(), (RECT{11, 51, 109, 219}));
  EXPECT_EQ(floating->GetPos(), (RECT{15, 26, 25, 36})) << "floats are offsets from the parent's corner";

  CHorizontalLayoutUI row;
  auto* left = new CControlUI;
  auto* right = new CControlUI;
  left->SetFixedWidth(40);
  row.Add(left);
  row.Add(right);
  row.SetChildPadding(4);
  row.SetPos(RECT{0, 0, 100, 10});
  EXPECT_EQ(left->GetPos(), (RECT{0, 0, 40, 10}));
  EXPECT_EQ(right->GetPos(), (RECT{44, 0, 100, 10}));
}

class BadSkinTest : public UiTest {
 protected:
  std::string Error(const std::wstring& file) {
    int finals = 0;
    TestWindow window(file, &finals);
    testing::internal::CaptureStderr();
    HWND h = window.Open();
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(h, nullptr);
    EXPECT_EQ(window.GetHWND(), nullptr);
    EXPECT_EQ(finals, 0) << "a window that was never built gets no final message";
    EXPECT_TRUE(host.Windows().empty());
    EXPECT_NE(err.find(window.GetSkinError()), std::string::npos) << "the error is on standard error";
    return window.GetSkinError();
  }
};

TEST_F(BadSkinTest, AMissingFileIsAnErrorNamingIt) {
  std::string err = Error(L"no_such_skin.xml");
  EXPECT_NE(err.find(NormaliseSeparators(WANNIANLI_TEST_DATA_DIR "/skin/no_such_skin.xml")), std::string::npos) << err;
  EXPECT_NE(err.find("cannot open"), std::string::npos) << err;
}

TEST_F(BadSkinTest, MalformedXmlNamesFileAndLine) {
  std::string err = Error(L"malformed.xml");
  EXPECT_NE(err.find("malformed.xml:5:"), std::string::npos) << err;
}

TEST_F(BadSkinTest, AnUnknownElementIsAnError) {
  std::string err = Error(L"unknown_element.xml");
  EXPECT_NE(err.find("unknown_element.xml:5:"), std::string::npos) << err;
  EXPECT_NE(err.find("<Slider>"), std::string::npos) << err;
}

TEST_F(BadSkinTest, AWrongRootOrAnEmptyWindowIsAnError) {
  std::string dir = std::string(WANNIANLI_TEST_DATA_DIR) + "/skin/";
  auto wrongRoot = [&] {
    CPaintManagerUI pm;
    CDialogBuilder().CreateFromString("<Dialog/>", "x.xml", nullptr, &pm);
  };
  EXPECT_THROW(wrongRoot(), SkinError);
  auto empty = [&] {
    CPaintManagerUI pm;
    CDialogBuilder().CreateFromString("<Window size=\"10,10\">\n<Font id=\"1\"/>\n</Window>", "x.xml", nullptr, &pm);
  };
  EXPECT_THROW(empty(), SkinError);
  auto labelWithChild = [&] {
    CPaintManagerUI pm;
    std::unique_ptr<CControlUI> root(CDialogBuilder().CreateFromString("<Window><Label><Button/></Label></Window>", "x.xml", nullptr, &pm));
  };
  EXPECT_THROW(labelWithChild(), SkinError);
}

TEST_F(BadSkinTest, UnknownAttributesAreWarningsAndTheWindowStillOpens) {
  TestWindow window(L"unknown_attribute.xml");
  testing::internal::CaptureStderr();
  ASSERT_NE(window.Open(), nullptr);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("unknown_attribute.xml:4: <Label> ignores the attribute sparkle=\"yes\""), std::string::npos)
      << err;
  EXPECT_NE(err.find("textcolor=\"red\""), std::string::npos) << "a malformed value is a warning too";
  EXPECT_NE(window.Find(L"lbl"), nullptr);
}

TEST_F(BadSkinTest, SkinAttributesGoThroughTheSetters) {
  TestWindow window(L"basic.xml");
  ASSERT_NE(window.Open(), nullptr);
  CPaintManagerUI& pm = window.GetPaintManager();
  EXPECT_EQ(pm.GetCaptionRect(), (RECT{0, 0, 0, 30}));
  EXPECT_EQ(pm.GetDefaultFontColor(), 0xFF101010u);
  EXPECT_EQ(pm.GetDefaultDisabledColor(), 0xFF909090u);
  EXPECT_EQ(pm.GetFont(1).size, 16);
  EXPECT_TRUE(pm.GetFont(1).bold);
  EXPECT_EQ(pm.GetFont(99).size, 12) << "an unknown index is the default font";
  auto* lbl = window.FindAs<CLabelUI>(L"lbl");
  EXPECT_EQ(lbl->GetClass(), L"LabelUI");
  EXPECT_EQ(lbl->GetToolTip(), L"提示文字");
  EXPECT_FALSE(window.Find(L"btn_off")->IsEnabled());
  EXPECT_TRUE(lbl->SetAttribute(L"textcolor", L"#FF5757"));
  EXPECT_EQ(lbl->GetTextColor(), 0xFFFF5757u);
  EXPECT_TRUE(lbl->SetAttribute(L"align", L"right"));
  EXPECT_EQ(lbl->GetTextStyle() & (DT_CENTER | DT_RIGHT), DT_RIGHT);
  EXPECT_FALSE(lbl->SetAttribute(L"pos", L"1,2"));
}

// The fonts a skin declares, read ahead of the build (the host warms them while it starts): as the build
// reads them, and nothing, quietly, for a file that cannot be read.
TEST(SkinFonts, AreReadAsTheBuildReadsThem) {
  std::string const dir = std::string(WANNIANLI_TEST_DATA_DIR) + "/skin/";
  std::vector<FontSpec> const fonts = CDialogBuilder::ReadFonts(dir + "basic.xml");
  CPaintManagerUI pm;
  std::unique_ptr<CControlUI> root(CDialogBuilder().Create(dir + "basic.xml", nullptr, &pm));
  ASSERT_FALSE(fonts.empty());
  EXPECT_EQ(fonts.back(), pm.GetFont(1));
  testing::internal::CaptureStderr();
  EXPECT_TRUE(CDialogBuilder::ReadFonts(dir + "no_such_skin.xml").empty());
  EXPECT_TRUE(CDialogBuilder::ReadFonts(dir + "malformed.xml").empty());
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace
}  // namespace uitest
