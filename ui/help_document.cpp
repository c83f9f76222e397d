#include "ui/help_document.h"

#include <QTextDocument>

#include "ui/rtf_reader.h"
#include "ui/text_decoder.h"

bool LoadHelpDocument(std::string_view bytes, QTextDocument& doc) {
  if (ReadRtf(bytes, doc)) return true;
  std::optional<QString> text = DecodeStrict(bytes, "UTF-8");
  if (!text) text = DecodeStrict(bytes, kShiftJis);
  if (!text) return false;
  text->replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text->replace(QChar('\r'), QChar('\n'));
  doc.setPlainText(*text);
  return true;
}
