#include "app/widget.h"

#include <iostream>
#include <memory>
#include <functional>
#include <optional>
#include <vector>

#include "almanac/almanac_store.h"
#include "app/calendar_window.h"
#include "app/raise_on_request.h"
#include "app/remembered_place.h"
#include "grid/almanac_errors.h"
#include "platform/executable_path.h"
#include "platform/fatal_error.h"
#include "platform/code_page.h"
#include "platform/file_identity.h"
#include "platform/local_clock.h"
#include "platform/resource_folder.h"
#include "platform/single_instance.h"
#include "ui/host/display_scale.h"
#include "ui/host/headless_host.h"
#include "ui/dialog_builder.h"
#include "ui/host/native_host.h"
#include "ui/resource_path.h"
#include "windows/memo_window.h"
#include "windows/note_window.h"
#include "windows/soft_box_window.h"

using namespace DuiLib;

namespace app {
namespace {

// The main window, not shown yet, or null after a skin error (which the framework has reported, naming
// the file). A window whose skin failed has no native window and gets no final message, so it is freed
// here. A double-clicked wannianli.exe has no standard error to read the report on: it also gets a
// message box.
CalendarWindow* CreateMainWindow() {
  auto* window = new CalendarWindow(grid::WidgetAlmanacLookups());
  if (window->Create(nullptr, kWidgetTitle, UI_WNDSTYLE_FRAME, 0, 0, 0, 336, 494) == nullptr) {
    if (!window->GetSkinError().empty()) platform::ReportFatalError("wannianli: " + window->GetSkinError());
    delete window;
    return nullptr;
  }
  return window;
}

// The fonts of the main window's skin, for the host to make ready while it starts (called on its thread,
// so the path is worked out here).
std::function<std::vector<FontSpec>()> MainSkinFonts() {
  std::string const folder = SkinFolderPath(CPaintManagerUI::GetInstancePath(), CalendarWindow::kSkinFolder);
  std::string const file = PathInsideFolder(folder, platform::WideToUtf8(CalendarWindow::kSkinFile)).value_or("");
  return [file] { return CDialogBuilder::ReadFonts(file); };
}

std::string WindowIconFile() {
  char const s = platform::PathSeparator();
  return platform::ResourceFolder() + "skin" + s + "wannianli.png";
}

// After the loop: the main window is still there when "btn_close" ended it (a window-manager close has
// deleted it already); tool boxes may still be open.
void CloseRemainingWindows(CalendarWindow* window, HWND handle) {
  if (CWindowWnd::FromHandle(handle) == window) delete window;
  SoftBoxWindow::DestroyOpenBoxes();
  NoteWindow::DestroyOpenWindows();  // each saves what it can first
  MemoWindow::DestroyOpenWindow();
}

void WarnIfNoAlmanac() {
  auto const path = GetAlmanacDbPath();
  if (!platform::GetFileIdentity(path))
    std::cerr << "wannianli: no almanac database at " << path << "; almanac texts stay empty\n";
}

// A snapshot has no display whose scale it could follow: --scale, else WANNIANLI_SCALE, else 1.
double SnapshotScale(std::optional<double> option) {
  ScaleSources sources;
  sources.option = option;
  sources.wannianliScale = ScaleSourcesFromEnvironment().wannianliScale;
  return ChooseDisplayScale(sources, std::cerr);
}

int Snapshot(const std::string& file, std::optional<double> scale) {
  HeadlessHost host(SnapshotScale(scale));
  InstallHost(&host);
  int status = 1;
  // Always where a first start opens it, whatever place the user's settings hold.
  if (auto* window = CreateMainWindow()) {
    window->CenterWindow();
    window->ShowWindow(true, true);
    HWND const handle = window->GetHWND();
    host.RunUntilIdle();
    // Whole or not at all: a failed write leaves the old file (the cause is on standard error).
    if (host.SavePng(handle, file)) status = 0;
    CloseRemainingWindows(window, handle);
  }
  InstallHost(nullptr);
  return status;
}

int Interactive(std::optional<double> scale) {
  // Before anything slow: a later start only asks the running widget to come to the front.
  platform::SingleInstance instance(WidgetInstanceIdentity());
  if (instance.GetRole() == platform::SingleInstance::Role::later) {
    if (!instance.AskFirstToRaise()) std::cerr << "wannianli: already running, but the running widget did not answer\n";
    return 0;
  }
  if (!instance.Problem().empty()) {
    std::cerr << "wannianli: " << instance.Problem() << "; a second start would open a second widget\n";
  }
  std::unique_ptr<IHost> host = CreateNativeHost(scale, MainSkinFonts());
  if (!host) return 1;  // the reason is on standard error
  InstallHost(host.get());
  int status = 1;
  RememberedPlace place(SettingsFilePath(), std::cerr);
  if (auto* window = CreateMainWindow()) {
    HWND const handle = window->GetHWND();
    host->SetWindowIcon(handle, WindowIconFile());
    place.Apply(*window);
    window->ShowWindow(true, true);
    RaiseOnRequest const raiser(instance, *window);
    status = CPaintManagerUI::MessageLoop();
    place.Save();
    CloseRemainingWindows(window, handle);
  }
  InstallHost(nullptr);
  return status;
}

}  // namespace

int RunWidget(const WidgetOptions& options) {
  if (auto const& today = options.today) platform::SetClockSource(platform::FixedDateClock(today->year, today->month, today->day));
  grid::ConnectWidgetFestivalLookups();
  WarnIfNoAlmanac();
  return options.snapshotFile.empty() ? Interactive(options.scale) : Snapshot(options.snapshotFile, options.scale);
}

}  // namespace app
