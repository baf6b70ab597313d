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

std::string CalendarWindow::FindSkinProblem() {
  static constexpr RequiredControl kRequired[] = {
      {L"root_bg", ControlKind::container},
      {L"now_time", ControlKind::label},
      {L"btn_close", ControlKind::button},
  };
  std::string problem = MissingControls(m_PaintManager, kRequired);
  auto const add = [&problem](const std::string& more) {
    if (!more.empty()) problem += (problem.empty() ? "" : "; ") + more;
  };
  static constexpr RequiredControl kShrinkPair[] = {{L"btn_suoxiao", ControlKind::button},
                                                    {L"btn_fangda", ControlKind::button}};
  if (m_PaintManager.FindControl(L"btn_suoxiao") != nullptr || m_PaintManager.FindControl(L"btn_fangda") != nullptr) {
    std::string const pair = MissingControls(m_PaintManager, kShrinkPair);
    if (!pair.empty()) add(pair + " (\"btn_suoxiao\" and \"btn_fangda\" go together)");
  }
  add(grid::MonthGridView::SkinProblem(m_PaintManager));
  return problem;
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
