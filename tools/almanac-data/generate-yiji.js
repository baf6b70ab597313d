// Writes the day 宜/忌 of every date 1901-01-01..2050-12-31 as the almanac library gives them:
//   data/yiji-words.txt   one activity word per line (UTF-8); its id is its line number, from 1
//   data/yiji.tsv.gz      one line per date: D8 key, TAB, 宜 ids, TAB, 忌 ids (ids joined by ",")
//   data/lunar-main-days.tsv  D8 key, TAB, holiday name: the days the lunar and solar-term holidays
//                         centre on (春节 正月初一, 清明节 the 清明 term day, 端午节 五月初五, 中秋节 八月十五),
//                         which place the holiday rows of data/holidays-cn.csv
// The library's single word 无 means "nothing" and becomes an empty list. The build reads only these
// files, so Node.js is needed only to regenerate them.
'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const { Solar } = require('lunar-javascript');

const dataDir = path.resolve(__dirname, '..', '..', 'data');
const words = [];
const ids = new Map();

function idsOf(list) {
  if (list.length === 1 && list[0] === '无') return '';
  return list.map((word) => {
    if (!ids.has(word)) {
      words.push(word);
      ids.set(word, words.length);
    }
    return ids.get(word);
  }).join(',');
}

const pad = (n) => String(n).padStart(2, '0');
const lines = [];
const mainDays = [];
const lunarMainDays = { '1-1': '春节', '5-5': '端午节', '8-15': '中秋节' };
const day = new Date(Date.UTC(1901, 0, 1));
const end = new Date(Date.UTC(2050, 11, 31));
for (; day <= end; day.setUTCDate(day.getUTCDate() + 1)) {
  const y = day.getUTCFullYear(), m = day.getUTCMonth() + 1, d = day.getUTCDate();
  const lunar = Solar.fromYmd(y, m, d).getLunar();
  const lunarDay = lunarMainDays[`${lunar.getMonth()}-${lunar.getDay()}`];  // leap months are negative
  if (lunarDay) mainDays.push(`${y}${pad(m)}${pad(d)}\t${lunarDay}`);
  if (lunar.getJieQi() === '清明') mainDays.push(`${y}${pad(m)}${pad(d)}\t清明节`);
  lines.push(`${y}${pad(m)}${pad(d)}\t${idsOf(lunar.getDayYi())}\t${idsOf(lunar.getDayJi())}`);
}

fs.writeFileSync(path.join(dataDir, 'yiji-words.txt'), words.join('\n') + '\n');
fs.writeFileSync(path.join(dataDir, 'yiji.tsv.gz'),
                 zlib.gzipSync(lines.join('\n') + '\n', { level: 9 }));
fs.writeFileSync(path.join(dataDir, 'lunar-main-days.tsv'), mainDays.join('\n') + '\n');
console.log(`${lines.length} dates, ${words.length} words`);
