#include "ui/demo/demo_images.h"

#include <functional>

#include "ui/render/cairo_canvas.h"

namespace demo {
namespace {

using namespace DuiLib;

bool Draw(const std::string& file, int width, int height, const std::function<void(ICanvas&)>& paint) {
  CairoFrame frame(width, height);
  paint(frame.Canvas());
  frame.Flush();
  return frame.SavePng(file);
}

// A rounded-looking button face: a fill, a lighter top half, a frame.
void ButtonFace(ICanvas& canvas, int width, int height, DWORD fill, DWORD top, DWORD frame) {
  canvas.FillRect(RECT{0, 0, width, height}, fill);
  canvas.FillRect(RECT{1, 1, width - 1, height / 2}, top);
  canvas.DrawFrame(RECT{0, 0, width, height}, 1, frame);
}

// A vertical gradient in steps of one row.
void Gradient(ICanvas& canvas, int width, int height, DWORD from, DWORD to) {
  auto channel = [](DWORD c, int shift) { return static_cast<int>((c >> shift) & 0xFF); };
  for (int y = 0; y < height; ++y) {
    DWORD c = 0xFF000000;
    for (int shift : {16, 8, 0}) {
      int v = channel(from, shift) + (channel(to, shift) - channel(from, shift)) * y / std::max(1, height - 1);
      c |= static_cast<DWORD>(v) << shift;
    }
    canvas.FillRect(RECT{0, y, width, y + 1}, c);
  }
}

}  // namespace

bool WriteDemoImages(const std::string& folder) {
  bool ok = true;
  ok &= Draw(folder + "btn_normal.png", 100, 32, [](ICanvas& c) { ButtonFace(c, 100, 32, 0xFFE6ECF4, 0xFFF3F6FA, 0xFF7A95B8); });
  ok &= Draw(folder + "btn_hot.png", 100, 32, [](ICanvas& c) { ButtonFace(c, 100, 32, 0xFFCFE0F5, 0xFFE4EEFA, 0xFF3F7CC4); });
  ok &= Draw(folder + "btn_pushed.png", 100, 32, [](ICanvas& c) {
    ButtonFace(c, 100, 32, 0xFFB4CCEA, 0xFFA9C3E4, 0xFF2D5F9E);
    c.DrawFrame(RECT{1, 1, 99, 31}, 1, 0xFF2D5F9E);
  });
  ok &= Draw(folder + "opt_normal.png", 56, 30, [](ICanvas& c) {
    c.FillRect(RECT{0, 0, 56, 30}, 0xFFFFFFFF);
    c.DrawFrame(RECT{0, 0, 56, 30}, 1, 0xFFB0B0B0);
  });
  ok &= Draw(folder + "opt_selected.png", 56, 30, [](ICanvas& c) {
    c.FillRect(RECT{0, 0, 56, 30}, 0xFFC62828);
    c.FillRect(RECT{0, 26, 56, 30}, 0xFF8E1B1B);
  });
  ok &= Draw(folder + "title_band.png", 440, 40, [](ICanvas& c) { Gradient(c, 440, 40, 0xFF9C2A22, 0xFF6E1A15); });
  return ok;
}

}  // namespace demo
