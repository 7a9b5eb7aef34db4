// SPDX-License-Identifier: GPL-3.0-or-later
#include "display.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace zelvar {

namespace {

constexpr double kReadableContrast = 4.5;

double relativeLuminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

// Keeps one control's pair readable; lives as long as the control.
class ReadablePair : public QObject {
public:
    ReadablePair(QWidget& control, FixedColour fixed) : QObject(&control), control_(control), fixed_(fixed) {
        control.installEventFilter(this);
        apply();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        // Polish comes before the first show, once the window has set the
        // roles the control paints with. A new scheme reaches a control as a
        // change of its window's palette, after the application's.
        switch (event->type()) {
        case QEvent::Polish:
        case QEvent::PaletteChange:
        case QEvent::ApplicationPaletteChange:
            if (!applying_)
                apply();
            break;
        default: break;
        }
        return false;
    }

private:
    void apply() {
        const bool entry = fixed_ == FixedColour::EntryBackground;
        const QPalette::ColorRole background = entry ? QPalette::Base : control_.backgroundRole();
        const QPalette::ColorRole text = entry ? QPalette::Text : control_.foregroundRole();
        const QPalette::ColorRole fixedRole = fixed_ == FixedColour::Text ? text : background;
        const QPalette::ColorRole systemRole = fixed_ == FixedColour::Text ? background : text;
        const QPalette system = QApplication::palette(&control_);
        const QPalette standard = QApplication::style()->standardPalette();
        QPalette palette = control_.palette();
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            palette.setColor(group, systemRole,
                             readableSystemColour(palette.color(group, fixedRole), system.color(group, systemRole),
                                                  standard.color(group, systemRole)));
        }
        if (palette != control_.palette()) {
            applying_ = true;
            control_.setPalette(palette);
            applying_ = false;
        }
    }

    QWidget& control_;
    FixedColour fixed_;
    bool applying_ = false;
};

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableSystemColour(const QColor& fixed, const QColor& system, const QColor& defaultSystem) {
    const double needed = std::min(kReadableContrast, contrastRatio(fixed, defaultSystem));
    if (contrastRatio(fixed, system) >= needed)
        return system;
    const QColor black(Qt::black), white(Qt::white);
    const bool blackIsNearer = contrastRatio(system, black) <= contrastRatio(system, white);
    const QColor nearer = blackIsNearer ? black : white, other = blackIsNearer ? white : black;
    return contrastRatio(fixed, nearer) >= needed ? nearer : other;
}

void keepReadable(QWidget& control, FixedColour fixed) {
    new ReadablePair(control, fixed);
}

QString pictureFileFor(const QString& file, qreal devicePixelRatio) {
    if (devicePixelRatio <= 1)
        return file;
    const QFileInfo info(file);
    const QString sharp =
        info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral("@2x.") + info.suffix();
    return QFile::exists(sharp) ? sharp : file;
}

QIcon iconWithSharpSizes(const QString& file) {
    // A window's icon goes to the window manager in every size it has, each
    // decoded; task bars and window switchers draw at most 64 pixels, 128 on
    // a screen of twice the density. The desktop's menus take the larger
    // ones from the installed icon theme.
    constexpr int kLargestWindowIcon = 128;
    QIcon icon(file);
    const QFileInfo info(file);
    const QString prefix = info.completeBaseName() + QLatin1Char('-');
    const QDir renderings(info.path() + QStringLiteral("/icons"));
    for (const QString& png : renderings.entryList({prefix + QStringLiteral("*.png")}, QDir::Files)) {
        const int size = QStringView(png).sliced(prefix.size()).chopped(4).toInt();
        // Given its size, the icon decodes the file only when that size is drawn.
        if (size > 0 && size <= kLargestWindowIcon)
            icon.addFile(renderings.filePath(png), QSize(size, size));
    }
    return icon;
}

void installFontSubstitutes() {
    // The layouts were drawn for MS Sans Serif, a bitmap sans narrower than
    // Arial, at 8.25 and 9.75 points, and for Arial on the splash. Liberation
    // Sans has Arial's metrics, not MS Sans Serif's: with it "Enter Number
    // ---->" ran 4.5 px under the entry beside it, the unit list's prompt
    // overflowed its 74 px text area by 6.9 px and "HECTOMETERS" was elided
    // in the open list (84 px in 79). Measured in the Fusion style at scale
    // factors 1, 1.25, 1.5 and 2, Liberation Sans Narrow at the sizes asked
    // for fits every label, button, caption, list entry and the prompt with
    // at least 7.6 px to spare (5 px with full hinting), and its longest list
    // entry needs a 91 px list, within the box's own 101. Nimbus Sans Narrow
    // has the same metrics. Without either the wide faces are a last resort.
    // Arial keeps its metric twin: the splash labels fit their own text.
    //
    // Qt only turns to a family's substitutes when the family itself is not
    // installed, so they can be registered unconditionally; asking the font
    // database first would cost a fontconfig lookup per family at start-up.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Nimbus Sans Narrow"),
                                QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans Condensed"),
                                QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

QFont makeFont(const FontSpec& wanted) {
    QFont font(qtText(wanted.family));
    font.setPointSizeF(wanted.pointSize);
    font.setWeight(static_cast<QFont::Weight>(wanted.weight));
    font.setItalic(wanted.italic);
    return font;
}

}  // namespace zelvar
