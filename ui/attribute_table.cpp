#include "ui/attribute_table.h"

namespace DuiLib {

std::string DescribeValue(const ValueSpec& spec) {
  auto const range = std::to_string(spec.range.min) + ".." + std::to_string(spec.range.max);
  switch (spec.kind) {
    case ValueKind::Text: return "text";
    case ValueKind::Flag: return "true or false";
    case ValueKind::Color: return "a colour #RRGGBB or #AARRGGBB";
    case ValueKind::Int: return "an integer in " + range;
    case ValueKind::Rect: return "four integers l,t,r,b in " + range;
    case ValueKind::Size: return "two integers w,h in " + range;
    case ValueKind::Choice: return spec.choices;
  }
  return {};
}

}  // namespace DuiLib
