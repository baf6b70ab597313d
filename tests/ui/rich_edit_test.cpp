// The text fields on the headless host: keys, mouse, clipboard, undo, the input method, wrapping, the caret.
#include "ui_test_support.h"

namespace uitest {
namespace {

class EditTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    window = std::make_unique<TestWindow>(L"edit.xml");
    hwnd = window->Open();
    ASSERT_NE(hwnd, nullptr);
    host.RunUntilIdle();
    note = window->FindAs<CRichEditUI>(L"note");
    line = window->FindAs<CEditUI>(L"line");
    ASSERT_NE(note, nullptr);
    ASSERT_NE(line, nullptr);
  }
  void Focus(CControlUI* control) {
    ClickOn(hwnd, control);
    window->notifications.clear();
  }
  void Ctrl(UINT key, UINT more = 0) { host.Key(hwnd, key, MK_CONTROL | more); }
  POINT Middle(const RECT& rc) { return POINT{rc.left, (rc.top + rc.bottom) / 2}; }
  long SelStart(CEditUI* edit) {
    long start = 0;
    long end = 0;
    edit->GetSel(start, end);
    return start;
  }

  std::unique_ptr<TestWindow> window;
  HWND hwnd = nullptr;
  CRichEditUI* note = nullptr;
  CEditUI* line = nullptr;
};

TEST_F(EditTest, TypingEditsAtTheCaretAndEachChangeIsReported) {
  Focus(note);
  host.TypeText(hwnd, U"ab");
  host.Key(hwnd, VK_LEFT);
  host.TypeChar(hwnd, U'字');
  host.Key(hwnd, VK_END);
  host.Key(hwnd, VK_RETURN);
  host.Key(hwnd, VK_TAB);
  host.TypeChar(hwnd, U'c');
  host.Key(hwnd, VK_BACK);
  host.Key(hwnd, VK_HOME);
  host.Key(hwnd, VK_DELETE);
  EXPECT_EQ(note->GetText(), L"a字b\n");
  EXPECT_EQ(window->Count(L"textchanged:note"), 8);
  note->SetText(L"set in code");
  EXPECT_EQ(window->Count(L"textchanged:note"), 8) << "only the user's changes are reported";

  Focus(line);
  host.TypeText(hwnd, U"x");
  host.Key(hwnd, VK_RETURN);
  host.Key(hwnd, VK_TAB);
  EXPECT_EQ(line->GetText(), L"x") << "a single line takes no line break and no tab";
  EXPECT_EQ(window->Count(L"return:line"), 1);
}

TEST_F(EditTest, SelectionFollowsTheMouseAndShiftKeys) {
  note->SetText(L"hello world");
  RECT const rc = note->GetPos();
  int const y = rc.top + 12;
  host.Drag(hwnd, rc.left + 5, y, rc.right - 5, y);
  EXPECT_EQ(note->GetSelText(), L"hello world");
  host.Key(hwnd, VK_LEFT, MK_SHIFT);
  EXPECT_EQ(note->GetSelText(), L"hello worl");
  host.Key(hwnd, VK_LEFT, MK_SHIFT | MK_CONTROL);
  EXPECT_EQ(note->GetSelText(), L"hello ");
  host.Key(hwnd, VK_HOME);
  EXPECT_EQ(note->GetSelText(), L"");
  host.Key(hwnd, VK_END, MK_SHIFT);
  EXPECT_EQ(note->GetSelText(), L"hello world");

  note->SetSel(8, 8);
  POINT const inWorld = Middle(host.TextInputRect(hwnd));
  host.DoubleClick(hwnd, inWorld.x, inWorld.y);
  EXPECT_EQ(note->GetSelText(), L"world");
  host.Key(hwnd, VK_HOME);
  host.HoldModifiers(MK_SHIFT);
  host.Click(hwnd, inWorld.x, inWorld.y);
  host.HoldModifiers(0);
  EXPECT_EQ(note->GetSelText(), L"hello wo") << "Shift+click extends from the caret";
}

