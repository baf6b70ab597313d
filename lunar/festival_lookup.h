#pragma once
// The seam through which the lunar engine asks the almanac store for festival names. The engine itself
// has no database: until a store connects its look-ups (and whenever none is connected), every festival
// text stays empty.

// Looks `key` (NUL-terminated GBK text) up and, when a row exists, writes its NUL-terminated festival name
// (UTF-8, at most 17 bytes) into `out`, which holds 18 bytes. Returns whether the database file exists.
// May throw the almanac store's exception type.
using FestivalLookupFn = bool (*)(const char* key, char* out);

struct FestivalLookups {
  FestivalLookupFn gregorian = nullptr;  // key: month and day, "%d%d"
  FestivalLookupFn lunar = nullptr;      // key: lunar month text followed by lunar day text
};

void SetFestivalLookups(FestivalLookups lookups);
const FestivalLookups& GetFestivalLookups();
