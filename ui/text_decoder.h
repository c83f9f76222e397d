#pragma once

#include <QString>
#include <optional>
#include <string_view>

// Decodes bytes of the given iconv character set. Strict decoding fails on
// any byte sequence that is not valid; lenient decoding puts U+FFFD there.
std::optional<QString> DecodeStrict(std::string_view bytes, const char* charset);
QString DecodeLenient(std::string_view bytes, const char* charset);

inline constexpr const char* kShiftJis = "CP932";
inline constexpr const char* kWestern = "CP1252";
