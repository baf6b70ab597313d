#include "platform/file_identity.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

TEST(FileIdentity, ChangesWhenTheFileIsRewrittenOrReplaced) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "wannianli-file-identity";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "a").string(), other = (dir / "b").string();
  std::ofstream(path) << "one";
  auto first = platform::GetFileIdentity(path);
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->size, 3u);
  EXPECT_EQ(platform::GetFileIdentity(path), first);

  std::ofstream(other) << "two";
  std::filesystem::last_write_time(other, std::filesystem::last_write_time(path));
  std::filesystem::rename(other, path);
  EXPECT_NE(platform::GetFileIdentity(path), first);  // same size and time, another file

  std::ofstream(path) << "three";
  EXPECT_EQ(platform::GetFileIdentity(path)->size, 5u);
  EXPECT_FALSE(platform::GetFileIdentity((dir / "missing").string()).has_value());
  EXPECT_FALSE(platform::GetFileIdentity(dir.string()).has_value());  // a folder is no database file
  std::filesystem::remove_all(dir);
}

}  // namespace
