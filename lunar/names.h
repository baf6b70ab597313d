#pragma once
// The engine's name lists as GBK byte strings (two bytes per Chinese character); each entry carries its
// characters in a comment. Index 0 is the first entry: callers subtract one from 1-based numbers.
#include <array>
#include <string_view>

namespace lunar {

// Weekdays, Monday first.
inline constexpr std::array<std::string_view, 7> WeekdayNames = {
    "\xd0\xc7\xc6\xda\xd2\xbb",  // 星期一
    "\xd0\xc7\xc6\xda\xb6\xfe",  // 星期二
    "\xd0\xc7\xc6\xda\xc8\xfd",  // 星期三
    "\xd0\xc7\xc6\xda\xcb\xc4",  // 星期四
    "\xd0\xc7\xc6\xda\xce\xe5",  // 星期五
    "\xd0\xc7\xc6\xda\xc1\xf9",  // 星期六
    "\xd0\xc7\xc6\xda\xc8\xd5",  // 星期日
};

// The ten heavenly stems.
inline constexpr std::array<std::string_view, 10> StemNames = {
    "\xbc\xd7",  // 甲
    "\xd2\xd2",  // 乙
    "\xb1\xfb",  // 丙
    "\xb6\xa1",  // 丁
    "\xce\xec",  // 戊
    "\xbc\xba",  // 己
    "\xb8\xfd",  // 庚
    "\xd0\xc1",  // 辛
    "\xc8\xc9",  // 壬
    "\xb9\xef",  // 癸
};

// The twelve earthly branches.
inline constexpr std::array<std::string_view, 12> BranchNames = {
    "\xd7\xd3",  // 子
    "\xb3\xf3",  // 丑
    "\xd2\xfa",  // 寅
    "\xc3\xae",  // 卯
    "\xb3\xbd",  // 辰
    "\xcb\xc8",  // 巳
    "\xce\xe7",  // 午
    "\xce\xb4",  // 未
    "\xc9\xea",  // 申
    "\xd3\xcf",  // 酉
    "\xd0\xe7",  // 戌
    "\xba\xa5",  // 亥
};

// Zodiac animals in branch order (卯 is the rabbit, 兔).
inline constexpr std::array<std::string_view, 12> ZodiacNames = {
    "\xca\xf3",  // 鼠
    "\xc5\xa3",  // 牛
    "\xbb\xa2",  // 虎
    "\xcd\xc3",  // 兔
    "\xc1\xfa",  // 龙
    "\xc9\xdf",  // 蛇
    "\xc2\xed",  // 马
    "\xd1\xf2",  // 羊
    "\xba\xef",  // 猴
    "\xbc\xa6",  // 鸡
    "\xb9\xb7",  // 狗
    "\xd6\xed",  // 猪
};

// Branches of the stem-branch months 1..12: month 1 begins at 立春 and is a 寅 month, so the list is the
// branch list started at its third entry.
inline constexpr std::array<std::string_view, 12> MonthBranchNames = [] {
  std::array<std::string_view, 12> names{};
  for (std::size_t i = 0; i < names.size(); ++i) names[i] = BranchNames[(i + 2) % BranchNames.size()];
  return names;
}();

// Lunar month numbers 1..10.
inline constexpr std::array<std::string_view, 10> MonthNumberNames = {
    "\xd5\xfd",  // 正
    "\xb6\xfe",  // 二
    "\xc8\xfd",  // 三
    "\xcb\xc4",  // 四
    "\xce\xe5",  // 五
    "\xc1\xf9",  // 六
    "\xc6\xdf",  // 七
    "\xb0\xcb",  // 八
    "\xbe\xc5",  // 九
    "\xca\xae",  // 十
};

// Tens of a lunar day: (day - 1) / 10.
inline constexpr std::array<std::string_view, 4> DayPrefixNames = {
    "\xb3\xf5",  // 初
    "\xca\xae",  // 十
    "\xd8\xa5",  // 廿
    "\xc8\xfd",  // 三
};

// Units of a lunar day: (day - 1) % 10 + 1.
inline constexpr std::array<std::string_view, 10> DayDigitNames = {
    "\xd2\xbb",  // 一
    "\xb6\xfe",  // 二
    "\xc8\xfd",  // 三
    "\xcb\xc4",  // 四
    "\xce\xe5",  // 五
    "\xc1\xf9",  // 六
    "\xc6\xdf",  // 七
    "\xb0\xcb",  // 八
    "\xbe\xc5",  // 九
    "\xca\xae",  // 十
};

// Solar terms 1..24: term 2m - 1 is the first of Gregorian month m, 2m its second.
inline constexpr std::array<std::string_view, 24> SolarTermNames = {
    "\xd0\xa1\xba\xae",  // 小寒
    "\xb4\xf3\xba\xae",  // 大寒
    "\xc1\xa2\xb4\xba",  // 立春
    "\xd3\xea\xcb\xae",  // 雨水
    "\xbe\xaa\xd5\xdd",  // 惊蛰
    "\xb4\xba\xb7\xd6",  // 春分
    "\xc7\xe5\xc3\xf7",  // 清明
    "\xb9\xc8\xd3\xea",  // 谷雨
    "\xc1\xa2\xcf\xc4",  // 立夏
    "\xd0\xa1\xc2\xfa",  // 小满
    "\xc3\xa2\xd6\xd6",  // 芒种
    "\xcf\xc4\xd6\xc1",  // 夏至
    "\xd0\xa1\xca\xee",  // 小暑
    "\xb4\xf3\xca\xee",  // 大暑
    "\xc1\xa2\xc7\xef",  // 立秋
    "\xb4\xa6\xca\xee",  // 处暑
    "\xb0\xd7\xc2\xb6",  // 白露
    "\xc7\xef\xb7\xd6",  // 秋分
    "\xba\xae\xc2\xb6",  // 寒露
    "\xcb\xaa\xbd\xb5",  // 霜降
    "\xc1\xa2\xb6\xac",  // 立冬
    "\xd0\xa1\xd1\xa9",  // 小雪
    "\xb4\xf3\xd1\xa9",  // 大雪
    "\xb6\xac\xd6\xc1",  // 冬至
};

// Constellations from early January to late December; the first and last are the same sign.
inline constexpr std::array<std::string_view, 13> ConstellationNames = {
    "\xc4\xa6\xf4\xc9\xd7\xf9",  // 摩羯座
    "\xcb\xae\xc6\xbf\xd7\xf9",  // 水瓶座
    "\xcb\xab\xd3\xe3\xd7\xf9",  // 双鱼座
    "\xb0\xd7\xd1\xf2\xd7\xf9",  // 白羊座
    "\xbd\xf0\xc5\xa3\xd7\xf9",  // 金牛座
    "\xcb\xab\xd7\xd3\xd7\xf9",  // 双子座
    "\xbe\xde\xd0\xb7\xd7\xf9",  // 巨蟹座
    "\xca\xa8\xd7\xd3\xd7\xf9",  // 狮子座
    "\xb4\xa6\xc5\xae\xd7\xf9",  // 处女座
    "\xcc\xec\xb3\xd3\xd7\xf9",  // 天秤座
    "\xcc\xec\xd0\xab\xd7\xf9",  // 天蝎座
    "\xc9\xe4\xca\xd6\xd7\xf9",  // 射手座
    "\xc4\xa6\xf4\xc9\xd7\xf9",  // 摩羯座
};

// Single words.
inline constexpr std::string_view kYearSuffix = "\xc4\xea";     // 年
inline constexpr std::string_view kMonthSuffix = "\xd4\xc2";    // 月
inline constexpr std::string_view kDaySuffix = "\xc8\xd5";      // 日
inline constexpr std::string_view kLeapPrefix = "\xc8\xf2";     // 闰
inline constexpr std::string_view kElevenMonth = "\xca\xae\xd2\xbb\xd4\xc2";  // 十一月
inline constexpr std::string_view kTwelveMonth = "\xca\xae\xb6\xfe\xd4\xc2";  // 十二月
inline constexpr std::string_view kDayTwenty = "\xb6\xfe\xca\xae";    // 二十
inline constexpr std::string_view kDayThirty = "\xc8\xfd\xca\xae";    // 三十

namespace detail {
template <std::size_t N>
constexpr bool AllOfSize(const std::array<std::string_view, N>& names, std::size_t size) {
  for (auto const name : names)
    if (name.size() != size) return false;
  return true;
}
}  // namespace detail
static_assert(detail::AllOfSize(WeekdayNames, 6));
static_assert(detail::AllOfSize(StemNames, 2) && detail::AllOfSize(BranchNames, 2));
static_assert(detail::AllOfSize(ZodiacNames, 2) && detail::AllOfSize(MonthBranchNames, 2));
static_assert(detail::AllOfSize(MonthNumberNames, 2) && detail::AllOfSize(DayPrefixNames, 2));
static_assert(detail::AllOfSize(DayDigitNames, 2) && detail::AllOfSize(SolarTermNames, 4));
static_assert(detail::AllOfSize(ConstellationNames, 6));

}  // namespace lunar
