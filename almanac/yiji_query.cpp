#include <string>
#include <vector>

#include "almanac/almanac_batch.h"
#include "almanac/almanac_connection.h"
#include "almanac/almanac_file.h"
#include "almanac/almanac_keys.h"
#include "almanac/almanac_store.h"

namespace {

// Appends the keytable word of `id`, if it has one, and reports whether it did.
bool AppendWord(AlmanacFile& file, const std::string& id, std::string& out) {
  const std::string* word = file.Word(id);
  if (word != nullptr) out += *word;
  return word != nullptr;
}

}  // namespace

bool QueryYiJiWords(std::vector<std::string>& out, bool yi, DateTimeRecord date) {
  AlmanacBatch batch;
  AlmanacFile* file = UseAlmanac();
  if (file == nullptr) return false;
  const YiJiRow& row = file->YiJi(DateKey(date));
  if (!row.found) return true;
  for (const std::string& id : SplitString(yi ? row.yi : row.ji, ",")) {
    if (const std::string* word = file->Word(id)) out.push_back(*word);
  }
  return true;
}

bool QueryYiJi(std::string& out, bool yi, DateTimeRecord date) {
  AlmanacBatch batch;
  AlmanacFile* file = UseAlmanac();
  if (file == nullptr) return false;
  const YiJiRow& row = file->YiJi(DateKey(date));
  const std::vector<std::string> ids = row.found ? SplitString(yi ? row.yi : row.ji, ",") : std::vector<std::string>();
  if (ids.size() > 2) {
    for (std::size_t i = 0; i < 2; ++i) {
      if (AppendWord(*file, ids[i], out)) out += ' ';
    }
  } else if (!ids.empty()) {
    AppendWord(*file, ids[0], out);
  }
  return true;
}
