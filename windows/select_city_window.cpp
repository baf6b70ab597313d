#include "windows/select_city_window.h"

using namespace DuiLib;

SelectCityWindow::~SelectCityWindow() = default;

void SelectCityWindow::InitWindow() { cityList = m_PaintManager.FindControl(L"select_city"); }

void SelectCityWindow::Notify(TNotifyUI& msg) {
  if (msg.sType == L"itemclick" && ownerWindow != nullptr) PostMessageW(ownerWindow, WM_CITY_CHOSEN, 0, 0);
}

LRESULT SelectCityWindow::OnSize(UINT, WPARAM, LPARAM, bool&) { return 1; }

void SelectCityWindow::CloseIfOpen() {
  if (GetHWND() != nullptr) Close(2);
}
