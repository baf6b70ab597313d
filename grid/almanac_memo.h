#pragma once
// The widget asks the almanac the same questions again and again: every repaint converts each shown
// cell's date and asks for its festival names, every refresh asks for the tooltip, holiday row and
// rest/worked state of all 42 cells. Each answer costs a statement on yiji.db (parse, file locks). The
// answers only change when the file does, so the widget remembers them while yiji.db stays the same file
// (same identity: device, inode, size, modification time), at the cost of one stat per question.
#include <map>
#include <optional>
#include <string>

#include "almanac/almanac_store.h"
#include "grid/almanac_lookups.h"
#include "platform/file_identity.h"

namespace grid {

// Answers by key, forgotten whenever the database file changes (or appears, or goes).
template <typename Key, typename Value>
class AlmanacMemo {
 public:
  template <typename Compute>
  Value Get(const Key& key, Compute&& compute) {
    auto const identity = platform::GetFileIdentity(GetAlmanacDbPath());
    if (!checked_ || identity != identity_) {
      values_.clear();
      identity_ = identity;
      checked_ = true;
    }
    if (auto const it = values_.find(key); it != values_.end()) return it->second;
    Value value = compute();
    values_.emplace(key, value);
    return value;
  }

 private:
  bool checked_ = false;
  std::optional<platform::FileIdentity> identity_;
  std::map<Key, Value> values_;
};

// `inner` with every answer remembered as above. The look-ups must not throw (wrap them soft first): a
// thrown question is asked again next time.
AlmanacLookups RememberedAlmanacLookups(AlmanacLookups inner);

}  // namespace grid
