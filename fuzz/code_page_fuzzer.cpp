// The code-page conversions on hostile bytes (GBK, UTF-8 and wide text both ways). Every conversion is
// total, and what one produces the others take back unchanged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/code_page.h"

namespace {

void Check(bool holds) {
  if (!holds) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view const bytes(reinterpret_cast<const char*>(data), size);

  // As UTF-8: decoding is strict, so the wide text encodes to UTF-8 that decodes to the same wide text.
  std::wstring const wide = platform::Utf8ToWide(bytes);
  std::string const utf8 = platform::WideToUtf8(wide);
  Check(platform::Utf8ToWide(utf8) == wide);
  Check(platform::WideToUtf8(platform::Utf8ToWide(utf8)) == utf8);
  std::size_t const cut = platform::Utf8PrefixAtBoundary(utf8, size / 2);
  Check(cut <= utf8.size() && platform::WideToUtf8(platform::Utf8ToWide(utf8.substr(0, cut))) == utf8.substr(0, cut));

  // As GBK: the two ways to UTF-8 agree, and GBK that the encoder wrote decodes back to itself.
  std::wstring const fromGbk = platform::GbkToWide(bytes);
  Check(platform::GbkToUtf8(bytes) == platform::WideToUtf8(fromGbk));
  std::string const gbk = platform::WideToGbk(fromGbk);
  Check(platform::WideToGbk(platform::GbkToWide(gbk)) == gbk);
  Check(platform::Utf8ToGbk(utf8) == platform::WideToGbk(wide));
  return 0;
}
