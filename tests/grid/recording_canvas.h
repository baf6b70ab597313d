#pragma once
// A canvas that records what is drawn on it, in order, and draws nothing.
#include <string>
#include <vector>

#include "ui/render/canvas.h"

namespace gridtest {

class RecordingCanvas : public DuiLib::ICanvas {
 public:
  struct Text {
    DuiLib::RECT rect;
    std::wstring text;
    DuiLib::FontSpec font;
    DuiLib::DWORD colour;
    DuiLib::UINT style;
  };
  std::vector<Text> texts;
  std::vector<std::string> steps;  // "image <file name>", "fill" and "text" in drawing order
  std::vector<std::pair<DuiLib::RECT, DuiLib::DWORD>> fills;

  void FillRect(const DuiLib::RECT& rect, DuiLib::DWORD argb) override {
    fills.push_back({rect, argb});
    steps.push_back("fill");
  }
  void DrawFrame(const DuiLib::RECT&, int, DuiLib::DWORD) override {}
  bool DrawImage(const DuiLib::RECT&, const std::string& file) override {
    steps.push_back("image " + file.substr(file.find_last_of("/\\") + 1));
    return true;
  }
  DuiLib::SIZE ImageSize(const std::string&) override { return {49, 50}; }
  void DrawText(const DuiLib::RECT& rect, std::wstring_view text, const DuiLib::FontSpec& font, DuiLib::DWORD argb,
                DuiLib::UINT style) override {
    texts.push_back({rect, std::wstring(text), font, argb, style});
    steps.push_back("text");
  }
  DuiLib::SIZE MeasureText(std::wstring_view text, const DuiLib::FontSpec& font, int, DuiLib::UINT) override {
    return {static_cast<int>(text.size()) * font.size, font.size};
  }
  void PushClip(const DuiLib::RECT&) override {}
  void PopClip() override {}
};

}  // namespace gridtest