TEST_F(EditTest, CutCopyAndPasteGoThroughTheClipboard) {
  Focus(note);
  note->SetText(L"one two");
  Ctrl('A');
  Ctrl('C');
  EXPECT_EQ(host.GetClipboardText(), L"one two");
  Ctrl(VK_END);
  Ctrl('V');
  EXPECT_EQ(note->GetText(), L"one twoone two");
  note->SetSel(0, 3);
  Ctrl('X');
  EXPECT_EQ(note->GetText(), L" twoone two");
  EXPECT_EQ(host.GetClipboardText(), L"one");
  host.SetClipboardText(L"a\r\nb");
  Ctrl('V');
  EXPECT_EQ(note->GetText(), L"a\nb twoone two") << "another program's line ends";
  EXPECT_EQ(window->Count(L"textchanged:note"), 3);

  note->SetReadOnly(true);
  note->SetSel(0, 1);
  Ctrl('X');
  Ctrl('V');
  EXPECT_EQ(note->GetText(), L"a\nb twoone two") << "read-only";
  Ctrl('C');
  EXPECT_EQ(host.GetClipboardText(), L"a") << "but copies";

  Focus(line);
  host.SetClipboardText(L"x\r\ny\tz");
  Ctrl('V');
  EXPECT_EQ(line->GetText(), L"x y z");
}

TEST_F(EditTest, UndoAndRedoKeys) {
  Focus(note);
  host.TypeText(hwnd, U"abc def");
  Ctrl('Z');
  EXPECT_EQ(note->GetText(), L"abc ");
  Ctrl('Z');
  EXPECT_EQ(note->GetText(), L"");
  Ctrl('Y');
  EXPECT_EQ(note->GetText(), L"abc ");
  Ctrl('Z', MK_SHIFT);
  EXPECT_EQ(note->GetText(), L"abc def");
  EXPECT_EQ(window->Count(L"textchanged:note"), 7 + 4);
}

TEST_F(EditTest, ACompositionShowsAtTheCaretAndBecomesTextWhenCommitted) {
  Focus(note);
  ASSERT_TRUE(host.IsTextInputOn(hwnd));
  RECT const before = host.TextInputRect(hwnd);
  EXPECT_FALSE(IntersectRects(before, note->GetPos()).IsEmpty()) << "the candidate list goes to the caret";
  host.StartComposition(hwnd);
  host.UpdateComposition(hwnd, L"ni hao", 6);
  EXPECT_EQ(note->GetText(), L"");
  EXPECT_EQ(note->GetCompositionText(), L"ni hao");
  RECT const after = host.TextInputRect(hwnd);
  EXPECT_GT(after.left, before.left + 20) << "the caret stands after the composition";
  EXPECT_EQ(host.Pixel(hwnd, (before.left + after.left) / 2, after.bottom - 2), 0xFF000000u) << "underlined";
  host.CommitComposition(hwnd, L"你好");
  EXPECT_EQ(note->GetText(), L"你好");
  EXPECT_EQ(note->GetCompositionText(), L"");
  EXPECT_EQ(window->Count(L"textchanged:note"), 1);

  host.StartComposition(hwnd);
  host.UpdateComposition(hwnd, L"ma", 2);
  host.CancelComposition(hwnd);
  EXPECT_EQ(note->GetText(), L"你好");
  EXPECT_EQ(window->Count(L"textchanged:note"), 1);

  note->SetSel(0, 1);
  host.StartComposition(hwnd);
  host.UpdateComposition(hwnd, L"nin", 3);
  host.CommitComposition(hwnd, L"您");
  EXPECT_EQ(note->GetText(), L"您好") << "a composition replaces the selection";
  Ctrl('Z');
  EXPECT_EQ(note->GetText(), L"你好") << "in one step";

  Focus(line);
  host.StartComposition(hwnd);
  host.UpdateComposition(hwnd, L"sou", 3);
  host.CommitComposition(hwnd, L"搜");
  EXPECT_EQ(line->GetText(), L"搜") << "the single line takes Chinese too";

  line->SetReadOnly(true);
  EXPECT_FALSE(host.IsTextInputOn(hwnd)) << "no input method for a read-only field";
}

