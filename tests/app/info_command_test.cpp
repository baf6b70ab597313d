// `wannianli --info`: argument checking, the columns of a line and the almanac provider hook.
#include "app/info_command.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"

namespace {

using app::InfoDate;
using testing::HasSubstr;

std::vector<std::string> Columns(const std::string& line) {
  std::vector<std::string> columns;
  std::string::size_type start = 0;
  for (;;) {
    auto const tab = line.find('\t', start);
    columns.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return columns;
    start = tab + 1;
  }
}

struct Run {
  int status;
  std::string out, err;
};

Run RunArgs(std::vector<std::string_view> arguments, const app::AlmanacProvider& provider = {}) {
  std::ostringstream out, err;
  auto const status = app::RunCommandLine(arguments, out, err, provider);
  return {status, out.str(), err.str()};
}

TEST(InfoDateParsing, AcceptsOnlyRealDatesInTheFixedForm) {
  EXPECT_EQ(app::ParseInfoDate("2019-10-01"), (InfoDate{2019, 10, 1}));
  EXPECT_EQ(app::ParseInfoDate("2000-02-29"), (InfoDate{2000, 2, 29}));
  for (auto const* bad : {"2019-02-29", "2019-13-01", "2019-00-10", "2019-04-31", "2019-1-01", "2019/10/01",
                          "2019-10-01x", "+019-10-01", "20191001", "", "abcd-ef-gh"})
    EXPECT_FALSE(app::ParseInfoDate(bad)) << bad;
}

TEST(InfoLine, HasTheColumnsOfTheHeader) {
  auto const header = Columns(app::InfoHeaderLine());
  ASSERT_EQ(header.size(), 17u);
  EXPECT_EQ(header.front(), "date");
  EXPECT_EQ(header[7], "leap");
  EXPECT_EQ(header.back(), "holiday");
  EXPECT_EQ(Columns(app::InfoLine({2019, 10, 1})).size(), header.size());
}

TEST(InfoLine, EngineColumnsOfANationalDay) {
  auto const c = Columns(app::InfoLine({2019, 10, 1}));
  EXPECT_EQ(c, (std::vector<std::string>{"2019-10-01", "星期二", "己亥(猪)年", "九月", "初三", "2019", "9", "0",
                                          "3", "", "天秤座", "癸酉月辛未日", "", "", "", "", ""}));
}

TEST(InfoLine, LeapMonthAndSolarTerm) {
  auto const leap = Columns(app::InfoLine({2023, 3, 22}));
  EXPECT_EQ(leap[3], "闰二月");
  EXPECT_EQ(leap[4], "初一");
  EXPECT_EQ(leap[6], "2");
  EXPECT_EQ(leap[7], "1");
  EXPECT_EQ(Columns(app::InfoLine({2019, 10, 8}))[9], "寒露");
}

TEST(InfoLine, OutOfRangeDatesGiveNoLine) {
  EXPECT_EQ(app::InfoLine({1900, 12, 31}), "");
  EXPECT_EQ(app::InfoLine({2019, 2, 29}), "");
}

TEST(InfoLine, AlmanacColumnsComeFromTheProviderOnOneLine) {
  InfoDate asked;
  auto const provider = [&asked](const InfoDate& date) {
    asked = date;
    return app::AlmanacColumns{"国庆节", "", "祭祀 出行", "动土\t破土\n", "rest"};
  };
  auto const line = app::InfoLine({2019, 10, 1}, provider);
  EXPECT_EQ(asked, (InfoDate{2019, 10, 1}));
  EXPECT_EQ(line.find('\n'), std::string::npos);
  auto const c = Columns(line);
  ASSERT_EQ(c.size(), 17u);
  EXPECT_EQ(c[12], "国庆节");
  EXPECT_EQ(c[14], "祭祀 出行");
  EXPECT_EQ(c[15], "动土 破土 ");
  EXPECT_EQ(c[16], "rest");
}

TEST(InfoCommand, PrintsTheHeaderThenOneLinePerDateBothEndsIncluded) {
  auto const run = RunArgs({"--info", "2019-12-30", "2020-01-02"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  std::istringstream lines(run.out);
  std::vector<std::string> dates;
  for (std::string line; std::getline(lines, line);) dates.push_back(Columns(line)[0]);
  EXPECT_EQ(dates, (std::vector<std::string>{"date", "2019-12-30", "2019-12-31", "2020-01-01", "2020-01-02"}));
}

TEST(InfoCommand, TheWholeRangeEndsOnItsLastDay) {
  auto const run = RunArgs({"--info", "2050-12-30", "2050-12-31"});
  EXPECT_EQ(run.status, 0);
  EXPECT_THAT(run.out, HasSubstr("2050-12-31\t"));
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 3);
}

// A stream that takes `room` bytes, then fails as a full disk or a closed pipe does.
class FailingAfter : public std::streambuf {
 public:
  explicit FailingAfter(std::size_t room) : room(room) {}
  std::size_t taken = 0;

 protected:
  int_type overflow(int_type c) override {
    if (taken == room) return traits_type::eof();
    ++taken;
    return c;
  }

 private:
  std::size_t room;
};

TEST(InfoCommand, StopsAtTheFirstLineThatDoesNotArriveWithStatus1) {
  FailingAfter buffer(1000);
  std::ostream out(&buffer);
  std::ostringstream err;
  int asked = 0;
  app::AlmanacProvider const counting = [&asked](const InfoDate&) {
    ++asked;
    return app::AlmanacColumns{};
  };
  std::vector<std::string_view> const arguments = {"2015-01-01", "2015-12-31"};
  EXPECT_EQ(app::RunInfoCommand(arguments, out, err, counting), 1);
  EXPECT_EQ(buffer.taken, 1000u);
  EXPECT_LT(asked, 20) << "the range goes on after the output failed";
  EXPECT_EQ(err.str(), "") << "the owner of the stream says why";
}

TEST(InfoCommand, BadArgumentsGetOneLineNamingThemAndStatusTwo) {
  struct Case {
    std::vector<std::string_view> arguments;
    const char* mentions;
  } const cases[] = {
      {{"--info", "2019-02-30"}, "FROM"},
      {{"--info", "2019-10-01", "2019-13-01"}, "TO"},
      {{"--info", "1900-12-31"}, "FROM"},
      {{"--info", "2019-10-01", "2051-01-01"}, "TO"},
      {{"--info", "2020-01-02", "2020-01-01"}, "after TO"},
      {{"--info"}, "FROM [TO]"},
      {{"--info", "2019-10-01", "2019-10-02", "2019-10-03"}, "FROM [TO]"},
      {{"--bogus"}, "--bogus"},
  };
  for (auto const& c : cases) {
    auto const run = RunArgs(c.arguments);
    SCOPED_TRACE(run.err);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_THAT(run.err, HasSubstr(c.mentions));
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << "one line";
    EXPECT_EQ(run.err.back(), '\n');
  }
}

}  // namespace
