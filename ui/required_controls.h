#pragma once
// The named controls a window cannot work without. A skin that lacks one, or gives the name to a control of
// another kind, is refused when the window is created (WindowImplBase::FindSkinProblem), as a missing skin
// file is, rather than drawing half a window.
#include <span>
#include <string>
#include <string_view>

namespace DuiLib {

class CPaintManagerUI;

// What the window does with the control: shows text on it (a Label or anything built on one: Text, Button,
// Option, Combo, Edit), clicks it (a Button or an Option), picks from it (a Combo), puts controls into it
// (a Container or a layout).
enum class ControlKind { label, button, combo, container };

struct RequiredControl {
  std::wstring_view name;
  ControlKind kind;
};

// The controls of `required` that the window's tree lacks or holds as another kind, as a skin error names
// them ("no control \"cal\" (a Container)", "\"now_day\" is a Control, not a Label"), joined by "; ";
// empty when every one is there.
std::string MissingControls(const CPaintManagerUI& manager, std::span<const RequiredControl> required);

}  // namespace DuiLib
