// Clicks, notification order, option groups and the combo on the headless host.
#include "ui_test_support.h"

#include "ui/combo_drop_ui.h"

namespace uitest {
namespace {

class NotifyTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    window = std::make_unique<TestWindow>(L"basic.xml");
    hwnd = window->Open();
    ASSERT_NE(hwnd, nullptr);
    host.RunUntilIdle();
    window->notifications.clear();
  }
  std::unique_ptr<TestWindow> window;
  HWND hwnd = nullptr;
};

TEST_F(NotifyTest, WindowInitIsRaisedOnceAfterTheSkinIsBuilt) {
  TestWindow fresh(L"basic.xml");
  bool controlsExisted = false;
  fresh.onNotify = [&](TNotifyUI& msg) {
    if (msg.sType == L"windowinit") controlsExisted = fresh.Find(L"com") != nullptr;
  };
  ASSERT_NE(fresh.Open(), nullptr);
  host.RunUntilIdle();
  EXPECT_EQ(fresh.Count(L"windowinit:root"), 1);
  EXPECT_TRUE(controlsExisted);
}

TEST_F(NotifyTest, ClickNeedsPressAndReleaseOnTheSameEnabledControl) {
  CControlUI* a = window->Find(L"btn_a");
  CControlUI* b = window->Find(L"btn_b");
  ClickOn(hwnd, a);
  EXPECT_EQ(window->notifications, std::vector<std::wstring>{L"click:btn_a"});

  window->notifications.clear();
  POINT pa = Centre(a);
  POINT pb = Centre(b);
  host.Press(hwnd, pa.x, pa.y);
  host.MoveMouse(hwnd, pb.x, pb.y);
  host.Release(hwnd, pb.x, pb.y);
  EXPECT_TRUE(window->notifications.empty()) << "press on one button, release on another";
  EXPECT_FALSE(static_cast<CButtonUI*>(a)->IsPushed());

  host.Press(hwnd, pa.x, pa.y);
  host.MoveMouse(hwnd, pb.x, pb.y);
  host.MoveMouse(hwnd, pa.x, pa.y);
  host.Release(hwnd, pa.x, pa.y);
  EXPECT_EQ(window->notifications, std::vector<std::wstring>{L"click:btn_a"}) << "left and came back";

  window->notifications.clear();
  ClickOn(hwnd, window->Find(L"btn_off"));
  EXPECT_TRUE(window->notifications.empty()) << "disabled";
  window->Find(L"btn_a")->SetVisible(false);
  host.Click(hwnd, pa.x, pa.y);
  EXPECT_TRUE(window->notifications.empty()) << "hidden";
}

TEST_F(NotifyTest, HotAndPushedFollowThePointer) {
  auto* a = window->FindAs<CButtonUI>(L"btn_a");
  POINT pa = Centre(a);
  host.MoveMouse(hwnd, pa.x, pa.y);
  EXPECT_TRUE(a->IsHot());
  host.Press(hwnd, pa.x, pa.y);
  EXPECT_TRUE(a->IsPushed());
  host.Release(hwnd, pa.x, pa.y);
  EXPECT_FALSE(a->IsPushed());
  host.MoveMouse(hwnd, 5, 150);
  EXPECT_FALSE(a->IsHot());
}

TEST_F(NotifyTest, OptionClickRaisesClickThenTheSelectionChanges) {
  auto* opt1 = window->FindAs<COptionUI>(L"opt_1");
  auto* opt2 = window->FindAs<COptionUI>(L"opt_2");
  auto* opt3 = window->FindAs<COptionUI>(L"opt_3");
  ASSERT_TRUE(opt1->IsSelected());
  ClickOn(hwnd, opt2);
  EXPECT_EQ(window->notifications,
            (std::vector<std::wstring>{L"click:opt_2", L"selectchanged:opt_1", L"selectchanged:opt_2"}));
  EXPECT_FALSE(opt1->IsSelected());
  EXPECT_TRUE(opt2->IsSelected());
  ClickOn(hwnd, opt2);
  EXPECT_TRUE(opt2->IsSelected()) << "a grouped option stays selected on a second click";
  ClickOn(hwnd, opt3);
  EXPECT_TRUE(opt3->IsSelected());
  EXPECT_TRUE(opt2->IsSelected()) << "other groups are untouched";
  opt3->SetGroup(L"");
  ClickOn(hwnd, opt3);
  EXPECT_FALSE(opt3->IsSelected()) << "an option without a group toggles";
}

