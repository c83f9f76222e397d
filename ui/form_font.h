#pragma once

#include <QFont>

// The forms' font, "ＭＳ Ｐゴシック", with the usual substitutes after it so
// the windows read right where that font is missing.
QFont FormFont(int pixelSize, bool bold);
