#pragma once
// Where the display scale comes from on a desktop that gives windows no scale of their own (X11): the
// program's own option and variable first, then what the desktop tells its toolkits, else 1.
//   --scale F, WANNIANLI_SCALE       the user's choice for this program (1 to 3)
//   GDK_SCALE, QT_SCALE_FACTOR       the scale the desktop gives GTK and Qt programs
//   Xft.dpi (X resource)             96 = 1, 144 = 1.5, 192 = 2
// Pure functions but ScaleSourcesFromEnvironment, so the order is tested without a desktop.
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace DuiLib {

struct ScaleSources {
  std::optional<double> option;  // --scale, already checked
  std::string wannianliScale;    // WANNIANLI_SCALE
  std::string gdkScale;          // GDK_SCALE
  std::string qtScaleFactor;     // QT_SCALE_FACTOR
  std::string xftDpi;            // the X resource Xft.dpi
};

// A scale the user wrote: a number from 1 to 3 ("2", "1.5", "1.25"), else nullopt.
std::optional<double> ParseScale(std::string_view text);

// The scale of the first source that gives one. A desktop value outside 1..3 is brought into it (a Qt
// factor of 0.8 draws at 1, Xft.dpi 384 at 3); a malformed one is passed over. A WANNIANLI_SCALE that is not
// a scale from 1 to 3 is reported on `warnings` and passed over.
double ChooseDisplayScale(const ScaleSources& sources, std::ostream& warnings);

// WANNIANLI_SCALE, GDK_SCALE and QT_SCALE_FACTOR from the environment (xftDpi stays empty).
ScaleSources ScaleSourcesFromEnvironment();

// The value of Xft.dpi in the text of an X resource database ("Xft.dpi:\t192\n…"), or empty.
std::string XftDpiFromResources(std::string_view resources);

}  // namespace DuiLib
