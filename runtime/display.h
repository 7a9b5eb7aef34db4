// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QIcon>
#include <QLocale>
#include <QPalette>
#include <QRect>
#include <QSize>
#include <QString>
#include <string_view>

#include "engine/format_result.h"
#include "locale_number.h"

// How the fixed layouts meet this platform: their texts, lengths in twips,
// the fonts they ask for by name, and the user's number separators
// (locale_number.h).
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

// The file to draw a picture from on a screen of the given device pixel
// ratio: above 1, its sibling drawn at twice the pixels ("name@2x.ext"),
// where there is one.
QString pictureFileFor(const QString& file, qreal devicePixelRatio);

// An icon from an icon file and the renderings of the same icon that lie in
// an "icons" folder beside it as "<name>-<size>.png", so that a large or a
// dense screen draws it sharp.
QIcon iconWithSharpSizes(const QString& file);

// The contrast ratio of two colours by their relative luminance, as the Web
// Content Accessibility Guidelines define it: from 1 (the same) to 21.
double contrastRatio(const QColor& a, const QColor& b);

// Where a layout pairs a fixed colour with a system colour, the system colour
// to use: itself, unless the pair would read worse than both 4.5:1 and the
// same pair under the default scheme (defaultSystem); then the nearer of
// black or white that reads at least that well.
QColor readableSystemColour(const QColor& fixed, const QColor& system, const QColor& defaultSystem);

// Which of a control's two colours the layout fixes; the other is the
// system's. An entry's colours are its base and text.
enum class FixedColour { Background, Text, EntryBackground };

// Applies readableSystemColour to the control now and whenever the system's
// colour scheme changes while the program runs.
void keepReadable(QWidget& control, FixedColour fixed);

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
// lacks them, to faces that fit the layouts: MS Sans Serif to a narrow sans
// (Liberation Sans Narrow), Arial to its metric twin (Liberation Sans).
// Needs the application object.
void installFontSubstitutes();

QFont makeFont(const FontSpec& wanted);

}  // namespace zelvar
