#include "ui/dialog_builder.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#include "platform/code_page.h"
#include "platform/regular_file.h"
#include "ui/attribute_table.h"
#include "ui/button_ui.h"
#include "ui/combo_ui.h"
#include "ui/container_ui.h"
#include "ui/edit_ui.h"
#include "ui/horizontal_layout_ui.h"
#include "ui/label_ui.h"
#include "ui/option_ui.h"
#include "ui/paint_manager_ui.h"
#include "ui/rich_edit_ui.h"
#include "ui/skin_error.h"
#include "ui/text_ui.h"
#include "ui/vertical_layout_ui.h"

namespace DuiLib {
namespace {

// A hostile skin may carry thousands of bad attributes: the first ones say enough.
constexpr int kMaxWarnings = 50;

bool ApplyWindowSize(CPaintManagerUI& manager, std::wstring_view value) {
  auto size = ParseSize(value, kWindowExtentRange);
  if (size) manager.SetInitSize(size->cx, size->cy);
  return size.has_value();
}

constexpr Attribute<CPaintManagerUI> kWindowAttributes[] = {
    {L"size", &ApplyWindowSize, {ValueKind::Size, kWindowExtentRange}},
    RectAttribute<&CPaintManagerUI::SetCaptionRect, kCaptionRange>(L"caption"),
    ColorAttribute<&CPaintManagerUI::SetDefaultFontColor>(L"defaultfontcolor"),
    ColorAttribute<&CPaintManagerUI::SetDefaultDisabledColor>(L"disabledfontcolor"),
};

// A <Font> element as it is read.
struct FontElement {
  FontSpec font;
  std::optional<int> id;
  bool isDefault = false;
  void SetId(int value) { id = value; }
  void SetFace(std::wstring_view face) { font.face = CDuiString(face); }
  void SetSize(int size) { font.size = size; }
  void SetBold(bool bold) { font.bold = bold; }
  void SetItalic(bool italic) { font.italic = italic; }
  void SetUnderline(bool underline) { font.underline = underline; }
  void SetDefault(bool value) { isDefault = value; }
};

constexpr Attribute<FontElement> kFontAttributes[] = {
    IntAttribute<&FontElement::SetId, kFontIdRange>(L"id"),
    TextAttribute<&FontElement::SetFace>(L"face"),
    TextAttribute<&FontElement::SetFace>(L"name"),
    IntAttribute<&FontElement::SetSize, kFontSizeRange>(L"size"),
    FlagAttribute<&FontElement::SetBold>(L"bold"),
    FlagAttribute<&FontElement::SetItalic>(L"italic"),
    FlagAttribute<&FontElement::SetUnderline>(L"underline"),
    FlagAttribute<&FontElement::SetDefault>(L"default"),
};

// An <Item> of a combo as it is read.
struct ItemElement {
  CDuiString text;
  bool visible = true;
  bool selected = false;
  void SetText(std::wstring_view value) { text = CDuiString(value); }
  void SetVisible(bool value) { visible = value; }
  void SetSelected(bool value) { selected = value; }
};

constexpr Attribute<ItemElement> kItemAttributes[] = {
    TextAttribute<&ItemElement::SetText>(L"text"),
    FlagAttribute<&ItemElement::SetVisible>(L"visible"),
    FlagAttribute<&ItemElement::SetSelected>(L"selected"),
};

class Builder {
 public:
  Builder(std::string_view xml, std::string name, IDialogBuilderCallback* callback, CPaintManagerUI* manager)
      : m_xml(xml), m_name(std::move(name)), m_callback(callback), m_manager(manager) {
    for (std::size_t i = 0; i < m_xml.size(); ++i) {
      if (m_xml[i] == '\n') m_lineEnds.push_back(i);
    }
  }

