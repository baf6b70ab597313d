#include "preview_window.h"

namespace preview {
namespace {

constexpr std::uintptr_t kSaveTimer = 0x5EED1;
constexpr std::uintptr_t kCloseTimer = 0x5EED2;

}  // namespace

void PreviewWindow::SaveFirstFrameAndClose(FrameSaver saver) {
  m_saver = std::move(saver);
  if (DuiLib::IHost* host = DuiLib::CurrentHost()) host->SetTimer(GetHWND(), kSaveTimer, 100);
}

void PreviewWindow::CloseAfter(int seconds) {
  if (DuiLib::IHost* host = DuiLib::CurrentHost()) {
    host->SetTimer(GetHWND(), kCloseTimer, static_cast<DuiLib::UINT>(seconds) * 1000);
  }
}

DuiLib::LRESULT PreviewWindow::HandleMessage(DuiLib::UINT message, DuiLib::WPARAM wParam, DuiLib::LPARAM lParam) {
  if (message == DuiLib::WM_TIMER && wParam == kSaveTimer && m_saver) {
    // Timers come after paints: once there is a frame, it is the first painted one.
    if (std::optional<bool> const saved = m_saver(GetHWND())) {
      DuiLib::CurrentHost()->KillTimer(GetHWND(), kSaveTimer);
      m_saved = *saved;
      Close(0);
    }
    return 0;
  }
  if (message == DuiLib::WM_TIMER && wParam == kCloseTimer) {
    Close(0);
    return 0;
  }
  return WindowImplBase::HandleMessage(message, wParam, lParam);
}

void PreviewWindow::OnFinalMessage(DuiLib::HWND window) {
  WindowImplBase::OnFinalMessage(window);
  DuiLib::PostQuitMessage(0);
}

}  // namespace preview
