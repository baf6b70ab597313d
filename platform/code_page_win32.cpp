#include "platform/code_page.h"

#include <windows.h>

#include <climits>

// GBK as Windows' code page 936. Invalid input is replaced the way the iconv conversions replace it: one
// U+FFFD per byte that starts no GBK character, one '?' per character that GBK cannot hold.
namespace platform {
namespace {

constexpr UINT kGbkCodePage = 936;
constexpr wchar_t kReplacement = 0xFFFD;

bool IsLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

// Decodes all of `gbk` into `out`, or returns false if any of it is not valid GBK.
bool DecodeStrictly(std::string_view gbk, std::wstring& out) {
  out.clear();
  if (gbk.empty()) return true;
  if (gbk.size() > INT_MAX) return false;
  int const size = static_cast<int>(gbk.size());
  int const n = MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, gbk.data(), size, nullptr, 0);
  if (n <= 0) return false;
  out.resize(static_cast<std::size_t>(n));
  return MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, gbk.data(), size, out.data(), n) == n;
}

// Encodes all of `wide` into `out`, or returns false if GBK lacks any of it (no best-fit look-alikes).
bool EncodeStrictly(std::wstring_view wide, std::string& out) {
  out.clear();
  if (wide.empty()) return true;
  if (wide.size() > INT_MAX / 2) return false;
  int const size = static_cast<int>(wide.size());
  BOOL usedDefault = FALSE;
  int const n = WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr,
                                    &usedDefault);
  if (n <= 0 || usedDefault) return false;
  out.resize(static_cast<std::size_t>(n));
  return WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, out.data(), n, nullptr,
                             &usedDefault) == n &&
         !usedDefault;
}

}  // namespace

std::wstring GbkToWide(std::string_view gbk) {
  std::wstring out;
  if (DecodeStrictly(gbk, out)) return out;
  // Something is invalid: go character by character so that only the bad bytes are lost. A lead byte whose
  // pair does not decode is one bad byte; the byte after it starts afresh.
  out.clear();
  std::wstring one;
  for (std::size_t pos = 0; pos < gbk.size();) {
    bool const pair = IsLeadByte(static_cast<unsigned char>(gbk[pos])) && pos + 1 < gbk.size();
    std::size_t const length = pair ? 2 : 1;
    if (DecodeStrictly(gbk.substr(pos, length), one)) {
      out += one;
      pos += length;
    } else {
      out += kReplacement;
      ++pos;
    }
  }
  return out;
}

std::string WideToGbk(std::wstring_view wide) {
  std::string out;
  if (EncodeStrictly(wide, out)) return out;
  // Something is missing from GBK: go character by character (a surrogate pair is one character).
  out.clear();
  std::string one;
  for (std::size_t i = 0; i < wide.size();) {
    bool const pair = wide[i] >= 0xD800 && wide[i] <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
                      wide[i + 1] <= 0xDFFF;
    std::size_t const length = pair ? 2 : 1;
    out += EncodeStrictly(wide.substr(i, length), one) ? one : std::string("?");
    i += length;
  }
  return out;
}

std::string GbkToUtf8(std::string_view gbk) { return WideToUtf8(GbkToWide(gbk)); }

std::string Utf8ToGbk(std::string_view utf8) { return WideToGbk(Utf8ToWide(utf8)); }

}  // namespace platform
