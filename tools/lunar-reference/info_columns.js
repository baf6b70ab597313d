// Prints what `wannianli --info 1901-01-01 2050-12-31` prints, computed with lunar-javascript: the same 17
// tab-separated columns, header first. The almanac columns come from the library's own almanac and holiday
// tables (the widget's come from yiji.db), so the texts differ in places; the work per date is the same:
// lunar date and texts, solar term, constellation, stem-branch texts, festivals, 宜/忌 and holiday.
// bench/almanac/info_side_by_side.sh times it beside the program.
//   node info_columns.js [FROM TO]   (dates YYYY-MM-DD)
'use strict';
const { Solar, HolidayUtil } = require('lunar-javascript');

const [from, to] = process.argv.length >= 4 ? process.argv.slice(2, 4) : ['1901-01-01', '2050-12-31'];
const utc = (text) => Date.UTC(+text.slice(0, 4), +text.slice(5, 7) - 1, +text.slice(8, 10));
const pad = (n) => String(n).padStart(2, '0');
// The widget shows the first word alone for one or two words, the first two each with a space for more.
const words = (list) => (list.length > 2 ? list.slice(0, 2).map((w) => w + ' ').join('') : list.slice(0, 1).join(''));

const out = ['date\tweekday\tlunar_year_text\tlunar_month_text\tlunar_day_text\tlunar_year\tlunar_month\tleap\t' +
  'lunar_day\tsolar_term\tconstellation\tganzhi\tgregorian_festival\tlunar_festival\tyi\tji\tholiday'];
for (let t = utc(from), end = utc(to); t <= end; t += 86400000) {
  const g = new Date(t);
  const y = g.getUTCFullYear(), m = g.getUTCMonth() + 1, d = g.getUTCDate();
  const solar = Solar.fromYmd(y, m, d);
  const lunar = solar.getLunar();
  const month = lunar.getMonth();  // negative in a leap month
  const holiday = HolidayUtil.getHoliday(y, m, d);
  out.push([
    `${y}-${pad(m)}-${pad(d)}`,
    '星期' + solar.getWeekInChinese(),
    `${lunar.getYearInGanZhi()}(${lunar.getYearShengXiao()})年`,
    (month < 0 ? '闰' : '') + lunar.getMonthInChinese().replace('闰', '') + '月',
    lunar.getDayInChinese(),
    lunar.getYear(), Math.abs(month), month < 0 ? 1 : 0, lunar.getDay(),
    lunar.getJieQi(),
    solar.getXingZuo() + '座',
    `${lunar.getMonthInGanZhiExact()}月${lunar.getDayInGanZhi()}日`,
    solar.getFestivals()[0] || '',
    lunar.getFestivals()[0] || '',
    words(lunar.getDayYi()),
    words(lunar.getDayJi()),
    holiday ? (holiday.isWork() ? 'work' : 'rest') : '',
  ].join('\t'));
  // Written in pieces, as the program streams its lines.
  if (out.length >= 4096) {
    process.stdout.write(out.join('\n') + '\n');
    out.length = 0;
  }
}
if (out.length) process.stdout.write(out.join('\n') + '\n');
