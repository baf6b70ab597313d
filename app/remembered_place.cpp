#include "app/remembered_place.h"

#include <limits>
#include <ostream>

#include "app/calendar_window.h"
#include "platform/executable_path.h"
#include "platform/user_folders.h"

using namespace DuiLib;

namespace app {
namespace {

// A one-shot host timer on the main window, far from the ids the framework hands out for control timers.
constexpr std::uintptr_t kSaveTimer = std::numeric_limits<std::uintptr_t>::max() - 2;
// A drag sends many moves: the file is written once the window has rested this long.
constexpr UINT kSaveDelayMs = 1000;

}  // namespace

std::string SettingsFilePath() {
  std::string const folder = platform::ConfigFolder();
  return folder.empty() ? std::string() : folder + platform::PathSeparator() + "settings.ini";
}

RememberedPlace::RememberedPlace(std::string settingsPath, std::ostream& errors)
    : path(std::move(settingsPath)), err(errors) {
  if (path.empty()) return;
  auto const loaded = platform::LoadSettings(path);
  std::string problem = loaded.problem;
  if (loaded.status == platform::LoadedSettings::Status::loaded) {
    onFile = ReadWindowPlace(loaded.settings, problem);
    if (problem.empty()) settings = loaded.settings;
    else problem = path + ": " + problem;
  }
  if (!problem.empty()) {
    err << "wannianli: " << problem << "; the widget starts in its default place, and the file is rewritten "
        << "when the place changes\n";
  }
}

RememberedPlace::~RememberedPlace() {
  if (window != nullptr && CWindowWnd::FromHandle(handle) == window) {
    window->GetPaintManager().RemovePreMessageFilter(this);
    if (IHost* host = CurrentHost()) host->KillTimer(handle, kSaveTimer);
  }
}

void RememberedPlace::Apply(CalendarWindow& target) {
  window = &target;
  handle = target.GetHWND();
  IHost* host = CurrentHost();
  if (host == nullptr || handle == nullptr) return;
  if (onFile) {
    window->SetShrunk(onFile->shrunk);
    RECT const rc = host->GetWindowRect(handle);
    RECT const saved{onFile->x, onFile->y, onFile->x + rc.Width(), onFile->y + rc.Height()};
    auto const areas = host->GetWorkAreas();
    POINT const at = PlaceOnScreens(saved, areas);
    host->SetWindowRect(handle, RECT{at.x, at.y, at.x + rc.Width(), at.y + rc.Height()});
  } else {
    window->CenterWindow();
  }
  Note();
  window->GetPaintManager().AddPreMessageFilter(this);
}

void RememberedPlace::Note() {
  IHost* host = CurrentHost();
  if (host == nullptr || window == nullptr || CWindowWnd::FromHandle(handle) != window) return;
  RECT const rc = host->GetWindowRect(handle);
  current = WindowPlace{rc.left, rc.top, window->IsShrunk()};
}

void RememberedPlace::Save() {
  Note();
  if (path.empty() || !current || current == onFile) return;
  WriteWindowPlace(settings, *current);
  std::string const problem = platform::SaveSettings(path, settings);
  if (problem.empty()) {
    onFile = current;
  } else if (!writeFailed) {
    writeFailed = true;
    err << "wannianli: the widget's place is not kept: " << problem << "\n";
  }
}

LRESULT RememberedPlace::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM, bool& handled) {
  IHost* host = CurrentHost();
  if (host == nullptr) return 0;
  if (uMsg == WM_MOVE || uMsg == WM_SIZE) {
    Note();
    host->SetTimer(handle, kSaveTimer, kSaveDelayMs);  // restarts it
  } else if (uMsg == WM_TIMER && wParam == kSaveTimer) {
    handled = true;
    host->KillTimer(handle, kSaveTimer);
    Save();
  }
  return 0;
}

}  // namespace app
