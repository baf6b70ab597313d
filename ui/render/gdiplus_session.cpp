#include "ui/render/gdiplus_session.h"

#include <windows.h>

#include <gdiplus.h>

namespace DuiLib {

bool StartGdiplusOnce() {
  static bool const started = [] {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
  }();
  return started;
}

}  // namespace DuiLib
