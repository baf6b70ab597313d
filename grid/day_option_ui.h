#pragma once
// DayOptionUI: one day cell of the month grid. An option of the group "calendar" that holds a date and
// paints, over its background and selected image, the day number and beneath it a festival, a solar term or
// the lunar day. Its own label text is never drawn.
#include "almanac/date_time_record.h"
#include "grid/almanac_lookups.h"
#include "ui/ui_framework.h"

class DayOptionUI : public DuiLib::COptionUI {
 public:
  // `lookups` answers ChooseSelectedImage's questions; it must outlive the cell (the grid view keeps it).
  // Null: no almanac.
  explicit DayOptionUI(const grid::AlmanacLookups* lookups = nullptr);
  ~DayOptionUI() override;

  // Converts the stored date again on every paint; a date that is not a real date draws no text. Today's
  // day number is drawn white on a blue mark.
  void PaintText(DuiLib::HDC hDC) override;

  // The selected image for the stored date: worked day, rest day, or the default image. Nothing for a date
  // that is not a real date.
  void ChooseSelectedImage();

  DateTimeRecord date;  // all zeros until the first fill; a hidden cell keeps the date of its last fill
  // The user wrote a note on the date: a small mark in the cell's top-left corner.
  bool hasNote = false;
  // What the note pass added to the tooltip (taken off again before the next pass adds its own).
  std::wstring noteTip;

 private:
  const grid::AlmanacLookups* lookups_;
};
