#pragma once
// A scratch folder standing in for the program's own: GetAlmanacDbPath() points at its yiji.db.
#include <gtest/gtest.h>

#include "almanac/almanac_store.h"
#include "platform/executable_path.h"
#include "scratch_db.h"

class AlmanacStoreTest : public ::testing::Test {
 protected:
  ScratchDir dir;
  std::string dbPath = dir.File("yiji.db");

  void SetUp() override { platform::SetExecutablePathOverride(dir.File("wannianli")); }
  void TearDown() override { platform::SetExecutablePathOverride(std::nullopt); }

  void Db(const std::string& sql) { RunSql(dbPath, sql); }
};

inline DateTimeRecord Date(int year, int month, int day) { return {year, month, day, 0, 0, 0}; }
