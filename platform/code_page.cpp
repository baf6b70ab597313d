#include "platform/code_page.h"

#include "platform/utf8_codec.h"

// The conversions between UTF-8 and wide text, the same on every platform. GBK is the system's business:
// code_page_iconv.cpp (iconv) or code_page_win32.cpp (code page 936 of Windows).
namespace platform {

std::wstring Utf8ToWide(std::string_view utf8) {
  std::wstring out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    char32_t c = DecodeUtf8(utf8, pos);
    if constexpr (sizeof(wchar_t) == 2) {
      if (c >= 0x10000) {
        c -= 0x10000;
        out += static_cast<wchar_t>(0xD800 + (c >> 10));
        out += static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
        continue;
      }
    }
    out += static_cast<wchar_t>(c);
  }
  return out;
}

std::string WideToUtf8(std::wstring_view wide) {
  std::string out;
  out.reserve(wide.size() * 3);
  for (std::size_t i = 0; i < wide.size(); ++i) {
    char32_t c = static_cast<char32_t>(wide[i]);
    if constexpr (sizeof(wchar_t) == 2) {
      c &= 0xFFFF;
      if (c >= 0xD800 && c <= 0xDBFF && i + 1 < wide.size()) {
        char32_t low = static_cast<char32_t>(wide[i + 1]) & 0xFFFF;
        if (low >= 0xDC00 && low <= 0xDFFF) {
          c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
          ++i;
        }
      }
    }
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = kReplacementCharacter;
    AppendUtf8(out, c);
  }
  return out;
}

std::size_t Utf8PrefixAtBoundary(std::string_view utf8, std::size_t maxBytes) {
  if (utf8.size() <= maxBytes) return utf8.size();
  std::size_t cut = maxBytes;
  // Step back over continuation bytes to the start of the character that would be split.
  while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80) --cut;
  return cut;
}

}  // namespace platform
