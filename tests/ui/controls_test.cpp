// Controls painted on a recording canvas: colours, fonts, padding, state images, and ownership in
// containers. No host and no cairo: the core alone.
#include <gtest/gtest.h>

#include "recording_canvas.h"
#include "ui/resource_path.h"
#include "ui/ui_framework.h"

namespace uitest {
namespace {

using namespace DuiLib;

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pm.SetInitSize(200, 100);
    pm.SetDefaultFontColor(0xFF111111);
    pm.SetDefaultDisabledColor(0xFF999999);
    pm.SetResourcePath("/skins/test/");
    FontSpec big;
    big.face = L"微软雅黑";
    big.size = 20;
    pm.AddFont(2, big);
    root = new CContainerUI;
    pm.AttachDialog(root);
  }
  template <typename T>
  T* Add(const wchar_t* pos) {
    auto* c = new T;
    root->Add(c);
    c->SetAttribute(L"float", L"true");
    c->SetAttribute(L"pos", pos);
    return c;
  }
  RecordingCanvas Paint() {
    RecordingCanvas canvas;
    pm.Paint(canvas);
    EXPECT_EQ(canvas.depth, 0) << "every clip pushed is popped";
    return canvas;
  }
  CPaintManagerUI pm;
  CContainerUI* root = nullptr;
};

TEST_F(ControlsTest, LabelTextUsesPaddingFontAndTheDefaultColours) {
  auto* label = Add<CLabelUI>(L"10,10,110,40");
  label->SetText(L"宜 祭祀");
  label->SetAttribute(L"textpadding", L"2,3,4,5");
  label->SetAttribute(L"font", L"2");
  label->SetAttribute(L"align", L"center");
  RecordingCanvas canvas = Paint();
  ASSERT_EQ(canvas.texts.size(), 1u);
  const DrawnText& t = canvas.texts[0];
  EXPECT_EQ(t.rect, (RECT{12, 13, 106, 35}));
  EXPECT_EQ(t.text, L"宜 祭祀");
  EXPECT_EQ(t.font.size, 20);
  EXPECT_EQ(t.color, 0xFF111111u) << "no colour of its own: the window's default";
  EXPECT_EQ(t.style, DT_SINGLELINE | DT_VCENTER | DT_CENTER);

  label->SetEnabled(false);
  EXPECT_EQ(Paint().texts[0].color, 0xFF999999u) << "disabled: the default disabled colour";
  label->SetDisabledTextColor(0xFF00AA00);
  EXPECT_EQ(Paint().texts[0].color, 0xFF00AA00u);
  label->SetEnabled(true);
  label->SetTextColor(0x00FF5757);
  EXPECT_EQ(Paint().texts[0].color, 0xFFFF5757u) << "a text colour word without alpha draws opaque";
}

TEST_F(ControlsTest, BackgroundsImagesAndBordersPaintInOrder) {
  auto* c = Add<CControlUI>(L"0,0,50,50");
  c->SetBkColor(0x00FF0000);
  c->SetBkImage(L"sub\\bg.png");
  c->SetAttribute(L"bordercolor", L"#0000FF");
  c->SetAttribute(L"bordersize", L"1");
  RecordingCanvas canvas = Paint();
  for (const auto& f : canvas.fills) EXPECT_NE(f.color, 0x00FF0000u) << "alpha 0 fills nothing";
  ASSERT_EQ(canvas.images.size(), 1u);
  EXPECT_EQ(canvas.images[0].file, NormaliseSeparators("/skins/test/sub/bg.png"))
      << "skin-relative, separators normalised";
  ASSERT_EQ(canvas.frames.size(), 1u);
  EXPECT_EQ(canvas.frames[0].color, 0xFF0000FFu);
  c->SetBkImage(L"");
  EXPECT_TRUE(Paint().images.empty());
}

