// The help document reader on any bytes: no crash, no hang, bounded memory
// (libFuzzer's -timeout and -rss_limit_mb enforce the last two).
#include <stdlib.h>

#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <string_view>

#include "ui/help_document.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QGuiApplication application(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QTextDocument doc;
  LoadHelpDocument(std::string_view(reinterpret_cast<const char*>(data), size), doc);
  return 0;
}
