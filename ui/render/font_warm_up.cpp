#include "ui/render/font_warm_up.h"

#include <pango/pangocairo.h>

#include <mutex>
#include <thread>

#include "ui/render/cairo_canvas.h"

namespace DuiLib {
namespace {

thread_local bool onWarmUpThread = false;

// The thread and what it leaves; joined at the first canvas, or at exit when the program ends before one.
struct WarmUp {
  std::mutex mutex;
  std::thread thread;
  PangoFontMap* map = nullptr;  // the warm-up thread's font map, handed over after the join

  ~WarmUp() {
    if (thread.joinable()) thread.join();
    if (map != nullptr) g_object_unref(map);
  }
};

WarmUp& State() {
  static WarmUp state;
  return state;
}

// The canvas itself on a small frame, drawing Chinese, Latin and digits in the default faces: the same
// language, options and fallback faces as every later canvas, so fontconfig's configuration and caches,
// the CJK font's face and the common glyphs are ready for the first frame.
void Warm() {
  onWarmUpThread = true;
  {
    CairoFrame frame(64, 32);
    for (int size : {12, 16}) {
      for (bool bold : {false, true}) {
        FontSpec font;
        font.size = size;
        font.bold = bold;
        frame.Canvas().DrawText(RECT{0, 0, 64, 32}, L"二〇二六年腊月初八 宜忌 星期一 10:24:37", font, 0xFF000000,
                                DT_SINGLELINE);
      }
    }
  }
  State().map = PANGO_FONT_MAP(g_object_ref(pango_cairo_font_map_get_default()));
}

}  // namespace

void StartFontWarmUp() {
  WarmUp& state = State();
  std::lock_guard lock(state.mutex);
  if (state.thread.joinable() || state.map != nullptr) return;
  state.thread = std::thread(Warm);
}

void FinishFontWarmUp() {
  if (onWarmUpThread) return;
  WarmUp& state = State();
  std::lock_guard lock(state.mutex);
  if (!state.thread.joinable()) return;
  state.thread.join();
  if (state.map != nullptr) pango_cairo_font_map_set_default(PANGO_CAIRO_FONT_MAP(state.map));
}

}  // namespace DuiLib
