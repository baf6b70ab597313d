// Times the conversion of every date 1901-01-01..2050-12-31 with lunar-javascript: lunar year, month and
// day, their texts, the solar term, weekday and constellation, i.e. what the engine's SetDate computes.
// One run; prints the total and the time per date. Compare with bench/lunar (wannianli_lunar_bench).
'use strict';
const { Solar } = require('lunar-javascript');

const dates = [];
const end = Date.UTC(2050, 11, 31);
for (let t = Date.UTC(1901, 0, 1); t <= end; t += 86400000) {
  const g = new Date(t);
  dates.push([g.getUTCFullYear(), g.getUTCMonth() + 1, g.getUTCDate()]);
}
let sink = 0;
const start = process.hrtime.bigint();
for (const [y, m, d] of dates) {
  const solar = Solar.fromYmd(y, m, d);
  const lunar = solar.getLunar();
  const parts = [lunar.getYear(), lunar.getMonth(), lunar.getDay(), lunar.getYearInGanZhi(),
    lunar.getYearShengXiao(), lunar.getMonthInChinese(), lunar.getDayInChinese(), lunar.getJieQi(),
    solar.getWeekInChinese(), solar.getXingZuo()];
  sink += parts.length;
}
const ns = Number(process.hrtime.bigint() - start);
console.log(`${dates.length} dates in ${(ns / 1e6).toFixed(1)} ms: ${(ns / dates.length).toFixed(0)} ns/date` +
  (sink ? '' : ''));
