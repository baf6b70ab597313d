// The editing core on its own: input cleaning, the selection, movement, the maximum length and undo.
#include "ui/edit_buffer.h"

#include <gtest/gtest.h>

namespace {

using namespace DuiLib;

void Type(EditBuffer& buffer, std::wstring_view text) {
  for (wchar_t c : text) buffer.Insert(std::wstring(1, c), EditKind::Typing);
}

TEST(EditBuffer, InputKeepsLineBreaksOnlyWhereLinesExist) {
  std::wstring const pasted = L"a\r\nb\rc\td\x01\x7F" L"e\u2029f";
  EXPECT_EQ(SanitizeInput(pasted, LineMode::Multi), L"a\nb\nc\tde\nf");
  EXPECT_EQ(SanitizeInput(pasted, LineMode::Single), L"a b c de f");
}

TEST(EditBuffer, InsertReplacesTheSelectionAndStopsAtTheMaximumLength) {
  EditBuffer buffer;
  buffer.SetText(L"hello world");
  buffer.Select(0, 5);
  EXPECT_TRUE(buffer.Insert(L"hi", EditKind::Paste));
  EXPECT_EQ(buffer.Text(), L"hi world");
  EXPECT_EQ(buffer.Caret(), 2u);
  EXPECT_FALSE(buffer.HasSelection());

  buffer.SetMaxLength(10);
  EXPECT_TRUE(buffer.Insert(L"abcdef", EditKind::Paste));
  EXPECT_EQ(buffer.Text(), L"hiab world") << "only what fits";
  buffer.Select(0, 2);
  EXPECT_FALSE(buffer.Insert(L"", EditKind::Paste));
  EXPECT_EQ(buffer.SelectedText(), L"hi") << "nothing to insert keeps the selection";

  // A character outside the basic plane is two units on Windows: half of one never goes in.
  std::wstring const emoji = L"\U0001F600";
  buffer.MoveTo(10, Selecting::Move);
  buffer.SetMaxLength(11);
  EXPECT_EQ(buffer.Insert(emoji, EditKind::Typing), emoji.size() == 1);
  EXPECT_EQ(buffer.Text().size(), emoji.size() == 1 ? 11u : 10u);
}

TEST(EditBuffer, MovementStopsAtWordsPhrasesAndLineBreaks) {
  EditBuffer buffer(LineMode::Multi);
  buffer.SetText(L"hello, 世界和平。 ok\nnext");
  EXPECT_EQ(buffer.NextWord(0), 5u);
  EXPECT_EQ(buffer.NextWord(5), 7u) << "the comma, then the space";
  EXPECT_EQ(buffer.NextWord(7), 11u) << "a run of Chinese characters is one word";
  EXPECT_EQ(buffer.NextWord(13), 15u);
  EXPECT_EQ(buffer.NextWord(15), 16u) << "a line break is a stop of its own";
  EXPECT_EQ(buffer.PreviousWord(16), 15u);
  EXPECT_EQ(buffer.PreviousWord(13), 11u);
  EXPECT_EQ(buffer.PreviousWord(11), 7u);
  EXPECT_EQ(buffer.WordAt(8), std::make_pair(std::size_t{7}, std::size_t{11}));
  EXPECT_EQ(buffer.WordAt(15), std::make_pair(std::size_t{13}, std::size_t{15})) << "at a line's end: the word before";
  EXPECT_EQ(buffer.LineStart(19), 16u);
  EXPECT_EQ(buffer.LineEnd(3), 15u);

  buffer.MoveTo(2, Selecting::Move);
  buffer.MoveTo(9, Selecting::Extend);
  EXPECT_EQ(buffer.SelectedText(), L"llo, 世界");
  buffer.MoveTo(4, Selecting::Extend);
  EXPECT_EQ(buffer.SelectionStart(), 2u) << "the anchor stays";
  EXPECT_EQ(buffer.Caret(), 4u);
}

TEST(EditBuffer, TypingUndoesWordByWordAndRedoes) {
  EditBuffer buffer;
  Type(buffer, L"hello world");
  ASSERT_TRUE(buffer.Undo());
  EXPECT_EQ(buffer.Text(), L"hello ");
  ASSERT_TRUE(buffer.Undo());
  EXPECT_EQ(buffer.Text(), L"");
  EXPECT_FALSE(buffer.CanUndo());
  ASSERT_TRUE(buffer.Redo());
  ASSERT_TRUE(buffer.Redo());
  EXPECT_EQ(buffer.Text(), L"hello world");
  EXPECT_EQ(buffer.Caret(), 11u);

  // Moving the caret ends a step; typing after an undo starts one.
  buffer.MoveTo(0, Selecting::Move);
  Type(buffer, L">");
  buffer.MoveTo(12, Selecting::Move);
  Type(buffer, L"!");
  buffer.Undo();
  EXPECT_EQ(buffer.Text(), L">hello world");
  Type(buffer, L"?");
  EXPECT_FALSE(buffer.CanRedo()) << "a new edit drops what could be redone";
  buffer.Undo();
  EXPECT_EQ(buffer.Text(), L">hello world");
}

TEST(EditBuffer, DeletionRunsAreOneStepEach) {
  EditBuffer buffer;
  buffer.SetText(L"abc def ghi");
  buffer.MoveTo(11, Selecting::Move);
  buffer.DeleteBackward(TextUnit::Character);
  buffer.DeleteBackward(TextUnit::Character);
  buffer.DeleteBackward(TextUnit::Word);
  EXPECT_EQ(buffer.Text(), L"abc def ");
  buffer.MoveTo(0, Selecting::Move);
  buffer.DeleteForward(TextUnit::Word);
  buffer.DeleteForward(TextUnit::Character);
  EXPECT_EQ(buffer.Text(), L"ef ");
  buffer.Undo();
  EXPECT_EQ(buffer.Text(), L"abc def ");
  EXPECT_EQ(buffer.Caret(), 0u);
  buffer.Undo();
  EXPECT_EQ(buffer.Text(), L"abc def ghi");
  EXPECT_EQ(buffer.Caret(), 11u);
}

TEST(EditBuffer, ACommitAndTheSelectionItReplacedUndoTogether) {
  EditBuffer buffer;
  buffer.SetText(L"写 hello");
  buffer.Select(2, 7);
  buffer.DeleteSelection(EditKind::Composition);  // as the composition starts
  buffer.Insert(L"你好", EditKind::Composition);
  EXPECT_EQ(buffer.Text(), L"写 你好");
  buffer.Insert(L"吗", EditKind::Composition);
  buffer.Undo();
  EXPECT_EQ(buffer.Text(), L"写 你好") << "each commit is a step";
  buffer.Undo();
  EXPECT_EQ(buffer.Text(), L"写 hello");
  EXPECT_EQ(buffer.SelectedText(), L"hello") << "the selection comes back with it";
}

TEST(EditBuffer, TheHistoryIsBounded) {
  EditBuffer buffer;
  for (std::size_t i = 0; i < EditBuffer::kMaxUndoSteps + 3; ++i) buffer.Insert(L"x", EditKind::Paste);
  while (buffer.Undo()) {
  }
  EXPECT_EQ(buffer.Text(), L"xxx") << "the oldest steps were let go";
}

}  // namespace