  CControlUI* Build() {
    pugi::xml_document doc;
    pugi::xml_parse_result parsed = doc.load_buffer(m_xml.data(), m_xml.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed) throw SkinError(m_name, LineAt(static_cast<std::size_t>(parsed.offset)), parsed.description());
    pugi::xml_node window = doc.document_element();
    if (std::string_view(window.name()) != "Window") {
      throw SkinError(m_name, LineOf(window),
                      "the root element must be <Window>, not <" + QuoteForMessage(window.name()) + ">");
    }
    ApplyWindow(window);
    std::unique_ptr<CControlUI> root;
    for (pugi::xml_node node : window.children()) {
      if (node.type() != pugi::node_element) continue;
      if (std::string_view(node.name()) == "Font") {
        AddFont(node);
        continue;
      }
      if (root) throw SkinError(m_name, LineOf(node), "<Window> holds more than one root control");
      root = BuildControl(node, 1);
    }
    if (!root) throw SkinError(m_name, LineOf(window), "<Window> holds no control");
    if (m_warnings > kMaxWarnings) {
      std::fprintf(stderr, "skin warning: %s: %d more warnings not shown\n", m_name.c_str(), m_warnings - kMaxWarnings);
    }
    return root.release();
  }

 private:
  int LineAt(std::size_t offset) const {
    auto const before = std::lower_bound(m_lineEnds.begin(), m_lineEnds.end(), offset);
    return static_cast<int>(before - m_lineEnds.begin()) + 1;
  }
  int LineOf(const pugi::xml_node& node) const {
    return node.offset_debug() < 0 ? 0 : LineAt(static_cast<std::size_t>(node.offset_debug()));
  }

  void Warn(const pugi::xml_node& node, const pugi::xml_attribute& attr, const AttributeResult& result) {
    if (result.status == AttributeStatus::Applied || ++m_warnings > kMaxWarnings) return;
    std::string const why = result.status == AttributeStatus::UnknownName ? "unknown name"
                                                                          : "expected " + DescribeValue(result.expected);
    std::fprintf(stderr, "skin warning: %s:%d: <%s> ignores the attribute %s=\"%s\" (%s)\n", m_name.c_str(),
                 LineOf(node), QuoteForMessage(node.name()).c_str(), QuoteForMessage(attr.name()).c_str(),
                 QuoteForMessage(attr.value()).c_str(), why.c_str());
  }

  template <class Target>
  void ApplyAll(const pugi::xml_node& node, std::span<const Attribute<Target>> table, Target& target) {
    for (pugi::xml_attribute attr : node.attributes()) {
      Warn(node, attr,
           ApplyFromTable(table, target, platform::Utf8ToWide(attr.name()), platform::Utf8ToWide(attr.value())));
    }
  }

  void ApplyWindow(const pugi::xml_node& window) {
    CPaintManagerUI scratch;  // a build without a window still checks the window's attributes
    ApplyAll<CPaintManagerUI>(window, kWindowAttributes, m_manager != nullptr ? *m_manager : scratch);
  }

  void AddFont(const pugi::xml_node& node) {
    FontElement element;
    ApplyAll<FontElement>(node, kFontAttributes, element);
    if (!element.id) throw SkinError(m_name, LineOf(node), "<Font> needs an id in 0..9999");
    if (m_manager == nullptr) return;
    m_manager->AddFont(*element.id, element.font);
    if (element.isDefault) m_manager->SetDefaultFont(element.font);
  }

  // `depth` counts the controls from the root (1) down to this one. Every walk of the finished tree recurses
  // once a level, so a deeper skin is refused here rather than overflowing the stack later.
  std::unique_ptr<CControlUI> BuildControl(const pugi::xml_node& node, int depth) {
    if (depth > kMaxSkinDepth) {
      throw SkinError(m_name, LineOf(node), "controls nest more than " + std::to_string(kMaxSkinDepth) + " levels deep");
    }
    std::wstring element = platform::Utf8ToWide(node.name());
    std::unique_ptr<CControlUI> control = CDialogBuilder::CreateBuiltinControl(element);
    if (!control && m_callback != nullptr) control.reset(m_callback->CreateControl(element));
    if (!control) throw SkinError(m_name, LineOf(node), "unknown element <" + QuoteForMessage(node.name()) + ">");
    // A combo's items come first, so that its "cursel" can name one.
    auto* combo = dynamic_cast<CComboUI*>(control.get());
    if (combo != nullptr) AddItems(*combo, node);
    for (pugi::xml_attribute attr : node.attributes()) {
      Warn(node, attr, control->ApplyAttribute(platform::Utf8ToWide(attr.name()), platform::Utf8ToWide(attr.value())));
    }
    auto* container = dynamic_cast<CContainerUI*>(control.get());
    for (pugi::xml_node child : node.children()) {
      if (child.type() != pugi::node_element) continue;
      if (combo != nullptr && std::string_view(child.name()) == "Item") continue;
      if (container == nullptr) {
        throw SkinError(m_name, LineOf(child),
                        "<" + QuoteForMessage(node.name()) + "> cannot hold <" + QuoteForMessage(child.name()) + ">");
      }
      container->Add(BuildControl(child, depth + 1).release());
    }
    return control;
  }

