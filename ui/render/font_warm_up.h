#pragma once
// fontconfig and pango's font map take tens of milliseconds to start (configuration, font caches, the
// first CJK font resolved), and each font of a skin costs a few more the first time (fontconfig sorts the
// faces for it). StartFontWarmUp does that on a thread while the program connects to the display and loads
// its database and skin; the first canvas (CairoCanvas) calls FinishFontWarmUp, which waits for the thread
// and makes the warmed font map the UI thread's own. Until then only that thread touches pango or
// fontconfig, so nothing of theirs is ever used from two threads at once. Without a start (tests,
// snapshots) both do nothing.
#include <functional>
#include <vector>

#include "ui/render/canvas.h"

namespace DuiLib {

// `fonts`, called on the thread, names the fonts the first frame will use (a skin's <Font> list) at
// `scale`; without it, or when it names none, the default face at common sizes is warmed.
void StartFontWarmUp(std::function<std::vector<FontSpec>()> fonts = {}, double scale = 1.0);
void FinishFontWarmUp();

}  // namespace DuiLib
