// SPDX-License-Identifier: GPL-3.0-or-later
#include "results_for_screen_reader.h"

#include <QAccessible>
#include <QStringList>
#include <QWidget>
#include <algorithm>

#include "frm_conver_layout.h"
#include "runtime/accessible_presence.h"
#include "runtime/announcer.h"
#include "runtime/controls.h"
#include "runtime/qt_text.h"
#include "runtime/screen_reader_watch.h"

namespace zelvar {
namespace {

const ControlRow& layoutRow(std::string_view name) {
    return *std::find_if(frm_conver::kControls.begin(), frm_conver::kControls.end(),
                         [name](const ControlRow& row) { return row.name == name; });
}

QString unitWord(LengthUnit unit) {
    return qtText(unitName(unit));
}

// Qt tells a screen reader nothing of a new focus policy by itself.
void takeTabFocus(QWidget& field, bool take) {
    const Qt::FocusPolicy policy = take ? Qt::TabFocus : Qt::NoFocus;
    if (field.focusPolicy() == policy)
        return;
    field.setFocusPolicy(policy);
    QAccessible::State changed;
    changed.focusable = true;
    QAccessibleStateChangeEvent event(&field, changed);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

ResultsForScreenReader::ResultsForScreenReader(QWidget& client, const std::array<AutoSizeLabel*, kUnitCount>& fields)
    : QObject(&client), fields_(fields), announcer_(new Announcer(*client.window())) {
    for (const frm_conver::UnitControlsRow& row : frm_conver::kUnitControls) {
        captions_[unitIndex(row.unit)] = client.findChild<QWidget*>(qtText(row.caption));
        readingOrder_[unitIndex(row.unit)] = row.unit;
        connect(fields_[unitIndex(row.unit)], &AutoSizeLabel::captionChanged, this,
                [this, unit = row.unit] { name(unit); });
    }
    // Left column before right, each from the top, as the fields stand.
    std::sort(readingOrder_.begin(), readingOrder_.end(), [](LengthUnit a, LengthUnit b) {
        const ControlRow& first = layoutRow(frm_conver::kUnitControls[unitIndex(a)].field);
        const ControlRow& second = layoutRow(frm_conver::kUnitControls[unitIndex(b)].field);
        return std::pair(first.left, first.top) < std::pair(second.left, second.top);
    });
    for (const ControlRow& row : frm_conver::kControls) {
        if (row.kind == ControlKind::Shape || row.kind == ControlKind::Picture)
            setSeenByScreenReader(*client.findChild<QWidget*>(qtText(row.name)), false);
    }
    lastButton_ = client.findChild<QWidget*>(QStringLiteral("cmdClear"));
    followScreenReader(*this, [this](bool running) { adapt(running); });
}

void ResultsForScreenReader::adapt(bool screenReaderRuns) {
    screenReaderRuns_ = screenReaderRuns;
    for (const UnitInfo& unit : kUnits) {
        takeTabFocus(*fields_[unitIndex(unit.unit)], screenReaderRuns);
        setSeenByScreenReader(*captions_[unitIndex(unit.unit)], !screenReaderRuns);
        name(unit.unit);
    }
    // Qt chains only controls that take the focus. Without a screen reader the
    // fields take none, and Tab goes from CLEAR to the number entry as ever.
    QWidget* previous = lastButton_;
    for (LengthUnit unit : readingOrder_) {
        QWidget::setTabOrder(previous, fields_[unitIndex(unit)]);
        previous = fields_[unitIndex(unit)];
    }
}

// Without a screen reader a field has no name of its own and is read by its text.
void ResultsForScreenReader::name(LengthUnit unit) {
    AutoSizeLabel& field = *fields_[unitIndex(unit)];
    const QString shown = field.text();
    const QString wanted = !screenReaderRuns_                           ? QString()
                           : shown.isEmpty() || shown == unitWord(unit) ? unitWord(unit)
                                                                        : unitWord(unit) + u' ' + shown;
    if (field.accessibleName() != wanted)
        field.setAccessibleName(wanted);
}

void ResultsForScreenReader::announceConversion() {
    if (!screenReaderRuns_)
        return;
    QStringList figures;
    for (LengthUnit unit : readingOrder_) {
        const QString shown = fields_[unitIndex(unit)]->text();
        if (!shown.isEmpty() && shown != unitWord(unit))
            figures.append(unitWord(unit) + u' ' + shown);
    }
    announcer_->say(figures.join(QStringLiteral(", ")));
}

}  // namespace zelvar
