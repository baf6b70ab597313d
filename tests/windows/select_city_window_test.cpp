// The dormant city window: closing without a native window, its list, size changes, item clicks.
#include "windows/select_city_window.h"

#include "windows_test_support.h"

namespace {

using namespace windowstest;

// Records the user messages that reach it.
class Owner : public WindowImplBase {
 public:
  LPCTSTR GetWindowClassName() const override { return L"Owner"; }
  CDuiString GetSkinFolder() override { return L"skin\\"; }
  CDuiString GetSkinFile() override { return L"select_city.xml"; }
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override {
    if (uMsg >= WM_USER) received.push_back(uMsg);
    return WindowImplBase::HandleMessage(uMsg, wParam, lParam);
  }
  std::vector<UINT> received;
};

using SelectCityTest = WindowsTest;

TEST_F(SelectCityTest, ClosingWithoutANativeWindowDoesNothing) {
  SelectCityWindow city;
  city.CloseIfOpen();
  host.RunUntilIdle();
  EXPECT_EQ(city.GetHWND(), nullptr);
  EXPECT_TRUE(host.Windows().empty());
}

TEST_F(SelectCityTest, OpenedItFindsItsListAndClosesWithResult2) {
  SelectCityWindow city;
  ASSERT_NE(city.Create(nullptr, L"SelectCityWindow", UI_WNDSTYLE_FRAME, 0, 0, 0, 240, 320), nullptr);
  ASSERT_NE(city.CityList(), nullptr);
  EXPECT_EQ(city.CityList()->GetName(), L"select_city");
  city.CloseIfOpen();
  host.RunUntilIdle();
  EXPECT_EQ(city.GetHWND(), nullptr);
}

TEST_F(SelectCityTest, ASizeChangeAnswers1AndLeavesTheLayout) {
  SelectCityWindow city;
  ASSERT_NE(city.Create(nullptr, L"SelectCityWindow", UI_WNDSTYLE_FRAME, 0, 0, 0, 240, 320), nullptr);
  host.RunUntilIdle();
  RECT const before = city.CityList()->GetPos();
  bool handled = false;
  EXPECT_EQ(city.OnSize(WM_SIZE, 0, MAKELPARAM(400, 500), handled), 1);
  host.RunUntilIdle();
  RECT const after = city.CityList()->GetPos();
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.right, before.right);
  EXPECT_EQ(after.bottom, before.bottom);
}

TEST_F(SelectCityTest, ItemClickWithoutOwnerPostsNothingAndWithOwnerTellsIt) {
  Owner owner;
  ASSERT_NE(owner.Create(nullptr, L"Owner", UI_WNDSTYLE_FRAME, 0, 0, 0, 240, 320), nullptr);
  SelectCityWindow city;
  ASSERT_NE(city.Create(nullptr, L"SelectCityWindow", UI_WNDSTYLE_FRAME, 0, 0, 0, 240, 320), nullptr);
  city.GetPaintManager().SendNotify(city.CityList(), L"itemclick");
  host.RunUntilIdle();
  EXPECT_TRUE(owner.received.empty());
  city.SetOwnerWindow(owner.GetHWND());
  city.GetPaintManager().SendNotify(city.CityList(), L"itemclick");
  city.GetPaintManager().SendNotify(city.CityList(), L"click");
  host.RunUntilIdle();
  EXPECT_EQ(owner.received, std::vector<UINT>{WM_CITY_CHOSEN});
}

}  // namespace
