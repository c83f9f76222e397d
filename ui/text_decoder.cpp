#include "ui/text_decoder.h"

#include <iconv.h>

#include <cerrno>
#include <string>

namespace {

std::optional<QString> Decode(std::string_view bytes, const char* charset, bool strict) {
  iconv_t converter = iconv_open("UTF-8", charset);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  char chunk[4096];
  char* in = const_cast<char*>(bytes.data());
  size_t inLeft = bytes.size();
  while (inLeft > 0) {
    char* to = chunk;
    size_t toLeft = sizeof chunk;
    size_t done = iconv(converter, &in, &inLeft, &to, &toLeft);
    out.append(chunk, static_cast<size_t>(to - chunk));
    if (done != static_cast<size_t>(-1) || errno == E2BIG) continue;
    if (strict) {
      iconv_close(converter);
      return std::nullopt;
    }
    out += "\xEF\xBF\xBD";
    ++in;
    --inLeft;
  }
  iconv_close(converter);
  return QString::fromUtf8(out);
}

}  // namespace

std::optional<QString> DecodeStrict(std::string_view bytes, const char* charset) {
  return Decode(bytes, charset, true);
}

QString DecodeLenient(std::string_view bytes, const char* charset) {
  return Decode(bytes, charset, false).value_or(QString());
}