TEST_F(NotifyTest, OptionsAddedInCodeJoinTheirGroup) {
  auto* body = window->FindAs<CContainerUI>(L"body");
  auto* cell = new COptionUI;
  cell->SetGroup(L"g");
  ASSERT_TRUE(body->Add(cell));
  EXPECT_FALSE(body->Add(cell)) << "a control has one parent";
  EXPECT_FALSE(body->Add(nullptr));
  cell->SetAttribute(L"pos", L"0,100,20,120");
  cell->SetAttribute(L"float", L"true");
  cell->SetAttribute(L"name", L"cal_cell_1");
  EXPECT_EQ(window->Find(L"cal_cell_1"), cell);
  cell->Selected(true);
  EXPECT_FALSE(window->FindAs<COptionUI>(L"opt_1")->IsSelected());
  window->FindAs<COptionUI>(L"opt_2")->Selected(true);
  EXPECT_FALSE(cell->IsSelected());
  EXPECT_TRUE(body->Remove(cell));
  EXPECT_EQ(window->Find(L"cal_cell_1"), nullptr);
  EXPECT_EQ(window->GetPaintManager().GetOptionGroup(L"g")->size(), 2u);
}

TEST_F(NotifyTest, RemovingTheSenderInsideItsClickHandlerIsSafe) {
  auto* body = window->FindAs<CContainerUI>(L"body");
  window->onNotify = [&](TNotifyUI& msg) {
    if (msg.sType == L"click") body->Remove(msg.pSender);
  };
  ClickOn(hwnd, window->Find(L"opt_2"));
  EXPECT_EQ(window->Find(L"opt_2"), nullptr);
  EXPECT_EQ(window->Count(L"click:opt_2"), 1);
}

TEST_F(NotifyTest, FindControlByPointGivesTheTopmostVisibleControl) {
  CPaintManagerUI& pm = window->GetPaintManager();
  EXPECT_EQ(pm.FindControl(POINT{20, 50}), window->Find(L"btn_a"));
  EXPECT_EQ(pm.FindControl(POINT{95, 50}), window->Find(L"body")) << "between floating children";
  EXPECT_EQ(pm.FindControl(POINT{5, 5}), window->Find(L"caption_bar"));
  EXPECT_EQ(pm.FindControl(POINT{500, 5}), nullptr);
  window->Find(L"btn_a")->SetVisible(false);
  host.RunUntilIdle();
  EXPECT_EQ(pm.FindControl(POINT{20, 50}), window->Find(L"body"));
}

class ComboTest : public NotifyTest {
 protected:
  CComboUI* Combo() { return window->FindAs<CComboUI>(L"com"); }
  CComboDropUI* Drop() { return dynamic_cast<CComboDropUI*>(window->GetPaintManager().GetPopup()); }
  // Client point of an offered row of the open list.
  POINT Row(int row) {
    const RECT& rc = Drop()->GetPos();
    return POINT{rc.left + 10, rc.top + 1 + row * Combo()->GetItemHeight() + 10 - Drop()->GetScrollOffset()};
  }
};

TEST_F(ComboTest, AUserChoiceSelectsAndRaisesItemSelect) {
  ASSERT_EQ(Combo()->GetCount(), 6);
  ClickOn(hwnd, Combo());
  ASSERT_TRUE(Combo()->IsDropped());
  EXPECT_EQ(Drop()->OfferedItems(), (std::vector<int>{1, 2, 3, 4, 5})) << "the hidden item 0 is never offered";
  POINT p = Row(1);
  host.Click(hwnd, p.x, p.y);
  EXPECT_FALSE(Combo()->IsDropped());
  EXPECT_EQ(Combo()->GetCurSel(), 2);
  EXPECT_EQ(Combo()->GetText(), L"二月");
  EXPECT_EQ(window->notifications, std::vector<std::wstring>{L"itemselect:com"});
}

TEST_F(ComboTest, SelectingFromCodeRaisesNothing) {
  EXPECT_TRUE(Combo()->SelectItem(3));
  EXPECT_EQ(Combo()->GetCurSel(), 3);
  EXPECT_TRUE(Combo()->SelectItem(0)) << "code may select the hidden item";
  EXPECT_FALSE(Combo()->SelectItem(6));
  EXPECT_EQ(Combo()->GetCurSel(), 0);
  host.RunUntilIdle();
  EXPECT_TRUE(window->notifications.empty());
}

