// The settings file: what it reads back, what counts as corrupt, and that a save replaces it whole; and the
// atomic writer it shares with the snapshot when what stands at the name is not a plain file: a link, a
// device, or a link that someone planted under the temporary name.
#include "platform/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/atomic_file.h"

#if !defined(_WIN32)
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class SettingsFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    // One folder per test: ctest runs the tests of this program side by side.
    folder = fs::temp_directory_path() /
             ("wannianli-settings-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder);
  }
  void TearDown() override { fs::remove_all(folder); }
  fs::path folder;
};

TEST(SettingsText, ReadsSectionsCommentsAndSpacesAndFormatsBackTheSame) {
  std::string problem;
  auto const settings = platform::ParseSettings("\xEF\xBB\xBF# widget\r\n[window]\r\n x = -12 \r\n\n; note\nform=shrunk\n"
                                                "[其他]\nname=万年历\n", problem);
  ASSERT_TRUE(settings.has_value()) << problem;
  EXPECT_EQ(settings->Get("window", "x"), "-12");
  EXPECT_EQ(settings->Get("window", "form"), "shrunk");
  EXPECT_EQ(settings->Get("其他", "name"), "万年历");
  EXPECT_FALSE(settings->Get("window", "y").has_value());
  auto const again = platform::ParseSettings(platform::FormatSettings(*settings), problem);
  EXPECT_EQ(again, settings);
}

TEST(SettingsText, CorruptTextNamesTheLine) {
  struct Case {
    std::string text;
    std::string problem;
  };
  for (const Case& c : {Case{"[window]\nx 12\n", "line 2: expected key=value"},
                        Case{"[window\nx=1\n", "line 1: a section header"},
                        Case{"[window]\n=5\n", "line 2: expected key=value"},
                        Case{std::string("x=1\0", 4), "not UTF-8 text"},
                        Case{"x=\xFF\xFE\n", "not UTF-8 text"}}) {
    std::string problem;
    EXPECT_FALSE(platform::ParseSettings(c.text, problem).has_value()) << c.text;
    EXPECT_EQ(problem.rfind(c.problem, 0), 0u) << problem;
  }
}

TEST_F(SettingsFolder, SaveCreatesTheFoldersThenReplacesTheFileWhole) {
  std::string const path = (folder / "deep" / "settings.ini").string();
  EXPECT_EQ(platform::LoadSettings(path).status, platform::LoadedSettings::Status::missing);
  platform::Settings settings;
  settings.Set("window", "x", "10");
  ASSERT_EQ(platform::SaveSettings(path, settings), "");
  settings.Set("window", "x", "20");
  ASSERT_EQ(platform::SaveSettings(path, settings), "");
  EXPECT_EQ(ReadText(path), "[window]\nx=20\n");
  auto const loaded = platform::LoadSettings(path);
  EXPECT_EQ(loaded.status, platform::LoadedSettings::Status::loaded);
  EXPECT_EQ(loaded.settings, settings);
  // Nothing but the file itself is left in the folder: the temporary file was renamed over it.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder / "deep"), fs::directory_iterator()), 1);
}

TEST_F(SettingsFolder, AFailedSaveLeavesTheOldFileAndABadFileIsReportedNotRead) {
  fs::create_directories(folder);
  std::string const path = (folder / "settings.ini").string();
  std::ofstream(path) << "[window]\nx=oops\ny\n";
  auto const corrupt = platform::LoadSettings(path);
  EXPECT_EQ(corrupt.status, platform::LoadedSettings::Status::bad);
  EXPECT_NE(corrupt.problem.find(path + ": line 3"), std::string::npos) << corrupt.problem;

  std::ofstream(path, std::ios::trunc) << std::string(100 * 1024, '#');
  EXPECT_EQ(platform::LoadSettings(path).status, platform::LoadedSettings::Status::bad);

  // The place of the file's folder is taken by a file: the write fails and says where.
  std::string const blocked = (folder / "settings.ini" / "inner.ini").string();
  std::string const problem = platform::WriteFileAtomically(blocked, "x=1\n");
  EXPECT_NE(problem, "");
  EXPECT_EQ(fs::file_size(path), 100u * 1024);
}

#if !defined(_WIN32)
TEST(AtomicFile, ALinkStaysALinkADeviceIsWrittenInPlaceAndAPlantedNameIsNotFollowed) {
  fs::path const folder = fs::temp_directory_path() / ("wannianli-atomic-" + std::to_string(getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  // A link: the file it points to gets the bytes, with its own permissions.
  std::ofstream(folder / "real.png") << "old";
  fs::permissions(folder / "real.png", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink("real.png", folder / "link.png");
  EXPECT_EQ(platform::WriteFileAtomically((folder / "link.png").string(), "new", platform::MissingFolders::fail,
                                          platform::NewFileAccess::everyone),
            "");
  EXPECT_TRUE(fs::is_symlink(folder / "link.png"));
  EXPECT_EQ(ReadText(folder / "real.png"), "new");
  EXPECT_EQ(fs::status(folder / "real.png").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  // A device cannot be replaced by a file (as root, a rename would replace /dev/null itself): reached
  // through a link here, so that a fault replaces only the link.
  fs::create_symlink("/dev/null", folder / "null.png");
  EXPECT_EQ(platform::WriteFileAtomically((folder / "null.png").string(), "bytes"), "");
  EXPECT_TRUE(fs::is_symlink(folder / "null.png"));
  EXPECT_TRUE(fs::is_character_file(folder / "null.png"));
  // A link planted under the temporary name is neither followed nor removed.
  std::ofstream(folder / "victim") << "keep";
  std::string const target = (folder / "settings.ini").string();
  fs::create_symlink(folder / "victim", target + ".tmp-" + std::to_string(getpid()));
  EXPECT_EQ(platform::WriteFileAtomically(target, "x=1\n"), "");
  EXPECT_EQ(ReadText(target), "x=1\n");
  EXPECT_EQ(ReadText(folder / "victim"), "keep");
  fs::remove_all(folder);
}
#endif

}  // namespace
