// Writes the reference lunar calendar for every date 1901-01-01..2050-12-31, one tab-separated line per
// date, to standard output:
//   date lunar_year lunar_month leap lunar_day solar_term year_pillar month_pillar day_pillar zodiac
// The year pillar and zodiac change at the lunar new year, the month pillar on the 节 date itself
// (getMonthInGanZhi), the solar term is the name of the term falling on that date or empty.
// Usage: node generate.js | gzip -9n > ../../tests/data/lunar_reference.tsv.gz
'use strict';
const { Solar } = require('lunar-javascript');

const pad = (n) => String(n).padStart(2, '0');
const lines = ['date\tlunar_year\tlunar_month\tleap\tlunar_day\tsolar_term\tyear_pillar\tmonth_pillar\tday_pillar\tzodiac'];
const end = Date.UTC(2050, 11, 31);
for (let t = Date.UTC(1901, 0, 1); t <= end; t += 86400000) {
  const g = new Date(t);
  const y = g.getUTCFullYear(), m = g.getUTCMonth() + 1, d = g.getUTCDate();
  const lunar = Solar.fromYmd(y, m, d).getLunar();
  const month = lunar.getMonth();  // negative for a leap month
  lines.push([
    `${y}-${pad(m)}-${pad(d)}`,
    lunar.getYear(), Math.abs(month), month < 0 ? 1 : 0, lunar.getDay(),
    lunar.getJieQi(),
    lunar.getYearInGanZhi(), lunar.getMonthInGanZhi(), lunar.getDayInGanZhi(),
    lunar.getYearShengXiao(),
  ].join('\t'));
}
process.stdout.write(lines.join('\n') + '\n');
