#include "app/raise_on_request.h"

#include <limits>

#include "ui/host/native_host.h"

using namespace DuiLib;

namespace app {
namespace {

constexpr std::uintptr_t kRequestTimer = std::numeric_limits<std::uintptr_t>::max() - 3;
// A request is looked for on every timer tick the window gets anyway (the clock's, once a second), so a
// second start is answered within a second and waiting for one wakes the idle widget no more often: a
// timer of its own at 250 ms cost more than the clock itself. This one only backs the others up: every
// other tick pushes it back, so it fires only when nothing else has ticked for that long (a skin without
// the clock) and never wakes the widget between two ticks of the clock.
constexpr UINT kRequestPollMs = 5000;

}  // namespace

platform::InstanceIdentity WidgetInstanceIdentity() { return {"wannianli", kNativeWindowClass, kWidgetTitle}; }

RaiseOnRequest::RaiseOnRequest(platform::SingleInstance& claim, WindowImplBase& target) : instance(claim) {
  IHost* host = CurrentHost();
  if (host == nullptr || target.GetHWND() == nullptr || !instance.ListensForRequests()) return;
  window = &target;
  handle = target.GetHWND();
  window->GetPaintManager().AddPreMessageFilter(this);
  host->SetTimer(handle, kRequestTimer, kRequestPollMs);
}

RaiseOnRequest::~RaiseOnRequest() {
  if (window == nullptr || CWindowWnd::FromHandle(handle) != window) return;
  window->GetPaintManager().RemovePreMessageFilter(this);
  if (IHost* host = CurrentHost()) host->KillTimer(handle, kRequestTimer);
}

LRESULT RaiseOnRequest::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM, bool& handled) {
  if (uMsg != WM_TIMER) return 0;
  handled = wParam == kRequestTimer;  // other ticks go on to their owners
  IHost* host = CurrentHost();
  if (host == nullptr) return 0;
  if (!handled) host->SetTimer(handle, kRequestTimer, kRequestPollMs);  // restarts it
  if (instance.TakeRaiseRequest()) {
    host->ShowNativeWindow(handle, true, true);
    host->RaiseWindow(handle);
  }
  return 0;
}

}  // namespace app
