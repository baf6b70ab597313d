#include "platform/code_page.h"

#include <cerrno>
#include <iconv.h>

#include "platform/utf8_codec.h"

// GBK through the C library's iconv (Linux and other POSIX systems).
namespace platform {
namespace {

// One iconv descriptor per direction and thread, opened on first use and closed at thread exit.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts all of `in`; an invalid, incomplete or unconvertible sequence is skipped (`skip` tells how many
  // bytes make the offending character) and replaced by `replacement` in the output.
  std::string Run(std::string_view in, std::string_view replacement,
                  std::size_t (*skip)(std::string_view rest)) {
    std::string out;
    if (!ok()) return out;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    out.reserve(in.size() * 3 / 2 + 4);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char buffer[256];
    while (srcLeft > 0) {
      char* dst = buffer;
      size_t dstLeft = sizeof buffer;
      size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buffer, dst);
      if (rc == static_cast<size_t>(-1)) {
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL: drop one byte and go on.
        out.append(replacement);
        std::size_t n = skip(std::string_view(src, srcLeft));
        src += n;
        srcLeft -= n;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
      }
    }
    char* dst = buffer;
    size_t dstLeft = sizeof buffer;
    iconv(cd_, nullptr, nullptr, &dst, &dstLeft);
    out.append(buffer, dst);
    return out;
  }

 private:
  iconv_t cd_;
};

Converter& GbkToUtf8Converter() {
  thread_local Converter c("UTF-8", "GBK");
  return c;
}

Converter& Utf8ToGbkConverter() {
  thread_local Converter c("GBK", "UTF-8");
  return c;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
  return GbkToUtf8Converter().Run(gbk, "\xEF\xBF\xBD", [](std::string_view) -> std::size_t { return 1; });
}

std::string Utf8ToGbk(std::string_view utf8) {
  // A valid character that GBK lacks is skipped whole, so it gives one '?', not one per byte.
  return Utf8ToGbkConverter().Run(utf8, "?", [](std::string_view rest) {
    std::size_t pos = 0;
    DecodeUtf8(rest, pos);
    return pos;
  });
}

std::wstring GbkToWide(std::string_view gbk) { return Utf8ToWide(GbkToUtf8(gbk)); }

std::string WideToGbk(std::wstring_view wide) { return Utf8ToGbk(WideToUtf8(wide)); }

}  // namespace platform
