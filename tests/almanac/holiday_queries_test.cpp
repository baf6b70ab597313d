#include "almanac/cpp_sqlite3.h"
#include "almanac_test_fixture.h"

namespace {

class HolidayTest : public AlmanacStoreTest {
 protected:
  void SetUp() override {
    AlmanacStoreTest::SetUp();
    Db("create table festable2015 (datetime text, festival text, picpath text, holidays text);"
       "insert into festable2015 values ('20151001', 'guoqing', 'fest_guoqing.png', '01,02,03,04,05,06,07');"
       "insert into festable2015 values ('20150927', 'zhongqiu', 'fest_zhongqiu.png', '26,27');"
       "insert into festable2015 values ('20150501', 'laodong', 'fest_laodong.png', '1,2,3');"
       "insert into festable2015 values ('20150308', 'funv', null, '');"
       "create table bantable2015 (ban text);"
       "insert into bantable2015 values ('20151010');"
       "create table festable2016 (datetime text, festival text, picpath text, holidays text);"
       "create table bantable2016 (ban text);");
  }
};

TEST_F(HolidayTest, RestDaysAreTheTwoDigitDaysOfTheRowsMonth) {
  for (int day = 1; day <= 7; ++day) EXPECT_TRUE(QueryRestDay(Date(2015, 10, day))) << day;
  EXPECT_FALSE(QueryRestDay(Date(2015, 10, 8)));
  EXPECT_TRUE(QueryRestDay(Date(2015, 9, 26)));  // before the festival's own day
  EXPECT_FALSE(QueryRestDay(Date(2015, 9, 28)));
  EXPECT_FALSE(QueryRestDay(Date(2015, 5, 1)));  // "1" is not written with two digits
  EXPECT_FALSE(QueryRestDay(Date(2015, 3, 8)));
}

TEST_F(HolidayTest, FestivalDayCopiesTheRowOrLeavesOutputsAlone) {
  std::string festival, picpath, holidays;
  EXPECT_TRUE(QueryFestivalDay(Date(2015, 9, 27), festival, picpath, holidays));
  EXPECT_EQ(festival + "|" + picpath + "|" + holidays, "zhongqiu|fest_zhongqiu.png|26,27");
  EXPECT_TRUE(QueryFestivalDay(Date(2015, 3, 8), festival, picpath, holidays));
  EXPECT_EQ(festival + "|" + picpath + "|" + holidays, "funv||");  // NULL reads as empty
  festival = "f";
  EXPECT_TRUE(QueryFestivalDay(Date(2015, 9, 26), festival, picpath, holidays));
  EXPECT_EQ(festival, "f");
}

TEST_F(HolidayTest, WorkedDaysAreTheRowsOfTheYearsBantable) {
  EXPECT_TRUE(QueryWorkedDay(Date(2015, 10, 10)));
  EXPECT_FALSE(QueryWorkedDay(Date(2015, 10, 11)));
  EXPECT_FALSE(QueryWorkedDay(Date(2016, 10, 10)));
}

TEST_F(HolidayTest, YearsWithoutTablesAnswerNoAndTouchNothing) {
  std::string festival = "f", picpath = "p", holidays = "h";
  for (int year : {2014, 2027, -2015, 0, 99999999}) {
    SCOPED_TRACE(year);
    EXPECT_FALSE(QueryFestivalDay(Date(year, 10, 1), festival, picpath, holidays));
    EXPECT_FALSE(QueryRestDay(Date(year, 10, 1)));
    EXPECT_FALSE(QueryWorkedDay(Date(year, 10, 10)));
  }
  EXPECT_EQ(festival + picpath + holidays, "fph");
}

TEST_F(HolidayTest, ATableAddedLaterIsSeen) {
  EXPECT_FALSE(QueryRestDay(Date(2017, 1, 1)));
  Db("create table festable2017 (datetime text, festival text, picpath text, holidays text);"
     "insert into festable2017 values ('20170101', 'yuandan', 'fest_yuandan.png', '01,02');");
  EXPECT_TRUE(QueryRestDay(Date(2017, 1, 2)));
}

TEST_F(HolidayTest, MissingColumnThrowsAndLeavesOutputsAlone) {
  Db("create table festable2018 (datetime text, festival text, holidays text);"
     "insert into festable2018 values ('20180101', 'yuandan', '01');");
  std::string festival = "f", picpath = "p", holidays = "h";
  EXPECT_THROW(QueryFestivalDay(Date(2018, 1, 1), festival, picpath, holidays), CppSQLite3Exception);
  EXPECT_EQ(festival + picpath + holidays, "fph");
}

}  // namespace
