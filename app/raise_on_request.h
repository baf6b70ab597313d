#pragma once
// The running widget's side of "one widget per user session": later starts ask it to come to the front
// (platform/single_instance.h). Where the requests arrive on a socket, they are looked for, without ever
// blocking, on each timer tick of the main window (the clock's every second, a slow timer of its own).
#include "platform/single_instance.h"
#include "ui/ui_framework.h"

namespace app {

// The widget's claim: its name, and the class and title of its main window (found by them on Windows).
platform::InstanceIdentity WidgetInstanceIdentity();
// The title window managers, task bars and window switchers show.
inline constexpr wchar_t kWidgetTitle[] = L"万年历";

class RaiseOnRequest : public DuiLib::IMessageFilterUI {
 public:
  // Watches for requests while `window` lives, when `instance` is the first start and listens for them.
  RaiseOnRequest(platform::SingleInstance& instance, DuiLib::WindowImplBase& window);
  ~RaiseOnRequest() override;
  RaiseOnRequest(const RaiseOnRequest&) = delete;
  RaiseOnRequest& operator=(const RaiseOnRequest&) = delete;

  DuiLib::LRESULT MessageHandler(DuiLib::UINT uMsg, DuiLib::WPARAM wParam, DuiLib::LPARAM lParam,
                                 bool& handled) override;

 private:
  platform::SingleInstance& instance;
  DuiLib::WindowImplBase* window = nullptr;  // null when nothing is watched
  DuiLib::HWND handle = nullptr;
};

}  // namespace app
