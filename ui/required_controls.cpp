#include "ui/required_controls.h"

#include "platform/code_page.h"
#include "ui/button_ui.h"
#include "ui/combo_ui.h"
#include "ui/container_ui.h"
#include "ui/paint_manager_ui.h"

namespace DuiLib {
namespace {

bool IsKind(CControlUI* control, ControlKind kind) {
  switch (kind) {
    case ControlKind::label: return dynamic_cast<CLabelUI*>(control) != nullptr;
    case ControlKind::button: return dynamic_cast<CButtonUI*>(control) != nullptr;
    case ControlKind::combo: return dynamic_cast<CComboUI*>(control) != nullptr;
    case ControlKind::container: return dynamic_cast<CContainerUI*>(control) != nullptr;
  }
  return false;
}

// The skin element a kind is written as.
std::string_view ElementOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::label: return "Label";
    case ControlKind::button: return "Button";
    case ControlKind::combo: return "Combo";
    case ControlKind::container: return "Container";
  }
  return "";
}

}  // namespace

std::string MissingControls(const CPaintManagerUI& manager, std::span<const RequiredControl> required) {
  std::string problems;
  for (auto const& [name, kind] : required) {
    CControlUI* control = manager.FindControl(name);
    if (control != nullptr && IsKind(control, kind)) continue;
    if (!problems.empty()) problems += "; ";
    std::string const quoted = "\"" + platform::WideToUtf8(name) + "\"";
    std::string element(ElementOf(kind));
    if (control == nullptr) {
      problems += "no control " + quoted + " (a " + element + ")";
    } else {
      // The class name less its "UI": the element the skin wrote.
      std::string found = platform::WideToUtf8(control->GetClass());
      if (found.ends_with("UI")) found.resize(found.size() - 2);
      problems += quoted + " is a " + found + ", not a " + element;
    }
  }
  return problems;
}

}  // namespace DuiLib