TEST_F(ControlsTest, ButtonsDrawTheImageOfTheirState) {
  auto* b = Add<CButtonUI>(L"0,0,40,20");
  b->SetAttribute(L"normalimage", L"n.png");
  b->SetAttribute(L"hotimage", L"h.png");
  b->SetAttribute(L"pushedimage", L"p.png");
  b->SetAttribute(L"disabledimage", L"d.png");
  auto image = [&] { return Paint().images.at(0).file; };
  EXPECT_EQ(image(), NormaliseSeparators("/skins/test/n.png"));
  TEventUI e;
  e.Type = UIEVENT_MOUSEENTER;
  b->DoEvent(e);
  EXPECT_EQ(image(), NormaliseSeparators("/skins/test/h.png"));
  e.Type = UIEVENT_BUTTONDOWN;
  b->DoEvent(e);
  EXPECT_EQ(image(), NormaliseSeparators("/skins/test/p.png"));
  e.Type = UIEVENT_BUTTONUP;
  e.ptMouse = POINT{100, 100};  // released elsewhere
  b->DoEvent(e);
  b->SetEnabled(false);
  EXPECT_EQ(image(), NormaliseSeparators("/skins/test/d.png"));
  EXPECT_FALSE(b->IsHot()) << "a disabled button is not hot";
}

TEST_F(ControlsTest, ASelectedOptionDrawsItsSelectedImageAndTextColour) {
  auto* o = Add<COptionUI>(L"0,0,49,50");
  o->SetText(L"01");
  o->SetBkImage(L"jintian3.png");
  o->SetSelectedImage(L"default_select.png");
  o->SetTextColor(0xFF222222);
  EXPECT_EQ(Paint().images.size(), 1u);
  o->Selected(true);
  o->SetSelectedTextColor(0xFFFFFFFF);
  RecordingCanvas canvas = Paint();
  ASSERT_EQ(canvas.images.size(), 2u);
  EXPECT_EQ(canvas.images[0].file, NormaliseSeparators("/skins/test/jintian3.png")) << "the background first";
  EXPECT_EQ(canvas.images[1].file, NormaliseSeparators("/skins/test/default_select.png"))
      << "then the selected image over it";
  EXPECT_EQ(canvas.texts.at(0).color, 0xFFFFFFFFu);
  EXPECT_EQ(o->GetTextColor(), 0xFF222222u) << "the selected colour is used while painting only";
}

TEST_F(ControlsTest, InvisibleControlsAreNeitherPaintedNorHit) {
  auto* a = Add<CLabelUI>(L"0,0,50,50");
  auto* b = Add<CLabelUI>(L"20,20,70,70");
  a->SetText(L"a");
  b->SetText(L"b");
  EXPECT_EQ(pm.FindControl(POINT{30, 30}), b) << "the later sibling lies on top";
  b->SetVisible(false);
  EXPECT_EQ(pm.FindControl(POINT{30, 30}), a);
  RecordingCanvas canvas = Paint();
  ASSERT_EQ(canvas.texts.size(), 1u);
  EXPECT_EQ(canvas.texts[0].text, L"a");
  b->SetVisible(true);
  b->SetMouseEnabled(false);
  EXPECT_EQ(pm.FindControl(POINT{30, 30}), a) << "a control without mouse lets points fall through";
  EXPECT_EQ(pm.FindControl(POINT{60, 60}), root);
  root->SetVisible(false);
  EXPECT_TRUE(Paint().texts.empty());
}

TEST_F(ControlsTest, ACodeMadeControlIsPlacedBeforeTheNextPaint) {
  pm.SetInitSize(336, 494);
  auto* cell = new COptionUI;
  ASSERT_TRUE(root->Add(cell));
  cell->SetAttribute(L"pos", L"282,245,331,295");
  cell->SetAttribute(L"float", L"true");
  cell->SetAttribute(L"name", L"cal_cell_42");
  EXPECT_EQ(pm.FindControl(POINT{300, 260}), cell) << "hit tests see the new position at once";
  EXPECT_EQ(cell->GetPos(), (RECT{282, 245, 331, 295}));
  EXPECT_EQ(pm.FindControl(L"cal_cell_42"), cell);
}

