// Button images: every button comes as _normal, _hot (hovered) and _pushed; the ones the program can
// disable (month steps at the year's ends, tools without a function yet) also as _disabled.
#include "icons.h"
#include "layout.h"
#include "piece.h"
#include "shapes.h"

#include <array>
#include <string>

namespace art {
namespace {

enum class State { normal, hot, pushed, disabled };
constexpr std::array kStates{State::normal, State::hot, State::pushed};

std::string state_name(State s) {
  return s == State::normal ? "normal" : s == State::hot ? "hot" : s == State::pushed ? "pushed" : "disabled";
}

template <class Draw>
void add_states(Pieces& out, const std::string& stem, int w, int h, Draw draw) {
  for (State s : kStates)
    out.push_back({stem + "_" + state_name(s) + ".png", w, h, [=](cairo_t* cr) { draw(cr, s); }});
}

template <class Draw>
void add_states_and_disabled(Pieces& out, const std::string& stem, int w, int h, Draw draw) {
  add_states(out, stem, w, h, draw);
  out.push_back({stem + "_disabled.png", w, h, [=](cairo_t* cr) { draw(cr, State::disabled); }});
}

void icon_at(cairo_t* cr, icon::Draw draw, Rgba c, double x, double y, double scale) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, scale, scale);
  draw(cr, c);
  cairo_restore(cr);
}

// Caption buttons sit on the blue header: white glyphs, a soft light plate when hovered.
void caption_button(cairo_t* cr, State s, icon::Draw draw, bool danger) {
  const Box plate{1, 1, 22, 22};
  if (s == State::hot) fill_rounded(cr, plate, 5, danger ? hex(0xE5484D) : hex(0xFFFFFF, 0.20));
  if (s == State::pushed) fill_rounded(cr, plate, 5, danger ? hex(0xC43A3F) : hex(0x0B3F75, 0.28));
  icon_at(cr, draw, hex(0xFFFFFF, s == State::disabled ? 0.38 : s == State::normal ? 0.88 : 1.0), 0, 0, 1);
}

// Navigation arrows sit on the white body.
void nav_arrow(cairo_t* cr, State s, icon::Draw draw) {
  if (s == State::hot || s == State::pushed) {
    circle(cr, 12, 12, 11);
    set_source(cr, s == State::hot ? hex(0xEAF2FC) : hex(0xD4E5F8));
    cairo_fill(cr);
  }
  const Rgba c = s == State::normal  ? hex(0x5B6B7C)
                 : s == State::hot   ? palette::brand
                 : s == State::pushed ? hex(0x1D6CB8)
                                      : hex(0xC9D1DA);
  icon_at(cr, draw, c, 0, 0, 1);
}

void combo_arrow(cairo_t* cr, double x, double y, Rgba c) {
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x + 8, y);
  cairo_line_to(cr, x + 4, y + 4.5);
  cairo_close_path(cr);
  set_source(cr, c);
  cairo_fill(cr);
}

void combo(cairo_t* cr, State s) {
  const Box b{0, 0, layout::com_year.w, layout::com_year.h};
  fill_rounded(cr, b, 5, s == State::pushed ? hex(0xEEF5FD) : palette::body);
  stroke_rounded(cr, b, 5, 1, s == State::normal ? palette::frame : palette::brand);
  combo_arrow(cr, b.w - 16, 10, s == State::normal ? hex(0x7A8898) : palette::brand);
}

void today_button(cairo_t* cr, State s) {
  const Box b{0, 0, layout::btn_today.w, layout::btn_today.h};
  fill_rounded(cr, b, b.h / 2, s == State::normal ? palette::brand : s == State::hot ? hex(0x4AA2EC) : hex(0x1C6EBE));
}

// Fold and unfold: a quiet text button with a chevron.
void fold_button(cairo_t* cr, State s, const char* label, icon::Draw chevron) {
  const Box b{0, 0, layout::btn_tools_fold.w, layout::btn_tools_fold.h};
  if (s != State::normal) fill_rounded(cr, b, 5, s == State::hot ? hex(0xEAF2FC) : hex(0xD4E5F8));
  const Rgba c = s == State::normal ? hex(0x5B6B7C) : palette::brand;
  draw_text(cr, label, {8, 0, 30, b.h}, {.px = 12, .colour = c, .align = Align::right});
  icon_at(cr, chevron, c, 40, 3, 0.75);
}

