// Hostile skin files: whatever a skin says is refused with its file and line, and never crashes, overflows,
// blocks or eats memory.
#include "ui_test_support.h"

#include <gmock/gmock.h>

#include <climits>

#if !defined(_WIN32)
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "platform/code_page.h"
#include "ui/skin_limits.h"

namespace uitest {
namespace {

using testing::HasSubstr;

std::string Repeat(const std::string& text, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += text;
  return all;
}

class HostileSkinTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    CPaintManagerUI::SetInstancePath(scratch.path.string());
  }

  std::string SkinPath(const std::string& name) const { return (scratch.path / "skin" / name).string(); }
  void WriteSkin(const std::string& name, const std::string& xml) const { scratch.Write("skin/" + name, xml); }

  // The skin error of a window that must not open.
  std::string Error(const std::string& name) {
    TestWindow window(platform::Utf8ToWide(name));
    testing::internal::CaptureStderr();
    EXPECT_EQ(window.Open(), nullptr);
    testing::internal::GetCapturedStderr();
    return window.GetSkinError();
  }

  ScratchFolder scratch;
};

TEST_F(HostileSkinTest, ControlsNestedPastTheLimitAreAnErrorNamingFileAndLine) {
  auto nested = [](int depth) {
    return "<Window size=\"50,50\">\n" + Repeat("<Container>", depth) + Repeat("</Container>", depth) + "</Window>";
  };
  WriteSkin("deep.xml", nested(20000));
  EXPECT_THAT(Error("deep.xml"), HasSubstr("deep.xml:2: controls nest more than 64 levels deep"));
  WriteSkin("limit.xml", nested(kMaxSkinDepth));
  TestWindow atTheLimit(L"limit.xml");
  EXPECT_NE(atTheLimit.Open(), nullptr);
}

TEST_F(HostileSkinTest, NumbersOutOfRangeAreWarningsAndNothingOverflows) {
  WriteSkin("huge.xml", R"(<Window size="20000,20000">
  <Font id="0" size="999999999" default="true"/>
  <HorizontalLayout name="row" childpadding="999999999" inset="-999999999,0,999999999,0">
    <Label name="a" text="甲" width="999999999" font="99999999999" align="center"/>
    <Label name="b" text="乙" width="16384" textpadding="0,0,0,0" endellipsis="true"/>
    <Container name="c" width="16384"><Text float="true" pos="999999999,0,999999999,10" text="丙"/></Container>
  </HorizontalLayout>
</Window>)");
  TestWindow window(L"huge.xml");
  testing::internal::CaptureStderr();
  HWND hwnd = window.Open();
  std::string err = testing::internal::GetCapturedStderr();
  ASSERT_NE(hwnd, nullptr);
  EXPECT_THAT(err, HasSubstr("huge.xml:1: <Window> ignores the attribute size=\"20000,20000\" (expected two integers "
                             "w,h in 1..4096)"));
  EXPECT_THAT(err, HasSubstr("huge.xml:2: <Font> ignores the attribute size=\"999999999\" (expected an integer in 1..512)"));
  EXPECT_THAT(err, HasSubstr("huge.xml:3: <HorizontalLayout> ignores the attribute childpadding"));
  EXPECT_THAT(err, HasSubstr("huge.xml:4: <Label> ignores the attribute font=\"99999999999\""));
  EXPECT_THAT(err, HasSubstr("huge.xml:6: <Text> ignores the attribute pos"));
  EXPECT_EQ(host.GetWindowRect(hwnd).Width(), 100) << "the window keeps the size the program asked for";

  // Numbers set in code are not checked, but the layout and the canvas still cannot overflow with them.
  auto* row = window.FindAs<CHorizontalLayoutUI>(L"row");
  row->SetChildPadding(INT_MAX);
  row->SetInset(RECT{INT_MIN, INT_MIN, INT_MAX, INT_MAX});
  window.Find(L"a")->SetFixedWidth(INT_MAX);
  window.Find(L"b")->SetFixedWidth(INT_MAX);
  window.FindAs<CLabelUI>(L"b")->SetTextPadding(RECT{INT_MIN, 0, INT_MIN, 0});
  window.Find(L"c")->SetFixedPos(RECT{INT_MAX, INT_MAX, INT_MAX, INT_MAX});
  window.GetPaintManager().AddFont(0, FontSpec{L"", INT_MAX});
  window.GetPaintManager().SetDefaultFont(FontSpec{L"", INT_MAX});
  host.RunUntilIdle();
  EXPECT_GT(window.GetPaintManager().GetPaintCount(), 0u);
}

TEST_F(HostileSkinTest, OnlyARegularSkinFileOfSaneSizeIsRead) {
  WriteSkin("big.xml", "<Window size=\"50,50\"><Control/>" + std::string(kMaxSkinFileBytes, ' ') + "</Window>");
  EXPECT_THAT(Error("big.xml"), HasSubstr("big.xml: the skin file is larger than 1 MiB"));
#if !defined(_WIN32)
  // Neither waits for a writer nor reads without end.
  ASSERT_EQ(mkfifo(SkinPath("fifo.xml").c_str(), 0600), 0);
  EXPECT_THAT(Error("fifo.xml"), HasSubstr("fifo.xml: the skin file is not a regular file"));
  ASSERT_EQ(symlink("/dev/zero", SkinPath("zero.xml").c_str()), 0);
  EXPECT_THAT(Error("zero.xml"), HasSubstr("zero.xml: the skin file is not a regular file"));
#endif
}

TEST_F(HostileSkinTest, ManyBadAttributesGiveAFewWarningsWithTheirValuesEscaped) {
  std::string many;
  for (int i = 0; i < 60; ++i) many += " bad" + std::to_string(i) + "=\"x\"";
  WriteSkin("noisy.xml", "<Window size=\"50,50\"><Control bkcolor=\"\x1b[2J\"" + many + "/></Window>");
  TestWindow window(L"noisy.xml");
  testing::internal::CaptureStderr();
  ASSERT_NE(window.Open(), nullptr);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_THAT(err, HasSubstr("bkcolor=\"\\x1B[2J\" (expected a colour #RRGGBB or #AARRGGBB)"));
  EXPECT_EQ(err.find('\x1b'), std::string::npos) << "no control character reaches the terminal";
  EXPECT_THAT(err, HasSubstr("noisy.xml: 11 more warnings not shown"));
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 51);
}

}  // namespace
}  // namespace uitest