struct Counted : CControlUI {
  explicit Counted(int* deaths) : deaths(deaths) {}
  ~Counted() override { ++*deaths; }
  int* deaths;
};

TEST_F(ControlsTest, AContainerOwnsItsChildren) {
  int deaths = 0;
  auto* box = new CHorizontalLayoutUI;
  root->Add(box);
  auto* first = new Counted(&deaths);
  auto* second = new Counted(&deaths);
  auto* third = new Counted(&deaths);
  EXPECT_TRUE(box->Add(first));
  EXPECT_TRUE(box->Add(third));
  EXPECT_TRUE(box->AddAt(second, 1));
  auto stray = std::make_unique<CControlUI>();
  EXPECT_FALSE(box->AddAt(stray.get(), 9)) << "out of range: refused and not taken";
  EXPECT_EQ(box->GetItemAt(1), second);
  EXPECT_EQ(box->GetItemIndex(third), 2);
  EXPECT_EQ(box->GetItemAt(5), nullptr);
  first->SetName(L"first");
  EXPECT_EQ(pm.FindControl(L"first"), first);
  EXPECT_TRUE(box->Remove(first));
  EXPECT_EQ(deaths, 1);
  EXPECT_EQ(pm.FindControl(L"first"), nullptr);
  EXPECT_FALSE(box->Remove(first));
  EXPECT_TRUE(root->Remove(box));
  EXPECT_EQ(deaths, 3);
}

TEST_F(ControlsTest, TheManagerForgetsAControlThatGoesAway) {
  auto* b = Add<CButtonUI>(L"0,0,10,10");
  b->SetName(L"b");
  b->SetToolTip(L"tip");
  b->SetFocus();
  EXPECT_EQ(pm.GetFocus(), b);
  root->Remove(b);
  EXPECT_EQ(pm.GetFocus(), nullptr);
  EXPECT_EQ(pm.FindControl(L"b"), nullptr);
  EXPECT_EQ(pm.FindControl(POINT{5, 5}), root);
}

TEST_F(ControlsTest, TheComboShowsItsCurrentItemAndKeepsHiddenIndices) {
  auto* combo = Add<CComboUI>(L"0,0,80,20");
  combo->AddItem(L"", false);
  for (int m = 1; m <= 12; ++m) combo->AddItem(std::to_wstring(m) + L"月");
  EXPECT_EQ(combo->GetCount(), 13);
  EXPECT_FALSE(combo->IsItemVisible(0));
  EXPECT_TRUE(combo->SelectItem(12));
  EXPECT_EQ(combo->GetText(), L"12月");
  RecordingCanvas canvas = Paint();
  ASSERT_EQ(canvas.texts.size(), 1u);
  EXPECT_EQ(canvas.texts[0].text, L"12月");
  combo->SetItemVisible(3, false);
  EXPECT_EQ(combo->GetItemText(4), L"4月") << "hiding keeps every index";
  EXPECT_EQ(combo->GetItemText(13), L"");
  combo->RemoveAllItems();
  EXPECT_EQ(combo->GetCurSel(), -1);
}

TEST_F(ControlsTest, ClassNames) {
  const std::pair<std::unique_ptr<CControlUI>, std::wstring_view> all[] = {
      {std::make_unique<CControlUI>(), L"ControlUI"},     {std::make_unique<CLabelUI>(), L"LabelUI"},
      {std::make_unique<CTextUI>(), L"TextUI"},           {std::make_unique<CButtonUI>(), L"ButtonUI"},
      {std::make_unique<COptionUI>(), L"OptionUI"},       {std::make_unique<CComboUI>(), L"ComboUI"},
      {std::make_unique<CEditUI>(), L"EditUI"},           {std::make_unique<CContainerUI>(), L"ContainerUI"},
      {std::make_unique<CVerticalLayoutUI>(), L"VerticalLayoutUI"},
      {std::make_unique<CHorizontalLayoutUI>(), L"HorizontalLayoutUI"},
  };
  for (const auto& [control, name] : all) EXPECT_EQ(control->GetClass(), name);
}

}  // namespace
}  // namespace uitest
