#pragma once
// Skin attributes declared once. Every control class has one table of attribute name → parser → setter;
// the setters are the ones code calls, so an attribute in a skin does exactly what its setter does. A
// control looks a name up in its own class's table, then in its base class's (CControlUI::ApplyAttribute).
// The window and font elements of a skin use tables of the same kind (ui/dialog_builder.cpp).
//
//   constexpr Attribute<CLabelUI> kLabelAttributes[] = {
//       ColorAttribute<&CLabelUI::SetTextColor>(L"textcolor"),
//       IntAttribute<&CLabelUI::SetFont, kFontIndexRange>(L"font"),
//   };
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ui/attribute_parse.h"

namespace DuiLib {

// What a good value looks like: the warning that refuses a value says it.
enum class ValueKind { Text, Flag, Color, Int, Rect, Size, Choice };
struct ValueRule {
  ValueKind kind = ValueKind::Text;
  IntRange range{0, 0};      // Int, Rect, Size: each number
  const char* choices = "";  // Choice: the words allowed, as a phrase
};
// "an integer in 0..16384", "true or false", ...
std::string DescribeValue(const ValueRule& rule);

enum class AttributeStatus { Applied, UnknownName, BadValue };
struct AttributeResult {
  AttributeStatus status = AttributeStatus::Applied;
  ValueRule expected;  // for BadValue
};

template <class Target>
struct Attribute {
  std::wstring_view name;
  bool (*apply)(Target& target, std::wstring_view value);  // false: malformed or out of range, nothing set
  ValueRule rule;
};

// Applies the attribute `name` of `table` to `target`; UnknownName when the table has none of that name.
template <class Target>
AttributeResult ApplyFromTable(std::span<const Attribute<Target>> table, Target& target, std::wstring_view name,
                               std::wstring_view value) {
  for (const Attribute<Target>& attribute : table) {
    if (attribute.name != name) continue;
    if (attribute.apply(target, value)) return {};
    return {AttributeStatus::BadValue, attribute.rule};
  }
  return {AttributeStatus::UnknownName, {}};
}

// Table entries made from a setter: the setter's class is the table's target.
template <class Setter>
struct SetterTraits;
template <class C, class R, class A>
struct SetterTraits<R (C::*)(A)> {
  using Target = C;
};
template <auto Setter>
using SetterTarget = typename SetterTraits<decltype(Setter)>::Target;

template <auto Setter>
constexpr Attribute<SetterTarget<Setter>> TextAttribute(std::wstring_view name) {
  return {name, [](SetterTarget<Setter>& target, std::wstring_view value) {
            (target.*Setter)(value);
            return true;
          },
          {ValueKind::Text}};
}

// An attribute whose value `Parse` turns into the setter's argument, or refuses (std::nullopt).
template <auto Setter, auto Parse, ValueKind Kind, IntRange Range = IntRange{0, 0}>
constexpr Attribute<SetterTarget<Setter>> ParsedAttribute(std::wstring_view name) {
  return {name, [](SetterTarget<Setter>& target, std::wstring_view value) {
            auto parsed = Parse(value);
            if (parsed) (target.*Setter)(*parsed);
            return parsed.has_value();
          },
          {Kind, Range}};
}

template <IntRange Range>
std::optional<int> ParseIntIn(std::wstring_view text) {
  return ParseInt(text, Range);
}
template <IntRange Range>
std::optional<RECT> ParseRectIn(std::wstring_view text) {
  return ParseRect(text, Range);
}

template <auto Setter>
constexpr auto FlagAttribute(std::wstring_view name) {
  return ParsedAttribute<Setter, &ParseBool, ValueKind::Flag>(name);
}
template <auto Setter>
constexpr auto ColorAttribute(std::wstring_view name) {
  return ParsedAttribute<Setter, &ParseColor, ValueKind::Color>(name);
}
template <auto Setter, IntRange Range>
constexpr auto IntAttribute(std::wstring_view name) {
  return ParsedAttribute<Setter, &ParseIntIn<Range>, ValueKind::Int, Range>(name);
}
template <auto Setter, IntRange Range>
constexpr auto RectAttribute(std::wstring_view name) {
  return ParsedAttribute<Setter, &ParseRectIn<Range>, ValueKind::Rect, Range>(name);
}

}  // namespace DuiLib
