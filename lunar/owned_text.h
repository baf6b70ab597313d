#pragma once
// An owned, nullable byte string: null until first written, as every text of a CalendarDay starts.
// Readers that do not care about the difference get "" for null.
#include <optional>
#include <string>
#include <string_view>

namespace lunar {

class OwnedText {
 public:
  bool IsNull() const noexcept { return !text_.has_value(); }
  bool empty() const noexcept { return !text_ || text_->empty(); }

  // NUL-terminated bytes, "" when null. Valid until the next write to this text.
  const char* c_str() const noexcept { return text_ ? text_->c_str() : ""; }
  std::string_view view() const noexcept { return text_ ? std::string_view(*text_) : std::string_view(); }

  // Allocates on first use and overwrites afterwards.
  void Assign(std::string_view bytes) {
    if (!text_) text_.emplace();
    text_->assign(bytes);
  }

  // Empties a written text; a null text stays null.
  void Clear() noexcept {
    if (text_) text_->clear();
  }

 private:
  std::optional<std::string> text_;
};

}  // namespace lunar