  void AddItems(CComboUI& combo, const pugi::xml_node& node) {
    for (pugi::xml_node child : node.children("Item")) {
      ItemElement item;
      ApplyAll<ItemElement>(child, kItemAttributes, item);
      int index = combo.AddItem(item.text, item.visible);
      if (item.selected) combo.SelectItem(index);
    }
  }

  std::string_view m_xml;
  std::string m_name;
  IDialogBuilderCallback* m_callback;
  CPaintManagerUI* m_manager;
  std::vector<std::size_t> m_lineEnds;  // offsets of the '\n' bytes, for line numbers
  int m_warnings = 0;
};

std::string DescribeUnreadableSkin(platform::FileReadError error) {
  switch (error) {
    case platform::FileReadError::NotRegular: return "the skin file is not a regular file (a FIFO, a device or a folder)";
    case platform::FileReadError::TooLarge: return "the skin file is larger than " + std::to_string(kMaxSkinFileBytes >> 20) + " MiB";
    case platform::FileReadError::ReadFailed: return "cannot read the skin file";
    default: return "cannot open the skin file";
  }
}

}  // namespace

CControlUI* CDialogBuilder::Create(const std::string& file, IDialogBuilderCallback* callback,
                                   CPaintManagerUI* manager) {
  platform::FileContents contents = platform::ReadRegularFile(file, kMaxSkinFileBytes);
  if (contents.error != platform::FileReadError::None) throw SkinError(file, 0, DescribeUnreadableSkin(contents.error));
  return CreateFromString(contents.bytes, file, callback, manager);
}

CControlUI* CDialogBuilder::CreateFromString(std::string_view xml, const std::string& name,
                                             IDialogBuilderCallback* callback, CPaintManagerUI* manager) {
  return Builder(xml, name, callback, manager).Build();
}

std::vector<FontSpec> CDialogBuilder::ReadFonts(const std::string& file) {
  platform::FileContents contents = platform::ReadRegularFile(file, kMaxSkinFileBytes);
  pugi::xml_document doc;
  if (contents.error != platform::FileReadError::None ||
      !doc.load_buffer(contents.bytes.data(), contents.bytes.size(), pugi::parse_default, pugi::encoding_utf8)) {
    return {};
  }
  std::vector<FontSpec> fonts;
  for (pugi::xml_node node : doc.document_element().children("Font")) {
    FontElement element;
    for (pugi::xml_attribute attr : node.attributes()) {
      ApplyFromTable<FontElement>(kFontAttributes, element, platform::Utf8ToWide(attr.name()),
                                  platform::Utf8ToWide(attr.value()));
    }
    fonts.push_back(element.font);
  }
  return fonts;
}

std::unique_ptr<CControlUI> CDialogBuilder::CreateBuiltinControl(std::wstring_view element) {
  if (element == L"Control") return std::make_unique<CControlUI>();
  if (element == L"Label") return std::make_unique<CLabelUI>();
  if (element == L"Text") return std::make_unique<CTextUI>();
  if (element == L"Button") return std::make_unique<CButtonUI>();
  if (element == L"Option") return std::make_unique<COptionUI>();
  if (element == L"Combo") return std::make_unique<CComboUI>();
  if (element == L"Edit") return std::make_unique<CEditUI>();
  if (element == L"RichEdit") return std::make_unique<CRichEditUI>();
  if (element == L"Container") return std::make_unique<CContainerUI>();
  if (element == L"VerticalLayout") return std::make_unique<CVerticalLayoutUI>();
  if (element == L"HorizontalLayout") return std::make_unique<CHorizontalLayoutUI>();
  return nullptr;
}

}  // namespace DuiLib
