#include "ui/dialog_builder.h"

#include <pugixml.hpp>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

#include "platform/code_page.h"
#include "ui/attribute_parse.h"
#include "ui/button_ui.h"
#include "ui/combo_ui.h"
#include "ui/container_ui.h"
#include "ui/edit_ui.h"
#include "ui/horizontal_layout_ui.h"
#include "ui/label_ui.h"
#include "ui/option_ui.h"
#include "ui/paint_manager_ui.h"
#include "ui/skin_error.h"
#include "ui/text_ui.h"
#include "ui/vertical_layout_ui.h"

namespace DuiLib {
namespace {

class Builder {
 public:
  Builder(std::string_view xml, std::string name, IDialogBuilderCallback* callback, CPaintManagerUI* manager)
      : m_xml(xml), m_name(std::move(name)), m_callback(callback), m_manager(manager) {}

  CControlUI* Build() {
    pugi::xml_document doc;
    pugi::xml_parse_result parsed = doc.load_buffer(m_xml.data(), m_xml.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed) throw SkinError(m_name, LineAt(static_cast<std::size_t>(parsed.offset)), parsed.description());
    pugi::xml_node window = doc.document_element();
    if (std::string_view(window.name()) != "Window") {
      throw SkinError(m_name, LineOf(window), "the root element must be <Window>, not <" + std::string(window.name()) + ">");
    }
    ApplyWindow(window);
    std::unique_ptr<CControlUI> root;
    for (pugi::xml_node node : window.children()) {
      if (node.type() != pugi::node_element) continue;
      std::string element = node.name();
      if (element == "Font") {
        AddFont(node);
        continue;
      }
      if (root) throw SkinError(m_name, LineOf(node), "<Window> holds more than one root control");
      root = BuildControl(node);
    }
    if (!root) throw SkinError(m_name, LineOf(window), "<Window> holds no control");
    return root.release();
  }

 private:
  int LineAt(std::size_t offset) const {
    int line = 1;
    for (std::size_t i = 0; i < offset && i < m_xml.size(); ++i) {
      if (m_xml[i] == '\n') ++line;
    }
    return line;
  }
  int LineOf(const pugi::xml_node& node) const {
    return node.offset_debug() < 0 ? 0 : LineAt(static_cast<std::size_t>(node.offset_debug()));
  }

  void Warn(const pugi::xml_node& node, const pugi::xml_attribute& attr) const {
    std::fprintf(stderr, "skin warning: %s:%d: <%s> ignores the attribute %s=\"%s\" (unknown name or bad value)\n",
                 m_name.c_str(), LineOf(node), node.name(), attr.name(), attr.value());
  }

  void ApplyWindow(const pugi::xml_node& window) {
    for (pugi::xml_attribute attr : window.attributes()) {
      std::wstring value = platform::Utf8ToWide(attr.value());
      std::string_view name = attr.name();
      bool ok = true;
      if (name == "size") {
        auto size = ParseSize(value);
        ok = size.has_value() && size->cx > 0 && size->cy > 0;
        if (ok && m_manager != nullptr) m_manager->SetInitSize(size->cx, size->cy);
      } else if (name == "caption") {
        auto rc = ParseRect(value);
        ok = rc.has_value();
        if (ok && m_manager != nullptr) m_manager->SetCaptionRect(*rc);
      } else if (name == "defaultfontcolor" || name == "disabledfontcolor") {
        auto color = ParseColor(value);
        ok = color.has_value();
        if (ok && m_manager != nullptr) {
          if (name == "defaultfontcolor") m_manager->SetDefaultFontColor(*color);
          else m_manager->SetDefaultDisabledColor(*color);
        }
      } else {
        ok = false;
      }
      if (!ok) Warn(window, attr);
    }
  }

