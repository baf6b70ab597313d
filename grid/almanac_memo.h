#pragma once
// The widget asks the almanac the same questions again and again: every repaint converts each shown
// cell's date and asks for its festival names, every refresh asks for the tooltip, holiday row and
// rest/worked state of all 42 cells. The answers only change when the file does, so the widget remembers
// them until a batch of look-ups finds yiji.db changed (AlmanacGeneration, almanac/almanac_batch.h). Asking
// the memo makes no file-system call: a repaint or a clock tick between refreshes touches no file.
#include <cstdint>
#include <map>
#include <string>

#include "almanac/almanac_batch.h"
#include "almanac/almanac_store.h"
#include "grid/almanac_lookups.h"

namespace grid {

// Answers by key, forgotten whenever a batch finds the database file changed (or appeared, or gone), and
// after a batch whose look-ups failed (a busy file is asked again at the next refresh).
template <typename Key, typename Value>
class AlmanacMemo {
 public:
  template <typename Compute>
  Value Get(const Key& key, Compute&& compute) {
    auto const generation = AlmanacGeneration();
    if (!checked_ || generation != generation_) {
      values_.clear();
      generation_ = generation;
      checked_ = true;
    }
    if (auto const it = values_.find(key); it != values_.end()) return it->second;
    Value value = compute();
    values_.emplace(key, value);
    return value;
  }

 private:
  bool checked_ = false;
  std::uint64_t generation_ = 0;
  std::map<Key, Value> values_;
};

// `inner` with every answer remembered as above. The look-ups must not throw (wrap them soft first): a
// thrown question is asked again next time.
AlmanacLookups RememberedAlmanacLookups(AlmanacLookups inner);

}  // namespace grid
