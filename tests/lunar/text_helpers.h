#pragma once
// The engine's GBK texts as UTF-8, so that tests can state their expectations readably.
#include <string>

#include "lunar/owned_text.h"
#include "platform/code_page.h"

inline std::string Utf8(const lunar::OwnedText& text) { return platform::GbkToUtf8(text.view()); }