  void AddFont(const pugi::xml_node& node) {
    FontSpec font;
    std::optional<int> id;
    bool isDefault = false;
    for (pugi::xml_attribute attr : node.attributes()) {
      std::wstring value = platform::Utf8ToWide(attr.value());
      std::string_view name = attr.name();
      bool ok = true;
      if (name == "id") {
        id = ParseInt(value);
        ok = id.has_value();
      } else if (name == "face" || name == "name") {
        font.face = value;
      } else if (name == "size") {
        auto size = ParseInt(value);
        ok = size.has_value() && *size > 0;
        if (ok) font.size = *size;
      } else if (name == "bold" || name == "italic" || name == "underline" || name == "default") {
        auto flag = ParseBool(value);
        ok = flag.has_value();
        if (ok) {
          if (name == "bold") font.bold = *flag;
          else if (name == "italic") font.italic = *flag;
          else if (name == "underline") font.underline = *flag;
          else isDefault = *flag;
        }
      } else {
        ok = false;
      }
      if (!ok) Warn(node, attr);
    }
    if (!id) throw SkinError(m_name, LineOf(node), "<Font> needs a numeric id");
    if (m_manager == nullptr) return;
    m_manager->AddFont(*id, font);
    if (isDefault) m_manager->SetDefaultFont(font);
  }

  std::unique_ptr<CControlUI> BuildControl(const pugi::xml_node& node) {
    std::wstring element = platform::Utf8ToWide(node.name());
    std::unique_ptr<CControlUI> control = CDialogBuilder::CreateBuiltinControl(element);
    if (!control && m_callback != nullptr) control.reset(m_callback->CreateControl(element));
    if (!control) throw SkinError(m_name, LineOf(node), "unknown element <" + std::string(node.name()) + ">");
    for (pugi::xml_attribute attr : node.attributes()) {
      if (!control->SetAttribute(platform::Utf8ToWide(attr.name()), platform::Utf8ToWide(attr.value()))) {
        Warn(node, attr);
      }
    }
    auto* container = dynamic_cast<CContainerUI*>(control.get());
    auto* combo = dynamic_cast<CComboUI*>(control.get());
    for (pugi::xml_node child : node.children()) {
      if (child.type() != pugi::node_element) continue;
      if (combo != nullptr && std::string_view(child.name()) == "Item") {
        AddItem(*combo, child);
      } else if (container != nullptr) {
        container->Add(BuildControl(child).release());
      } else {
        throw SkinError(m_name, LineOf(child),
                        "<" + std::string(node.name()) + "> cannot hold <" + std::string(child.name()) + ">");
      }
    }
    return control;
  }

  void AddItem(CComboUI& combo, const pugi::xml_node& node) {
    std::wstring text;
    bool visible = true;
    bool selected = false;
    for (pugi::xml_attribute attr : node.attributes()) {
      std::string_view name = attr.name();
      bool ok = true;
      if (name == "text") {
        text = platform::Utf8ToWide(attr.value());
      } else if (name == "visible" || name == "selected") {
        auto flag = ParseBool(platform::Utf8ToWide(attr.value()));
        ok = flag.has_value();
        if (ok) (name == "visible" ? visible : selected) = *flag;
      } else {
        ok = false;
      }
      if (!ok) Warn(node, attr);
    }
    int index = combo.AddItem(text, visible);
    if (selected) combo.SelectItem(index);
  }

  std::string_view m_xml;
  std::string m_name;
  IDialogBuilderCallback* m_callback;
  CPaintManagerUI* m_manager;
};

}  // namespace

CControlUI* CDialogBuilder::Create(const std::string& file, IDialogBuilderCallback* callback,
                                   CPaintManagerUI* manager) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw SkinError(file, 0, "cannot open the skin file");
  std::ostringstream text;
  text << in.rdbuf();
  return CreateFromString(text.str(), file, callback, manager);
}

CControlUI* CDialogBuilder::CreateFromString(std::string_view xml, const std::string& name,
                                             IDialogBuilderCallback* callback, CPaintManagerUI* manager) {
  return Builder(xml, name, callback, manager).Build();
}

std::unique_ptr<CControlUI> CDialogBuilder::CreateBuiltinControl(std::wstring_view element) {
  if (element == L"Control") return std::make_unique<CControlUI>();
  if (element == L"Label") return std::make_unique<CLabelUI>();
  if (element == L"Text") return std::make_unique<CTextUI>();
  if (element == L"Button") return std::make_unique<CButtonUI>();
  if (element == L"Option") return std::make_unique<COptionUI>();
  if (element == L"Combo") return std::make_unique<CComboUI>();
  if (element == L"Edit") return std::make_unique<CEditUI>();
  if (element == L"Container") return std::make_unique<CContainerUI>();
  if (element == L"VerticalLayout") return std::make_unique<CVerticalLayoutUI>();
  if (element == L"HorizontalLayout") return std::make_unique<CHorizontalLayoutUI>();
  return nullptr;
}

}  // namespace DuiLib