TEST_F(ComboTest, ItemSelectCarriesTheNewAndPreviousIndex) {
  Combo()->SelectItem(2);
  int newIndex = -1;
  int oldIndex = -1;
  window->onNotify = [&](TNotifyUI& msg) {
    if (msg.sType != L"itemselect") return;
    newIndex = static_cast<int>(msg.wParam);
    oldIndex = static_cast<int>(msg.lParam);
    EXPECT_EQ(Combo()->GetCurSel(), newIndex) << "the handler reads the new index back";
  };
  ClickOn(hwnd, Combo());
  POINT p = Row(0);
  host.Click(hwnd, p.x, p.y);
  EXPECT_EQ(newIndex, 1);
  EXPECT_EQ(oldIndex, 2);
}

TEST_F(ComboTest, ChoosingTheCurrentItemRaisesNothing) {
  Combo()->SelectItem(1);
  ClickOn(hwnd, Combo());
  POINT p = Row(0);
  host.Click(hwnd, p.x, p.y);
  EXPECT_FALSE(Combo()->IsDropped());
  EXPECT_TRUE(window->notifications.empty());
}

TEST_F(ComboTest, TheListClosesOnAnOutsideClickOrEscapeWithoutChoosing) {
  ClickOn(hwnd, Combo());
  ClickOn(hwnd, window->Find(L"btn_b"));
  EXPECT_FALSE(Combo()->IsDropped());
  EXPECT_TRUE(window->notifications.empty()) << "the press that closes the list clicks nothing";
  ClickOn(hwnd, Combo());
  host.Key(hwnd, VK_ESCAPE);
  EXPECT_FALSE(Combo()->IsDropped());
  EXPECT_EQ(Combo()->GetCurSel(), -1);
}

TEST_F(ComboTest, KeysMoveTheHighlightAndEnterChooses) {
  Combo()->SelectItem(1);
  ClickOn(hwnd, Combo());
  host.Key(hwnd, VK_DOWN);
  host.Key(hwnd, VK_DOWN);
  host.Key(hwnd, VK_RETURN);
  EXPECT_EQ(Combo()->GetCurSel(), 3);
  EXPECT_EQ(window->Count(L"itemselect:com"), 1);
  ClickOn(hwnd, Combo());
  for (int i = 0; i < 10; ++i) host.Key(hwnd, VK_UP);
  EXPECT_EQ(Drop()->GetHotItem(), 1) << "the hidden item is skipped";
}

TEST_F(ComboTest, TheListScrollsWithTheWheelAndByDragging) {
  ClickOn(hwnd, Combo());
  ASSERT_EQ(Drop()->GetScrollOffset(), 0);
  POINT p = Row(1);
  host.Wheel(hwnd, p.x, p.y, -1);
  EXPECT_EQ(Drop()->GetScrollOffset(), 2 * Combo()->GetItemHeight()) << "five rows, three shown";
  host.Wheel(hwnd, p.x, p.y, 1);
  EXPECT_EQ(Drop()->GetScrollOffset(), 0);

  POINT from = Row(2);
  host.Drag(hwnd, from.x, from.y, from.x, from.y - 25);
  EXPECT_TRUE(Combo()->IsDropped()) << "a drag chooses nothing";
  EXPECT_EQ(Drop()->GetScrollOffset(), 25);
  EXPECT_TRUE(window->notifications.empty());
  POINT fourthRow = Row(3);
  host.Click(hwnd, fourthRow.x, fourthRow.y);
  EXPECT_EQ(Combo()->GetCurSel(), 4);
}

TEST_F(NotifyTest, EditTakesTypedTextAndReportsEnter) {
  CControlUI* edit = window->Find(L"edit");
  ClickOn(hwnd, edit);
  EXPECT_TRUE(edit->IsFocused());
  host.TypeChar(hwnd, U'a');
  host.TypeChar(hwnd, U'字');
  host.Key(hwnd, VK_BACK);
  host.TypeChar(hwnd, U'b');
  host.Key(hwnd, VK_RETURN);
  EXPECT_EQ(edit->GetText(), L"ab");
  EXPECT_EQ(window->Count(L"textchanged:edit"), 4);
  EXPECT_EQ(window->Count(L"return:edit"), 1);
}

}  // namespace
}  // namespace uitest
