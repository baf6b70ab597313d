// Hostile image names and files: a name from a skin or from data stays inside the skin folder, and only a
// regular PNG file of sane size is decoded; anything else is reported once and drawn as nothing.
#include "ui_test_support.h"

#include <gmock/gmock.h>

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

#include "platform/code_page.h"
#include "ui/render/render_frame.h"
#include "ui/resource_path.h"

namespace uitest {
namespace {

using testing::HasSubstr;

constexpr DWORD kWhite = 0xFFFFFFFF;
constexpr DWORD kGreen = 0xFF00FF00;

TEST(ImageNames, OnlyRelativeNamesWithoutParentStepsStayInsideTheFolder) {
  std::string const folder = NormaliseSeparators("/skin/");
  EXPECT_EQ(PathInsideFolder(folder, "fest_chunjie.png"), folder + "fest_chunjie.png");
  EXPECT_EQ(PathInsideFolder(folder, "sub\\a..b.png"), folder + NormaliseSeparators("sub/a..b.png"));
  for (const char* bad : {"../../../../etc/passwd", "a/../../b.png", "..\\x.png", "/etc/passwd", "\\\\server\\x.png",
                          "C:x.png", "a/.../b.png", "a/.. /b.png", "", "a.png:stream"}) {
    EXPECT_EQ(PathInsideFolder(folder, bad), std::nullopt) << bad;
  }
}

TEST_F(UiTest, AnImageNameLeavingTheSkinFolderIsReportedOnceAndDrawsNothing) {
  TestWindow window(L"render.xml");
  HWND hwnd = window.Open();
  ASSERT_EQ(host.Pixel(hwnd, 100, 15), kGreen);
  std::string const absolute = NormaliseSeparators(WANNIANLI_TEST_DATA_DIR "/skin/green.png");
  testing::internal::CaptureStderr();
  // Each names the very green.png the window draws, from outside the folder's own names.
  for (const std::string& name : {std::string("../skin/green.png"), std::string("..\\skin\\green.png"), absolute}) {
    window.Find(L"image")->SetBkImage(platform::Utf8ToWide(name));
    host.RunUntilIdle();
    EXPECT_EQ(host.Pixel(hwnd, 100, 15), kWhite) << name;
    window.Find(L"red")->SetBkColor(0xFF0000FE);  // paints again
    host.RunUntilIdle();
  }
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_THAT(err, HasSubstr("the file name \"../skin/green.png\" leaves the skin folder"));
  EXPECT_EQ(err.find("../skin/green.png", err.find("../skin/green.png") + 1), std::string::npos) << err;
}

// The canvases' shared rule, at the canvas: each bad file draws nothing, with a message saying what it is.
TEST(ImageFiles, OnlyRegularPngFilesOfSaneSizeAreDecoded) {
  ScratchFolder scratch;
  std::string const header("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16);
  std::vector<std::pair<std::string, std::string>> cases = {
      {scratch.Write("text.png", "just some text, not a PNG"), "(not a PNG file)"},
      {scratch.Write("huge.png", header + std::string("\0\0\x13\x88\0\0\x13\x88", 8)), "(5000 x 5000 pixels, more than"},
      {scratch.Write("broken.png", header + std::string("\0\0\0\x08\0\0\0\x08", 8) + "garbage"),
       "(the PNG data cannot be decoded)"},
      {scratch.Write("big.png", header + std::string((16 << 20) + 1, '\0')), "(larger than 16 MiB)"},
  };
#if !defined(_WIN32)
  std::string const fifo = (scratch.path / "fifo.png").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  cases.emplace_back(fifo, "(not a regular file)");  // refused at once, not waited on
#endif
  RenderFrame frame(8, 8);
  frame.Canvas().FillRect(RECT{0, 0, 8, 8}, kWhite);
  for (const auto& [file, problem] : cases) {
    testing::internal::CaptureStderr();
    EXPECT_FALSE(frame.Canvas().DrawImage(RECT{0, 0, 8, 8}, file));
    EXPECT_FALSE(frame.Canvas().DrawImage(RECT{0, 0, 8, 8}, file));
    EXPECT_EQ(frame.Canvas().ImageSize(file), (SIZE{0, 0}));
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_THAT(err, HasSubstr(problem)) << file;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << "reported once: " << err;
  }
  EXPECT_EQ(frame.Pixel(4, 4), kWhite);
}

}  // namespace
}  // namespace uitest
