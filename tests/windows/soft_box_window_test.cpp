// The tool box: fold and unfold, the tool buttons, independent boxes, closing and self-deletion.
#include "windows/soft_box_window.h"

#include <fstream>
#include <set>
#include <sstream>

#include "windows_test_support.h"

namespace {

using namespace windowstest;

// A tool box whose skin has no tool row.
class BoxWithoutToolRow : public SoftBoxWindow {
 public:
  std::string GetSkinText() override {
    std::ifstream in(WANNIANLI_OUTPUT_DIR "/skin/soft_box.xml", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string xml = text.str();
    auto const from = xml.find("<Container name=\"hor_tools\"");
    auto const to = xml.find("</Container>", from);
    if (from == std::string::npos || to == std::string::npos) return {};
    xml.erase(from, to + std::string_view("</Container>").size() - from);
    return xml;
  }
};

class SoftBoxTest : public WindowsTest {
 protected:
  void TearDown() override {
    SoftBoxWindow::DestroyOpenBoxes();
    WindowsTest::TearDown();
  }
  static CControlUI* Find(SoftBoxWindow* box, std::wstring_view name) {
    return box->GetPaintManager().FindControl(name);
  }
  void Click(SoftBoxWindow* box, std::wstring_view name) { ClickOn(box->GetHWND(), Find(box, name)); }
};

TEST_F(SoftBoxTest, OpensCentredAt526By526WithTheToolRowUnfolded) {
  auto* box = SoftBoxWindow::Open();
  ASSERT_NE(box, nullptr);
  RECT const rc = box->GetWindowRect();
  EXPECT_EQ(rc.Width(), 526);
  EXPECT_EQ(rc.Height(), 526);
  EXPECT_TRUE(Find(box, L"hor_tools")->IsVisible());
  EXPECT_TRUE(Find(box, L"btn_tools_fold")->IsVisible());
  EXPECT_FALSE(Find(box, L"btn_tools_unfold")->IsVisible());
}

TEST_F(SoftBoxTest, FoldHidesTheRowAndUnfoldBringsItBack) {
  auto* box = SoftBoxWindow::Open();
  Click(box, L"btn_tools_fold");
  EXPECT_FALSE(Find(box, L"hor_tools")->IsVisible());
  EXPECT_FALSE(Find(box, L"btn_tools_fold")->IsVisible());
  EXPECT_TRUE(Find(box, L"btn_tools_unfold")->IsVisible());
  Click(box, L"btn_tools_unfold");
  EXPECT_TRUE(Find(box, L"hor_tools")->IsVisible());
  EXPECT_TRUE(Find(box, L"btn_tools_fold")->IsVisible());
  EXPECT_FALSE(Find(box, L"btn_tools_unfold")->IsVisible());
}

TEST_F(SoftBoxTest, WithoutTheToolRowFoldOnlyShowsTheUnfoldButton) {
  auto* box = new BoxWithoutToolRow;
  ASSERT_NE(box->Create(nullptr, L"应用", UI_WNDSTYLE_FRAME, 0, 0, 0, 526, 526), nullptr) << box->GetSkinError();
  ASSERT_EQ(Find(box, L"hor_tools"), nullptr);
  Click(box, L"btn_tools_fold");
  EXPECT_TRUE(Find(box, L"btn_tools_fold")->IsVisible());
  EXPECT_TRUE(Find(box, L"btn_tools_unfold")->IsVisible());
}

TEST_F(SoftBoxTest, ToolsWithoutAFunctionLookDisabledSaySoAndChangeNothing) {
  auto* box = SoftBoxWindow::Open();
  HWND const handle = box->GetHWND();
  host.RunUntilIdle();
  // 记事本 and 备忘 work (AToolWithAnActionStartsWhatTheOpenerGave).
  for (auto const* name : {L"btn_tools_screenshot", L"btn_tools_notify", L"btn_tools_clock",
                           L"btn_personal_tools_translate", L"btn_personal_tools_package",
                           L"btn_player_tools_majiang", L"btn_player_tools_doudizhu"}) {
    SCOPED_TRACE(std::wstring(name).size());
    EXPECT_FALSE(Find(box, name)->IsEnabled());
    auto const at = Find(box, name)->GetPos();
    host.MoveMouse(handle, at.left + 20, at.top + 20);
    host.AdvanceTime(1000);
    EXPECT_EQ(box->GetPaintManager().GetShownToolTip(), L"尚未提供");
    Click(box, name);
    EXPECT_TRUE(Find(box, L"hor_tools")->IsVisible());
    EXPECT_FALSE(Find(box, L"btn_tools_unfold")->IsVisible());
  }
  EXPECT_EQ(host.Windows(), std::vector<HWND>{handle});
  EXPECT_FALSE(host.QuitPosted());
}

TEST_F(SoftBoxTest, AToolWithAnActionStartsWhatTheOpenerGave) {
  std::vector<std::wstring> started;
  auto* box = SoftBoxWindow::Open({[&] { started.push_back(L"note"); }, [&] { started.push_back(L"memo"); }});
  EXPECT_TRUE(Find(box, L"btn_tools_notepad")->IsEnabled());
  EXPECT_TRUE(Find(box, L"btn_tools_memo")->IsEnabled());
  Click(box, L"btn_tools_memo");
  Click(box, L"btn_tools_notepad");
  EXPECT_EQ(started, (std::vector<std::wstring>{L"memo", L"note"}));
}

TEST_F(SoftBoxTest, EachNewBoxStepsAwaySoThatAllShow) {
  std::set<std::pair<int, int>> places;
  for (int i = 0; i < 4; ++i) {
    RECT const rc = SoftBoxWindow::Open()->GetWindowRect();
    places.insert({rc.left, rc.top});
  }
  EXPECT_EQ(places.size(), 4u);
}

TEST_F(SoftBoxTest, AWindowManagerCloseDeletesTheBox) {
  auto* box = SoftBoxWindow::Open();
  host.Deliver(box->GetHWND(), WM_CLOSE, 0, 0);
  host.RunUntilIdle();
  EXPECT_EQ(SoftBoxWindow::OpenBoxCount(), 0);
  EXPECT_TRUE(host.Windows().empty());
}

TEST_F(SoftBoxTest, DestroyOpenBoxesClosesWhatTheUserLeftOpen) {
  SoftBoxWindow::Open();
  SoftBoxWindow::Open();
  SoftBoxWindow::DestroyOpenBoxes();
  EXPECT_EQ(SoftBoxWindow::OpenBoxCount(), 0);
  EXPECT_TRUE(host.Windows().empty());
}

TEST_F(SoftBoxTest, ABrokenSkinOpensNothingAndLeavesNoObject) {
  CPaintManagerUI::SetInstancePath(WANNIANLI_TEST_DATA_DIR);  // no skin folder there
  testing::internal::CaptureStderr();
  EXPECT_EQ(SoftBoxWindow::Open(), nullptr);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("soft_box.xml"), std::string::npos);
  EXPECT_EQ(SoftBoxWindow::OpenBoxCount(), 0);
}

}  // namespace
