#pragma once

#include <string>
#include <string_view>

// The program's own texts, shown to the user exactly as they stand.
namespace messages {

inline constexpr std::string_view kChooseFiles =
    "ファイルを指定してください。\nまたは処理するファイルが多すぎますので、\n分割して指定してくださ"
    "い。";
inline constexpr std::string_view kCannotOpenInput = "開けないファイルがあります。";
inline constexpr std::string_view kCompleted =
    "お待たせしました。\n処理は終了しました。\nあとはQueltaさんに\n登録してもらってください。";
inline constexpr std::string_view kWriteError = "ｽﾄﾘｰﾑへの書き込みｴﾗｰ";

inline std::string CannotCreate(std::string_view path) {
  return "ﾌｧｲﾙ " + std::string(path) + " を作成できません";
}

}  // namespace messages
