#include "app/raise_on_request.h"

#include <limits>

#include "ui/host/native_host.h"

using namespace DuiLib;

namespace app {
namespace {

constexpr std::uintptr_t kRequestTimer = std::numeric_limits<std::uintptr_t>::max() - 3;
// Quick enough to feel immediate, rare enough to cost nothing.
constexpr UINT kRequestPollMs = 250;

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
  if (uMsg != WM_TIMER || wParam != kRequestTimer) return 0;
  handled = true;
  IHost* host = CurrentHost();
  if (host != nullptr && instance.TakeRaiseRequest()) {
    host->ShowNativeWindow(handle, true, true);
    host->RaiseWindow(handle);
  }
  return 0;
}

}  // namespace app
