#include "lunar/festival_lookup.h"

namespace {

FestivalLookups& Installed() {
  static FestivalLookups lookups;
  return lookups;
}

}  // namespace

void SetFestivalLookups(FestivalLookups lookups) { Installed() = lookups; }

const FestivalLookups& GetFestivalLookups() { return Installed(); }
