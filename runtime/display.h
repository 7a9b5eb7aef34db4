#pragma once

#include <QFont>
#include <QLocale>
#include <QRect>
#include <QSize>
#include <QString>
#include <string_view>

#include "engine/format_result.h"

// How the fixed layouts meet this platform: their texts, lengths in twips,
// the fonts they ask for by name, and the user's number separators.
namespace zelvar {

// The engine's and the layout tables' texts are UTF-8.
inline QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Layout figures are in twips, 1440 to the inch. Qt lays out in logical pixels
// of 1/96 inch, so 15 twips make one; on a denser screen Qt's device-pixel
// ratio enlarges the whole window evenly.
inline constexpr int kTwipsPerPixel = 15;

// Rounds to the nearest pixel, halves away from zero.
constexpr int twipsToPixels(int twips) {
    const int half = kTwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / kTwipsPerPixel : -((-twips + half) / kTwipsPerPixel);
}

// Both edges are rounded, so neighbouring rectangles stay neighbours.
constexpr QRect twipsRect(int left, int top, int width, int height) {
    const int x = twipsToPixels(left);
    const int y = twipsToPixels(top);
    return QRect(x, y, twipsToPixels(left + width) - x, twipsToPixels(top + height) - y);
}

constexpr QSize twipsSize(int width, int height) {
    return QSize(twipsToPixels(width), twipsToPixels(height));
}

// A font as a form asks for it: by family name, point size, weight (400
// regular, 700 bold) and slant.
struct FontSpec {
    std::string_view family;
    double pointSize;
    int weight;
    bool italic;
};

// The dialog font the fixed layouts were drawn for; controls without a font
// of their own use it.
inline constexpr FontSpec kDialogFont{"MS Sans Serif", 8.25, 400, false};

// Makes the families the forms ask for by name resolve, where the system
// lacks them, to a face of the same metrics (Liberation Sans) or else a
// similar sans serif (DejaVu Sans). Needs the application object.
void installFontSubstitutes();

QFont makeFont(const FontSpec& wanted);

// The decimal point and thousands separator of a locale, as the result
// renderer takes them.
NumberSeparators numberSeparatorsOf(const QLocale& locale);

// The user's own, read afresh on each call from the system locale
// (LC_ALL, LC_NUMERIC, LANG).
NumberSeparators userNumberSeparators();

// A rendered result with its thousands separators taken out, ready to paste
// into a spreadsheet; the decimal separator stays as it is.
QString withoutThousandsSeparators(const QString& text, const NumberSeparators& separators);

}  // namespace zelvar
