// SPDX-License-Identifier: GPL-3.0-or-later
#include "readable_colours.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
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
        if (control.testAttribute(Qt::WA_WState_Polished))
            apply();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        // Polish comes before the first show, once the window has set the
        // roles the control paints with; until then the colours are not
        // final and the rule waits. A new scheme reaches a control as a
        // change of its window's palette, after the application's.
        switch (event->type()) {
        case QEvent::Polish: apply(); break;
        case QEvent::PaletteChange:
        case QEvent::ApplicationPaletteChange:
            if (!applying_ && control_.testAttribute(Qt::WA_WState_Polished))
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

}  // namespace zelvar