struct Tool {
  const char* stem;
  const char* label;
  Rgba colour;
  icon::Draw glyph;
};

void tool_tile(cairo_t* cr, State s, const Tool& t) {
  const Box b{0, 0, layout::kToolTileWidth, layout::kToolTileHeight};
  const bool off = s == State::disabled;
  fill_rounded(cr, b, 12, s == State::pushed ? hex(0xEAF2FC) : s == State::hot ? hex(0xF7FAFE) : palette::body);
  stroke_rounded(cr, b, 12, 1, s == State::hot || s == State::pushed ? palette::brand : palette::hairline);
  circle(cr, b.w / 2, 50, 26);
  // A tool without a function yet: grey disc, faint label.
  set_source(cr, off ? hex(0xC9D1DA) : t.colour);
  cairo_fill(cr);
  icon_at(cr, t.glyph, palette::body, b.w / 2 - 18, 50 - 18, 1.5);
  draw_text(cr, t.label, {0, 88, b.w, 22},
            {.px = 14, .colour = off ? hex(0xA3AEBA) : hex(0x33404D), .align = Align::centre});
}

}  // namespace

Pieces caption_button_pieces() {
  Pieces out;
  struct Caption {
    const char* stem;
    icon::Draw glyph;
    bool danger;
  };
  const Caption captions[] = {
      {"btn_app", icon::apps, false},          {"btn_notepad", icon::notepad, false},
      {"btn_screenshot", icon::screenshot, false}, {"btn_shutdown", icon::power, false},
      {"btn_suoxiao", icon::collapse, false},  {"btn_fangda", icon::expand, false},
      {"btn_close", icon::close, true},
  };
  for (const Caption& c : captions)
    add_states_and_disabled(out, c.stem, 24, 24, [=](cairo_t* cr, State s) { caption_button(cr, s, c.glyph, c.danger); });
  return out;
}

Pieces navigation_pieces() {
  Pieces out;
  add_states_and_disabled(out, "btn_prev_month", 24, 24, [](cairo_t* cr, State s) { nav_arrow(cr, s, icon::chevron_left); });
  add_states_and_disabled(out, "btn_next_month", 24, 24, [](cairo_t* cr, State s) { nav_arrow(cr, s, icon::chevron_right); });
  add_states(out, "btn_today", layout::btn_today.w, layout::btn_today.h, today_button);
  add_states(out, "combo", layout::com_year.w, layout::com_year.h, combo);
  out.push_back({"combo_arrow.png", 12, 12, [](cairo_t* cr) { combo_arrow(cr, 2, 4, hex(0x7A8898)); }});
  return out;
}

Pieces tool_box_pieces() {
  Pieces out;
  const Tool tools[] = {
      {"tool_notepad", "记事本", hex(0xEE9B2F), icon::notepad},
      {"tool_screenshot", "截图", hex(0x3B8FE0), icon::screenshot},
      {"tool_notify", "提醒", hex(0xE5614C), icon::bell},
      {"tool_memo", "备忘", hex(0x3FA872), icon::checklist},
      {"tool_clock", "闹钟", hex(0x7A66D4), icon::alarm_clock},
      {"tool_translate", "翻译", hex(0x2A9FB4), icon::translate},
      {"tool_package", "快递", hex(0xC4873B), icon::parcel},
      {"tool_majiang", "麻将", hex(0x3A9557), icon::mahjong},
      {"tool_doudizhu", "斗地主", hex(0xD2475C), icon::cards},
  };
  for (const Tool& t : tools)
    add_states_and_disabled(out, t.stem, layout::kToolTileWidth, layout::kToolTileHeight,
                            [=](cairo_t* cr, State s) { tool_tile(cr, s, t); });
  const int w = layout::btn_tools_fold.w;
  const int h = layout::btn_tools_fold.h;
  add_states(out, "btn_tools_fold", w, h, [](cairo_t* cr, State s) { fold_button(cr, s, "收起", icon::chevron_up); });
  add_states(out, "btn_tools_unfold", w, h,
             [](cairo_t* cr, State s) { fold_button(cr, s, "展开", icon::chevron_down); });
  return out;
}

}  // namespace art
