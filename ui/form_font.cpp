#include "ui/form_font.h"

#include <QStringList>

QFont FormFont(int pixelSize, bool bold) {
  QFont font;
  font.setFamilies(QStringList{QString::fromUtf8("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
                               QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP"),
                               QStringLiteral("sans-serif")});
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}
