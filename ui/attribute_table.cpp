#include "ui/attribute_table.h"

namespace DuiLib {

std::string DescribeValue(const ValueRule& rule) {
  auto const range = std::to_string(rule.range.min) + ".." + std::to_string(rule.range.max);
  switch (rule.kind) {
    case ValueKind::Text: return "text";
    case ValueKind::Flag: return "true or false";
    case ValueKind::Color: return "a colour #RRGGBB or #AARRGGBB";
    case ValueKind::Int: return "an integer in " + range;
    case ValueKind::Rect: return "four integers l,t,r,b in " + range;
    case ValueKind::Size: return "two integers w,h in " + range;
    case ValueKind::Choice: return rule.choices;
  }
  return {};
}

}  // namespace DuiLib
