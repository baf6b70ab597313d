#pragma once
// The window of wannianli-skin-preview: a skin file from skin/ as a framework window in which no control
// does anything. It can close itself after a while, and report its first painted frame.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "ui/ui_framework.h"

namespace preview {

class PreviewWindow : public DuiLib::WindowImplBase {
 public:
  // `saveFrame` writes the window's last painted frame and answers whether it could (null: none painted yet).
  using FrameSaver = std::function<std::optional<bool>(DuiLib::HWND window)>;

  explicit PreviewWindow(std::wstring skinFile) : m_skinFile(std::move(skinFile)) {}

  DuiLib::LPCTSTR GetWindowClassName() const override { return L"WannianliSkinPreview"; }
  DuiLib::CDuiString GetSkinFolder() override { return L"skin\\"; }
  DuiLib::CDuiString GetSkinFile() override { return m_skinFile; }

  // Saves the first painted frame with `saver`, then closes.
  void SaveFirstFrameAndClose(FrameSaver saver);
  void CloseAfter(int seconds);
  bool Saved() const { return m_saved; }

  DuiLib::LRESULT HandleMessage(DuiLib::UINT message, DuiLib::WPARAM wParam, DuiLib::LPARAM lParam) override;
  void OnFinalMessage(DuiLib::HWND window) override;

 private:
  std::wstring m_skinFile;
  FrameSaver m_saver;
  bool m_saved = false;
};

}  // namespace preview
