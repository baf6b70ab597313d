// The widget's command line: which options reach the widget, and the one-line errors with status 2.
#include "app/command_line.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

namespace {

using ::testing::HasSubstr;

struct Run {
  int status;
  std::vector<app::WidgetOptions> widgetRuns;
  std::string err;
};

Run RunArgs(std::vector<std::string_view> arguments) {
  std::ostringstream out, err;
  Run run{0, {}, {}};
  run.status = app::RunCommandLine(arguments, out, err, {}, [&run](const app::WidgetOptions& options) {
    run.widgetRuns.push_back(options);
    return 0;
  });
  run.err = err.str();
  return run;
}

TEST(WidgetCommandLine, NoArgumentsOpenTheWidgetWithTheRealToday) {
  auto const run = RunArgs({});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.widgetRuns, std::vector<app::WidgetOptions>{app::WidgetOptions{}});
}

TEST(WidgetCommandLine, TodayAndSnapshotInEitherOrder) {
  app::WidgetOptions const expected{app::InfoDate{2015, 2, 19}, "out.png", {}};
  EXPECT_EQ(RunArgs({"--today", "2015-02-19", "--snapshot", "out.png"}).widgetRuns,
            std::vector<app::WidgetOptions>{expected});
  EXPECT_EQ(RunArgs({"--snapshot", "out.png", "--today", "2015-02-19"}).widgetRuns,
            std::vector<app::WidgetOptions>{expected});
}

TEST(WidgetCommandLine, TheScaleReachesTheWidget) {
  auto const runs = RunArgs({"--snapshot", "out.png", "--scale", "1.5"}).widgetRuns;
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].scale, 1.5);
  EXPECT_EQ(runs[0].snapshotFile, "out.png");
}

TEST(WidgetCommandLine, BadArgumentsGetOneLineNamingThemAndStatus2) {
  struct Case {
    std::vector<std::string_view> arguments;
    std::string mentions;
  };
  std::vector<Case> const cases = {
      {{"--today"}, "--today needs a value"},
      {{"--snapshot"}, "--snapshot needs a value"},
      {{"--snapshot", ""}, "--snapshot needs a value"},
      {{"--today", "2015-02-30"}, "'2015-02-30' is not a date"},
      {{"--today", "19-2-2015"}, "'19-2-2015' is not a date"},
      {{"--today", "1900-12-31"}, "1900-12-31 lies outside 1901-2050"},
      {{"--today", "2051-01-01"}, "2051-01-01 lies outside 1901-2050"},
      {{"--today", "2015-02-19", "--today", "2015-02-20"}, "--today given twice"},
      {{"--hlep"}, "unknown argument '--hlep'"},
      {{"--today", "2015-02-19", "--help"}, "unknown argument '--help'"},
      {{"--today", "2015-02-19", "--info", "2015-02-19"}, "unknown argument '--info'"},
      {{"extra"}, "unknown argument 'extra'"},
      {{"--scale", "4"}, "--scale: '4' is not a scale from 1 to 3"},
      {{"--scale", "0.5"}, "'0.5' is not a scale from 1 to 3"},
      {{"--scale", "2x"}, "'2x' is not a scale from 1 to 3"},
      {{"--scale", "2", "--scale", "2"}, "--scale given twice"},
  };
  for (auto const& c : cases) {
    auto const run = RunArgs(c.arguments);
    SCOPED_TRACE(run.err);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.widgetRuns.empty());
    EXPECT_THAT(run.err, HasSubstr(c.mentions));
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << "one line";
  }
}

// An argument is echoed with its control characters (C0, DEL, C1, bytes that are not UTF-8) made visible, and
// a long one is cut, saying how long it was.
TEST(WidgetCommandLine, ErrorLinesEscapeAndShortenTheArgumentsTheyQuote) {
  std::string const huge(100'000, 'a');
  struct Case {
    std::vector<std::string_view> arguments;
    std::string mentions;
  };
  std::vector<Case> const cases = {
      {{"--x\x1b[2J\n"}, "unknown argument '--x\\x1B[2J\\x0A'"},
      {{"--today", "\x7f\xc2\x9b\xff"}, "--today: '\\x7F\\u009B\\xFF' is not a date"},
      {{"--info", "2015-10-01\r"}, "FROM: '2015-10-01\\x0D' is not a valid date"},
      {{"--info", huge}, "FROM: '" + std::string(200, 'a') + "... (100000 bytes)' is not a valid date"},
      {{huge}, "'" + std::string(200, 'a') + "... (100000 bytes)'"},
  };
  for (auto const& c : cases) {
    auto const run = RunArgs(c.arguments);
    SCOPED_TRACE(run.err.substr(0, 400));
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.err, HasSubstr(c.mentions));
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << "one line";
    EXPECT_LT(run.err.size(), 600u);
    EXPECT_TRUE(std::none_of(run.err.begin(), run.err.end() - 1, [](char ch) {
      return static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F || static_cast<unsigned char>(ch) >= 0x80;
    }));
  }
}

TEST(WidgetCommandLine, HelpAndVersionGoToStandardOutputWithStatus0) {
  for (std::string_view option : {"--help", "--version"}) {
    std::ostringstream out, err;
    std::vector<std::string_view> const arguments = {option};
    EXPECT_EQ(app::RunCommandLine(arguments, out, err, {}, [](const app::WidgetOptions&) { return 1; }), 0);
    EXPECT_EQ(err.str(), "");
    EXPECT_THAT(out.str(), HasSubstr(option == "--help" ? "usage: wannianli" : "wannianli " WANNIANLI_VERSION));
  }
}

TEST(WidgetCommandLine, InfoStillComesFirst) {
  std::ostringstream out, err;
  std::vector<std::string_view> const arguments = {"--info", "2015-02-19"};
  bool widgetRan = false;
  EXPECT_EQ(app::RunCommandLine(arguments, out, err, {}, [&](const app::WidgetOptions&) {
              widgetRan = true;
              return 0;
            }),
            0);
  EXPECT_FALSE(widgetRan);
  EXPECT_THAT(out.str(), HasSubstr("2015-02-19\t星期四"));
}

TEST(WidgetCommandLine, TheWidgetsStatusIsTheProgramsStatus) {
  std::ostringstream out, err;
  std::vector<std::string_view> const none;
  EXPECT_EQ(app::RunCommandLine(none, out, err, {}, [](const app::WidgetOptions&) { return 1; }), 1);
}

}  // namespace
