// The program's files are found beside it first, then in ../share/wannianli as an installed program has them.
#include "platform/resource_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/executable_path.h"

namespace {

namespace fs = std::filesystem;

TEST(ResourceFolder, BesideTheProgramFirstThenTheInstalledShareFolder) {
  fs::path const prefix = fs::temp_directory_path() / "wannianli-prefix";
  fs::remove_all(prefix);
  fs::create_directories(prefix / "bin");
  fs::create_directories(prefix / "share" / "wannianli" / "skin");
  std::ofstream(prefix / "share" / "wannianli" / "skin" / "main.xml") << "<Window/>";
  char const s = platform::PathSeparator();
  std::string const bin = (prefix / "bin").string() + s;

  platform::SetExecutablePathOverride(bin + "wannianli");
  EXPECT_EQ(platform::ResourceFolder(), bin + ".." + s + "share" + s + "wannianli" + s);

  // A copy with its own files beside it (a build tree, a portable folder) keeps to them.
  fs::create_directories(prefix / "portable");
  std::ofstream(prefix / "portable" / "yiji.db") << "";
  std::string const portable = (prefix / "portable").string() + s;
  platform::SetExecutablePathOverride(portable + "wannianli");
  EXPECT_EQ(platform::ResourceFolder(), portable);

  // Neither: beside the program, where messages about the missing files point.
  fs::create_directories(prefix / "bare" / "bin");
  std::string const bare = (prefix / "bare" / "bin").string() + s;
  platform::SetExecutablePathOverride(bare + "wannianli");
  EXPECT_EQ(platform::ResourceFolder(), bare);

  platform::SetExecutablePathOverride(std::nullopt);
  fs::remove_all(prefix);
}

}  // namespace
