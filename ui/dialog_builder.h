#pragma once
// CDialogBuilder: builds a control tree from an XML skin (format in ui/README.md). The window element's
// properties (size, caption, default colours, fonts) go to the paint manager; control elements become
// controls whose attributes are applied with SetAttribute. A missing or malformed file and an unknown
// element throw SkinError; an unknown or malformed attribute is a warning on standard error.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/render/canvas.h"
#include "ui/ui_defs.h"

namespace DuiLib {

class CControlUI;
class CPaintManagerUI;

class IDialogBuilderCallback {
 public:
  virtual ~IDialogBuilderCallback() = default;
  // A control for an element name the framework does not know, or null.
  virtual CControlUI* CreateControl(std::wstring_view className) = 0;
};

class CDialogBuilder {
 public:
  // Builds from a file; returns the root control (owned by the caller until attached to the manager).
  CControlUI* Create(const std::string& file, IDialogBuilderCallback* callback, CPaintManagerUI* manager);
  // Builds from XML text; `name` stands for the file in messages.
  CControlUI* CreateFromString(std::string_view xml, const std::string& name, IDialogBuilderCallback* callback,
                               CPaintManagerUI* manager);

  // The fonts a skin file declares (its <Font> elements), read without building anything and without a
  // word on a problem (the build says it): none for a file that cannot be read or parsed.
  static std::vector<FontSpec> ReadFonts(const std::string& file);

  // The control of a framework element name ("Button", "Label", ...), or null.
  static std::unique_ptr<CControlUI> CreateBuiltinControl(std::wstring_view elementName);
};

}  // namespace DuiLib
