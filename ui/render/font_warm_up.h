#pragma once
// fontconfig and pango's font map take tens of milliseconds to start (configuration, font caches, the
// first CJK font resolved). StartFontWarmUp does that on a thread while the program opens its database
// and loads its skin; the first canvas (CairoCanvas) calls FinishFontWarmUp, which waits for the thread
// and makes the warmed font map the UI thread's own. Until then only that thread touches pango or
// fontconfig, so nothing of theirs is ever used from two threads at once. Without a start (tests,
// snapshots) both do nothing.
namespace DuiLib {

void StartFontWarmUp();
void FinishFontWarmUp();

}  // namespace DuiLib
