#include "preview.h"

#include "layout.h"
#include "piece.h"
#include "styles.h"

#include <array>
#include <string>

namespace art {
namespace {

struct Sheet {
  Pieces pieces = all_pieces();

  void place(cairo_t* cr, const std::string& name, double x, double y) const {
    const Piece& p = find_piece(pieces, name);
    Image img(p.width, p.height);
    p.draw(img.cr());
    cairo_set_source_surface(cr, img.surface(), x, y);
    cairo_paint(cr);
  }
};

TextStyle coloured(TextStyle s, Rgba c) {
  s.colour = c;
  return s;
}

// October 2023: 国庆 and 中秋 rest days 1-6, worked days 7 and 8, today the 10th, the 1st selected.
struct SampleCell {
  int day;
  const char* line;
  bool highlight;
  bool other_month;
};

std::array<SampleCell, 42> october_2023() {
  const char* lunar[] = {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
                         "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
                         "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
  std::array<SampleCell, 42> cells{};
  for (int i = 0; i < 42; ++i) {
    const bool november = i >= 31;
    const int day = november ? i - 30 : i + 1;
    // 1 October is 八月十七; 九月 starts on 15 October and has 29 days.
    const int lunar_day = november ? day + 17 : (day <= 14 ? day + 16 : day - 14);
    cells[i] = {day, lunar[lunar_day - 1], false, november};
  }
  auto mark = [&](int index, const char* text) { cells[index] = {cells[index].day, text, true, cells[index].other_month}; };
  mark(0, "国庆节");
  mark(7, "寒露");
  mark(22, "重阳节");
  mark(23, "霜降");
  mark(38, "立冬");
  return cells;
}

std::string cell_background(int index) {
  if (index <= 5) return "jiaqi.png";
  if (index == 6 || index == 7) return "ban.png";
  if (index == 9) return "jintian3.png";
  return "";
}

void draw_cell_texts(cairo_t* cr, double x, double y, const std::string& day, const std::string& line, Rgba day_colour,
                     Rgba line_colour) {
  const double w = layout::kCellWidth;
  draw_text(cr, day, {x, y, w, 30}, coloured(style::cell_day, day_colour));
  draw_text(cr, line, {x, y + 20, w, 30}, coloured(style::cell_line, line_colour));
}

void draw_grid(cairo_t* cr, const Sheet& sheet) {
  using namespace layout;
  const auto cells = october_2023();
  for (int i = 0; i < 42; ++i) {
    const double x = cal.x + (i % 7) * kColumnPitch;
    const double y = cal.y + (i / 7) * kRowPitch;
    if (const std::string bg = cell_background(i); !bg.empty()) sheet.place(cr, bg, x, y);
    if (i == 0) sheet.place(cr, "jia_selected.png", x, y);
    const Rgba text = cells[i].other_month ? palette::day_grey : palette::day_black;
    const std::string day = (cells[i].day < 10 ? "0" : "") + std::to_string(cells[i].day);
    draw_cell_texts(cr, x, y, day, cells[i].line, text, cells[i].highlight ? palette::day_red : text);
  }
}

void draw_header(cairo_t* cr, const Sheet& sheet, bool enlarged) {
  using namespace layout;
  const std::pair<const char*, Box> buttons[] = {
      {"btn_app", btn_app},       {"btn_notepad", btn_notePad}, {"btn_screenshot", btn_screenshot},
      {"btn_shutdown", btn_shutdown}, {enlarged ? "btn_suoxiao" : "btn_fangda", btn_suoxiao},
      {"btn_close", btn_close}};
  for (const auto& [stem, box] : buttons)
    sheet.place(cr, std::string(stem) + (stem == std::string("btn_close") ? "_hot.png" : "_normal.png"), box.x, box.y);
  draw_text(cr, "10:24:36", now_time, style::now_time);
  draw_text(cr, "01", now_day, style::now_day);
  draw_text(cr, "星期日", now_week, style::now_week);
  draw_text(cr, "2023/10", now_datetime, style::now_datetime);
  draw_text(cr, "八月十七", now_lunar, style::now_lunar);
  draw_text(cr, "癸卯(兔)年", now_lunarYear, style::now_lunarYear);
  draw_text(cr, "辛酉月壬辰日", now_lunarMonth, style::now_lunarMonth);
  sheet.place(cr, "fest_guoqing.png", lbl_festival.x, lbl_festival.y);
  draw_text(cr, "祭祀 出行 嫁娶 纳采 订盟 开市 交易 立券 入宅 移徙", lbl_yi, style::almanac);
  draw_text(cr, "动土 破土 安葬 行丧", lbl_ji, style::almanac);
  sheet.place(cr, "almanac_yi.png", yi_mark.x, yi_mark.y);
  sheet.place(cr, "almanac_ji.png", ji_mark.x, ji_mark.y);
}

void main_preview(const Sheet& sheet, const std::string& path) {
  using namespace layout;
  Image img(kWidth, kHeight);
  cairo_t* cr = img.cr();
  sheet.place(cr, "main_bg.png", 0, 0);
  draw_header(cr, sheet, true);
  sheet.place(cr, "btn_prev_month_normal.png", btn_up_month.x, btn_up_month.y);
  sheet.place(cr, "combo_normal.png", com_year.x, com_year.y);
  sheet.place(cr, "combo_hot.png", com_month.x, com_month.y);
  sheet.place(cr, "btn_next_month_hot.png", btn_next_month.x, btn_next_month.y);
  sheet.place(cr, "btn_today_normal.png", btn_today.x, btn_today.y);
  const double inset = style::kComboTextInset;
  draw_text(cr, "2023年", {com_year.x + inset, com_year.y, com_year.w - 2 * inset, com_year.h}, style::combo);
  draw_text(cr, "10月", {com_month.x + inset, com_month.y, com_month.w - 2 * inset, com_month.h}, style::combo);
  draw_text(cr, "今天", btn_today, style::today);
  draw_grid(cr, sheet);
  img.save(path);
}

// The shrunk window: the program paints the header flat 0xFF278ADF instead of main_bg.png.
void shrunk_preview(const Sheet& sheet, const std::string& path) {
  using namespace layout;
  Image img(kWidth, kHeaderHeight * 2 + 8);
  cairo_t* cr = img.cr();
  sheet.place(cr, "main_bg.png", 0, 0);
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, kWidth, kHeaderHeight);
  cairo_clip(cr);
  draw_header(cr, sheet, true);
  cairo_restore(cr);
  cairo_translate(cr, 0, kHeaderHeight + 8);
  cairo_rectangle(cr, 0, 0, kWidth, kHeaderHeight);
  set_source(cr, palette::brand);
  cairo_fill(cr);
  draw_header(cr, sheet, false);
  img.save(path);
}

// Every cell image under the three day-text colours, at 1:1 and magnified three times.
void cells_preview(const Sheet& sheet, const std::string& path) {
  const char* names[] = {"jintian3.png", "jiaqi.png", "ban.png", "default_select.png", "jia_selected.png",
                         "ban_selected.png"};
  const Rgba colours[] = {palette::day_black, palette::day_grey, palette::day_red};
  const int w = layout::kCellWidth, h = layout::kCellHeight;
  Image small(6 * w + 10, 3 * h + 10);
  set_source(small.cr(), palette::body);
  cairo_paint(small.cr());
  for (int n = 0; n < 6; ++n)
    for (int c = 0; c < 3; ++c) {
      const double x = 5 + n * w, y = 5 + c * h;
      sheet.place(small.cr(), names[n], x, y);
      draw_cell_texts(small.cr(), x, y, "28", c == 2 ? "国庆节" : "廿八", colours[c], colours[c]);
    }
  Image big(small.width() * 3, small.height() * 3);
  cairo_scale(big.cr(), 3, 3);
  cairo_set_source_surface(big.cr(), small.surface(), 0, 0);
  cairo_pattern_set_filter(cairo_get_source(big.cr()), CAIRO_FILTER_NEAREST);
  cairo_paint(big.cr());
  Image sheet_img(big.width(), small.height() + big.height() + 8);
  set_source(sheet_img.cr(), palette::body);
  cairo_paint(sheet_img.cr());
  cairo_set_source_surface(sheet_img.cr(), small.surface(), 0, 0);
  cairo_paint(sheet_img.cr());
  cairo_set_source_surface(sheet_img.cr(), big.surface(), 0, small.height() + 8);
  cairo_paint(sheet_img.cr());
  sheet_img.save(path);
}

void soft_box_preview(const Sheet& sheet, const std::string& path) {
  using namespace layout;
  Image img(kToolBoxSize, kToolBoxSize);
  cairo_t* cr = img.cr();
  sheet.place(cr, "soft_box_bg.png", 0, 0);
  sheet.place(cr, "btn_close_normal.png", btn_soft_box_close.x, btn_soft_box_close.y);
  sheet.place(cr, "btn_tools_fold_normal.png", btn_tools_fold.x, btn_tools_fold.y);
  const char* tools[] = {"tool_notepad", "tool_screenshot", "tool_notify", "tool_memo", "tool_clock",
                         "tool_translate", "tool_package", "tool_majiang", "tool_doudizhu"};
  for (int i = 0; i < 9; ++i) {
    const double x = hor_tools.x + (i % 3) * (kToolTileWidth + kToolTileGap);
    const double y = hor_tools.y + (i / 3) * (kToolTileHeight + kToolTileGap);
    sheet.place(cr, std::string(tools[i]) + (i == 4 ? "_hot.png" : "_normal.png"), x, y);
  }
  img.save(path);
}

}  // namespace

void write_previews(const std::string& dir) {
  const Sheet sheet;
  main_preview(sheet, dir + "/main_preview.png");
  shrunk_preview(sheet, dir + "/shrunk_preview.png");
  cells_preview(sheet, dir + "/cells_preview.png");
  soft_box_preview(sheet, dir + "/soft_box_preview.png");
}

}  // namespace art
