#pragma once
// SelectCityWindow: the city list window ("select_city.xml"). The main window holds one by value and
// closes it on a caption press and when it closes itself; nothing opens it yet, so it stays dormant.
// When it is open and has an owner, every "itemclick" of its controls tells the owner with
// WM_CITY_CHOSEN (no data: the owner reads the list).
#include "ui/ui_framework.h"

inline constexpr DuiLib::UINT WM_CITY_CHOSEN = DuiLib::WM_USER + 15;

class SelectCityWindow : public DuiLib::WindowImplBase {
 public:
  SelectCityWindow() = default;
  ~SelectCityWindow() override;

  DuiLib::LPCTSTR GetWindowClassName() const override { return L"SelectCityWindow"; }
  void InitWindow() override;
  void Notify(DuiLib::TNotifyUI& msg) override;
  // The layout stays as the skin made it.
  DuiLib::LRESULT OnSize(DuiLib::UINT uMsg, DuiLib::WPARAM wParam, DuiLib::LPARAM lParam, bool& handled) override;

  DuiLib::CDuiString GetSkinFolder() override { return L"skin\\"; }
  DuiLib::CDuiString GetSkinFile() override { return L"select_city.xml"; }

  // Closes the native window, if there is one, with result 2.
  void CloseIfOpen();

  void SetOwnerWindow(DuiLib::HWND owner) { ownerWindow = owner; }
  DuiLib::CControlUI* CityList() const { return cityList; }

 private:
  DuiLib::CControlUI* cityList = nullptr;  // "select_city"; not owning
  DuiLib::HWND ownerWindow = nullptr;
};
