#pragma once
// The windows of wannianli-skin-preview, in which no control does anything: a skin file from skin/ as it
// stands, or the main window's month grid filled for a date. Either can close itself after a while and
// report its first painted frame.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "app/calendar_window.h"
#include "ui/ui_framework.h"

namespace preview {

// `saver` writes the window's last painted frame and answers whether it could (nullopt: none painted yet).
using FrameSaver = std::function<std::optional<bool>(DuiLib::HWND window)>;

inline constexpr std::uintptr_t kSaveTimer = 0x5EED1;
inline constexpr std::uintptr_t kCloseTimer = 0x5EED2;

// The preview's behaviour on top of a window class.
template <class Base>
class Previewing : public Base {
 public:
  using Base::Base;

  // Saves the first painted frame with `saver`, then closes.
  void SaveFirstFrameAndClose(FrameSaver saver) {
    m_saver = std::move(saver);
    if (DuiLib::IHost* host = DuiLib::CurrentHost()) host->SetTimer(this->GetHWND(), kSaveTimer, 100);
  }
  void CloseAfter(int seconds) {
    if (DuiLib::IHost* host = DuiLib::CurrentHost()) {
      host->SetTimer(this->GetHWND(), kCloseTimer, static_cast<DuiLib::UINT>(seconds) * 1000);
    }
  }
  bool Saved() const { return m_saved; }

  DuiLib::LRESULT HandleMessage(DuiLib::UINT message, DuiLib::WPARAM wParam, DuiLib::LPARAM lParam) override {
    if (message == DuiLib::WM_TIMER && wParam == kSaveTimer && m_saver) {
      // Timers come after paints: once there is a frame, it is the first painted one.
      if (std::optional<bool> const saved = m_saver(this->GetHWND())) {
        DuiLib::CurrentHost()->KillTimer(this->GetHWND(), kSaveTimer);
        m_saved = *saved;
        this->Close(0);
      }
      return 0;
    }
    if (message == DuiLib::WM_TIMER && wParam == kCloseTimer) {
      this->Close(0);
      return 0;
    }
    return Base::HandleMessage(message, wParam, lParam);
  }

  void OnFinalMessage(DuiLib::HWND window) override {
    Base::OnFinalMessage(window);
    DuiLib::PostQuitMessage(0);
  }

 private:
  FrameSaver m_saver;
  bool m_saved = false;
};

// A skin file as it stands.
class SkinWindow : public DuiLib::WindowImplBase {
 public:
  explicit SkinWindow(std::wstring skinFile) : m_skinFile(std::move(skinFile)) {}
  DuiLib::LPCTSTR GetWindowClassName() const override { return L"WannianliSkinPreview"; }
  DuiLib::CDuiString GetSkinFolder() override { return L"skin\\"; }
  DuiLib::CDuiString GetSkinFile() override { return m_skinFile; }

 private:
  std::wstring m_skinFile;
};

// The main window's grid, header and details for `today` (the clock must already say that date), with
// the almanac on yiji.db beside the program.
class CalendarMonth : public CalendarWindow {
 public:
  void Notify(DuiLib::TNotifyUI& msg) override;
};

}  // namespace preview
