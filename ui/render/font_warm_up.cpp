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

// What the first frame draws most: the month's digits, lunar days and weekdays, the clock.
constexpr wchar_t kWarmText[] = L"0123456789:- 初一二三四五六七八九十廿卅 正冬腊月闰年 星期日 宜忌";

// The canvas itself, drawing the common characters in each font: the same language, options, faces and
// font descriptions as every later canvas, so fontconfig's configuration and caches, each font's sorted
// faces and the common glyphs are ready for the first frame.
void Warm(std::function<std::vector<FontSpec>()> fonts, double scale) {
  onWarmUpThread = true;
  {
    std::vector<FontSpec> wanted = fonts ? fonts() : std::vector<FontSpec>{};
    if (wanted.empty()) {
      for (int size : {12, 16}) {
        for (bool bold : {false, true}) wanted.push_back(FontSpec{L"", size, bold, false, false});
      }
    }
    CairoFrame frame(640, 64, scale);
    for (const FontSpec& font : wanted) {
      frame.Canvas().DrawText(RECT{0, 0, 640, 64}, kWarmText, font, 0xFF000000, DT_SINGLELINE);
    }
  }
  State().map = PANGO_FONT_MAP(g_object_ref(pango_cairo_font_map_get_default()));
}

}  // namespace

void StartFontWarmUp(std::function<std::vector<FontSpec>()> fonts, double scale) {
  WarmUp& state = State();
  std::lock_guard lock(state.mutex);
  if (state.thread.joinable() || state.map != nullptr) return;
  state.thread = std::thread(Warm, std::move(fonts), scale);
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
