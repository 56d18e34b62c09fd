// The main window's font: a proportional Japanese Gothic, as the design's
// "ＭＳ Ｐゴシック" is, chosen through fontconfig.
#pragma once

#include <QFont>
#include <QStringList>

// The first proportional face that fontconfig offers for Japanese sans-serif,
// at the given pixel height; Qt's own choice for sans-serif when none is found.
QFont JapaneseGothicFont(int pixelSize);
