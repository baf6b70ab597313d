// Where the controls of the windows sit, in window pixels. skin/LAYOUT.md documents the same
// numbers for the skin files; the backgrounds and the preview are drawn from these.
#pragma once

#include "canvas.h"

namespace art::layout {

// Main window.
inline constexpr int kWidth = 336;
inline constexpr int kHeight = 494;
inline constexpr int kHeaderHeight = 128;  // all that shows when the window is shrunk
inline constexpr int kCaptionHeight = 28;

inline constexpr Box now_time{10, 4, 64, 20};
inline constexpr Box now_temp{76, 4, 60, 20};
inline constexpr Box btn_app{186, 2, 24, 24};
inline constexpr Box btn_notePad{210, 2, 24, 24};
inline constexpr Box btn_screenshot{234, 2, 24, 24};
inline constexpr Box btn_shutdown{258, 2, 24, 24};
inline constexpr Box btn_suoxiao{282, 2, 24, 24};  // btn_fangda shares it
inline constexpr Box btn_close{306, 2, 24, 24};

inline constexpr Box now_day{10, 30, 70, 54};
inline constexpr Box now_week{84, 36, 70, 22};
inline constexpr Box now_datetime{84, 58, 70, 20};
inline constexpr Box header_divider{160, 38, 1, 40};
inline constexpr Box now_lunar{170, 31, 100, 24};
inline constexpr Box now_lunarYear{170, 55, 100, 16};
inline constexpr Box now_lunarMonth{170, 71, 100, 16};
inline constexpr Box lbl_festival{272, 30, 56, 56};

inline constexpr Box yiji_band{8, 90, 320, 34};
inline constexpr Box yi_mark{14, 93, 14, 14};
inline constexpr Box ji_mark{14, 107, 14, 14};
inline constexpr Box lbl_yi{32, 92, 290, 16};
inline constexpr Box lbl_ji{32, 106, 290, 16};

inline constexpr Box btn_up_month{10, 136, 24, 24};
inline constexpr Box com_year{40, 136, 80, 24};
inline constexpr Box com_month{126, 136, 80, 24};
inline constexpr Box btn_next_month{212, 136, 24, 24};
inline constexpr Box btn_today{272, 136, 56, 24};

inline constexpr Box weekday_row{2, 166, 331, 22};
inline constexpr Box cal{2, 192, 331, 295};
inline constexpr int kCellWidth = 49;
inline constexpr int kCellHeight = 50;
inline constexpr int kColumnPitch = 47;
inline constexpr int kRowPitch = 49;

// Tool box.
inline constexpr int kToolBoxSize = 526;
inline constexpr int kToolBoxTitleHeight = 44;
inline constexpr Box btn_soft_box_close{492, 10, 24, 24};
inline constexpr Box btn_tools_fold{446, 56, 64, 24};  // btn_tools_unfold shares it
inline constexpr Box hor_tools{26, 92, 474, 408};
inline constexpr int kToolTileWidth = 150;
inline constexpr int kToolTileHeight = 128;
inline constexpr int kToolTileGap = 12;

// City window.
inline constexpr int kCityWidth = 240;
inline constexpr int kCityHeight = 320;
inline constexpr Box select_city{8, 44, 224, 268};

}  // namespace art::layout

namespace art::layout {

struct Named {
  const char* name;
  Box box;
};

// The controls with a fixed place, under their skin names, as skin/LAYOUT.md lists them.
inline constexpr Named kMainControls[] = {
    {"root_bg", {0, 0, kWidth, kHeight}}, {"now_time", now_time},
    {"now_temp", now_temp},
    {"btn_app", btn_app},           {"btn_notePad", btn_notePad},
    {"btn_screenshot", btn_screenshot}, {"btn_shutdown", btn_shutdown},
    {"btn_suoxiao", btn_suoxiao},   {"btn_fangda", btn_suoxiao},
    {"btn_close", btn_close},       {"now_day", now_day},
    {"now_week", now_week},         {"now_datetime", now_datetime},
    {"now_lunar", now_lunar},       {"now_lunarYear", now_lunarYear},
    {"now_lunarMonth", now_lunarMonth}, {"lbl_festival", lbl_festival},
    {"lbl_yi_mark", yi_mark},       {"lbl_ji_mark", ji_mark},
    {"lbl_yi", lbl_yi},             {"lbl_ji", lbl_ji},
    {"btn_up_month", btn_up_month}, {"com_year", com_year},
    {"com_month", com_month},       {"btn_next_month", btn_next_month},
    {"btn_today", btn_today},       {"cal", cal},
    {"btn_soft_box_close", btn_soft_box_close}, {"btn_tools_fold", btn_tools_fold},
    {"btn_tools_unfold", btn_tools_fold}, {"hor_tools", hor_tools},
    {"select_city", select_city},
};

}  // namespace art::layout