TEST_F(EditTest, ALongChineseLineWrapsAndTheViewFollowsTheCaret) {
  std::wstring const text(60, L'字');
  note->SetText(text);
  note->SetFocus();
  host.RunUntilIdle();
  RECT const rc = note->GetPos();
  RECT const first = host.TextInputRect(hwnd);
  host.Key(hwnd, VK_DOWN);
  long const secondLine = SelStart(note);
  EXPECT_GT(secondLine, 5) << "a line on screen holds several characters";
  EXPECT_LT(secondLine, 20) << "and is not the whole text";
  EXPECT_EQ(host.TextInputRect(hwnd).left, first.left);
  EXPECT_GT(host.TextInputRect(hwnd).top, first.top);

  Ctrl(VK_END);
  RECT const end = host.TextInputRect(hwnd);
  EXPECT_GE(end.top, rc.top);
  EXPECT_LE(end.bottom, rc.bottom) << "scrolled to the caret";
  host.Wheel(hwnd, rc.left + 20, rc.top + 20, 5);
  EXPECT_GE(host.TextInputRect(hwnd).top, rc.bottom) << "the wheel scrolls the view, not the caret";
  EXPECT_EQ(note->GetText(), text) << "wrapping changes no text";
}

TEST_F(EditTest, TheCaretBlinksWhileTheFieldHasTheFocus) {
  note->SetFocus();
  host.RunUntilIdle();
  POINT const caret = Middle(host.TextInputRect(hwnd));
  EXPECT_EQ(host.Pixel(hwnd, caret.x, caret.y), 0xFF000000u);
  host.AdvanceTime(CEditUI::kCaretBlinkMs);
  EXPECT_EQ(host.Pixel(hwnd, caret.x, caret.y), 0xFFFFFFFFu);
  host.AdvanceTime(CEditUI::kCaretBlinkMs);
  EXPECT_EQ(host.Pixel(hwnd, caret.x, caret.y), 0xFF000000u);

  ClickOn(hwnd, window->Find(L"away"));
  EXPECT_EQ(host.Pixel(hwnd, caret.x, caret.y), 0xFFFFFFFFu);
  EXPECT_FALSE(host.IsTextInputOn(hwnd));
  int const paints = host.PaintCount(hwnd);
  host.AdvanceTime(5 * CEditUI::kCaretBlinkMs);
  EXPECT_EQ(host.PaintCount(hwnd), paints) << "no blinking without the focus";
}

TEST_F(EditTest, ASingleLineScrollsToItsCaretAndStopsAtItsMaximum) {
  Focus(line);
  host.TypeText(hwnd, U"0123456789abcdef0123456789abcdef0123456789abcdef");
  EXPECT_EQ(line->GetText().size(), 40u);
  RECT const rc = line->GetPos();
  RECT caret = host.TextInputRect(hwnd);
  EXPECT_GT(caret.left, rc.left + 100);
  EXPECT_LT(caret.right, rc.right);
  host.Key(hwnd, VK_HOME);
  caret = host.TextInputRect(hwnd);
  EXPECT_EQ(caret.left, rc.left + line->GetTextPadding().left);
}

// At a display scale the input method's caret and the points of clicks are frame pixels, and the text is
// measured as it is drawn: a double click where the caret shows lands on the same word.
TEST(EditAtScale, TheCaretGoesToTheHostScaledAndClicksFindTheirCharacter) {
  HeadlessHost host(2.0);
  InstallHost(&host);
  CPaintManagerUI::SetInstancePath(WANNIANLI_TEST_DATA_DIR);
  TestWindow window(L"edit.xml");
  HWND const hwnd = window.Open();
  ASSERT_NE(hwnd, nullptr);
  auto* note = window.FindAs<CRichEditUI>(L"note");
  note->SetText(L"hello world");
  note->SetFocus();
  host.RunUntilIdle();
  RECT const start = host.TextInputRect(hwnd);
  EXPECT_EQ(start.left, 2 * (note->GetPos().left + note->GetTextPadding().left));
  EXPECT_EQ(start.Height() % 2, 0) << "a whole logical line, doubled";
  note->SetSel(8, 8);
  host.RunUntilIdle();
  RECT const inWorld = host.TextInputRect(hwnd);
  host.DoubleClick(hwnd, inWorld.left, (inWorld.top + inWorld.bottom) / 2);
  EXPECT_EQ(note->GetSelText(), L"world");
  CPaintManagerUI::SetInstancePath("");
}

}  // namespace
}  // namespace uitest
