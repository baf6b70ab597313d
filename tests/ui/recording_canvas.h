#pragma once
// A canvas that records what is drawn, for tests of the core without cairo.
#include <string>
#include <vector>

#include "ui/render/canvas.h"

namespace uitest {

struct DrawnText {
  DuiLib::RECT rect;
  std::wstring text;
  DuiLib::FontSpec font;
  DuiLib::DWORD color;
  DuiLib::UINT style;
};

class RecordingCanvas : public DuiLib::ICanvas {
 public:
  void FillRect(const DuiLib::RECT& rect, DuiLib::DWORD argb) override { fills.push_back({rect, argb}); }
  void DrawFrame(const DuiLib::RECT& rect, int, DuiLib::DWORD argb) override { frames.push_back({rect, argb}); }
  bool DrawImage(const DuiLib::RECT& dest, const std::string& file) override {
    images.push_back({dest, file});
    return true;
  }
  DuiLib::SIZE ImageSize(const std::string&) override { return {8, 8}; }
  void DrawText(const DuiLib::RECT& rect, std::wstring_view text, const DuiLib::FontSpec& font, DuiLib::DWORD argb,
                DuiLib::UINT style) override {
    texts.push_back({rect, std::wstring(text), font, argb, style});
  }
  DuiLib::SIZE MeasureText(std::wstring_view text, const DuiLib::FontSpec& font, int, DuiLib::UINT) override {
    return {static_cast<int>(text.size()) * font.size, font.size};
  }
  void PushClip(const DuiLib::RECT&) override { ++depth; }
  void PopClip() override { --depth; }

  struct Fill {
    DuiLib::RECT rect;
    DuiLib::DWORD color;
  };
  struct Image {
    DuiLib::RECT rect;
    std::string file;
  };
  std::vector<Fill> fills;
  std::vector<Fill> frames;
  std::vector<Image> images;
  std::vector<DrawnText> texts;
  int depth = 0;
};

}  // namespace uitest
