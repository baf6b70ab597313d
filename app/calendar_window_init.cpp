// CalendarWindow::InitControls: the first fill once the skin is loaded.
#include <memory>

#include "app/calendar_window.h"
#include "platform/file_identity.h"

using namespace DuiLib;

void CalendarWindow::FallBackIfNoBackground() {
  auto* root = dynamic_cast<CContainerUI*>(m_PaintManager.FindControl(L"root_bg"));
  if (root == nullptr || platform::GetFileIdentity(m_PaintManager.ResolveFile(kBackgroundImage))) return;
  // Without the background picture the header's white texts would stand on white (the missing file is
  // reported once where it is drawn): the header gets its own blue, the body white.
  root->SetBkColor(kBodyColour);
  auto band = std::make_unique<CControlUI>();
  band->SetAttribute(L"float", L"true");
  band->SetAttribute(L"pos", L"0,0," + std::to_wstring(m_PaintManager.GetClientSize().cx) + L"," +
                                 std::to_wstring(m_PaintManager.GetCaptionRect().bottom));
  band->SetBkColor(kShrunkHeaderColour);
  band->SetMouseEnabled(false);
  if (root->AddAt(band.get(), 0)) band.release();  // the tree owns it now
}

void CalendarWindow::InitControls() {
  monthGrid.FindControls(m_PaintManager);
  nowTime = dynamic_cast<CLabelUI*>(m_PaintManager.FindControl(L"now_time"));
  nowTemp = dynamic_cast<CLabelUI*>(m_PaintManager.FindControl(L"now_temp"));
  // The cells and the clock come before anything that asks the almanac: should the almanac fail (its error
  // is reported at the dispatch), the widget still has its grid and its ticking clock, and the next
  // action fills what this one could not.
  FallBackIfNoBackground();
  RefreshClock();
  DisableToolsWithoutAction();
  BuildDayCells();
  if (auto* cal = monthGrid.Container()) m_PaintManager.SetTimer(cal, kClockTimerId, kClockTimerMs);
  GoToToday();
}
