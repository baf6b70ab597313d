// Replacing a file whole when what stands at its name is not a plain file: a link, a device, or a link that
// someone planted under the temporary name.
#include "platform/atomic_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#if !defined(_WIN32)
#include <sys/stat.h>
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
