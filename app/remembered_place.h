#pragma once
// The widget's place across runs: read from the settings file before the window shows, written back a
// moment after the user leaves it somewhere new (moved, shrunk or enlarged), and once more at the end.
// A snapshot never uses it: what a snapshot shows must not depend on the user's file.
#include <iosfwd>
#include <optional>
#include <string>

#include "app/window_place.h"
#include "platform/settings_file.h"
#include "ui/ui_framework.h"

class CalendarWindow;

namespace app {

// The settings file of this user: settings.ini in platform::ConfigFolder(), or empty when there is none.
std::string SettingsFilePath();

class RememberedPlace : public DuiLib::IMessageFilterUI {
 public:
  // Reads the file at `settingsPath` (empty: nothing is read or written). A bad file gets one message on
  // `err`, and the widget starts in its default place.
  RememberedPlace(std::string settingsPath, std::ostream& err);
  ~RememberedPlace() override;
  RememberedPlace(const RememberedPlace&) = delete;
  RememberedPlace& operator=(const RememberedPlace&) = delete;

  // Before the window shows: the saved form, then the saved position pulled onto a screen, else the
  // window centred on the screen. From then on the window's moves and changes of form are watched.
  void Apply(CalendarWindow& window);
  // Writes the last place seen when it differs from the one on file. A failed write gets one message.
  void Save();

  DuiLib::LRESULT MessageHandler(DuiLib::UINT uMsg, DuiLib::WPARAM wParam, DuiLib::LPARAM lParam,
                                 bool& handled) override;

 private:
  void Note();  // the window's place now

  std::string path;
  std::ostream& err;
  platform::Settings settings;           // everything on file, so that other settings survive a save
  std::optional<WindowPlace> onFile;     // the place the file holds
  std::optional<WindowPlace> current;    // the place last seen
  CalendarWindow* window = nullptr;
  DuiLib::HWND handle = nullptr;
  bool writeFailed = false;
};

}  // namespace app
