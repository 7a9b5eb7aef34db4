// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <array>

#include "engine/units.h"

class QWidget;

namespace zelvar {

class Announcer;
class AutoSizeLabel;

// The converter window's result grid as a screen reader presents it, read
// as the grid is: the customary column top to bottom, then the metric one.
// While a screen reader runs, Tab goes on from CLEAR through the fourteen
// result fields in that order and back to the number entry; each field is
// named by its unit and what it shows, the source unit's by its name once;
// the unit captions, which would say each unit again, are left out; and a
// conversion is said at once, unit first. Shapes and the picture only
// decorate and are never found. Without a screen reader the fields take no
// focus and are read as they always were.
class ResultsForScreenReader : public QObject {
public:
    // The window's client area, built from its layout table, and its result
    // fields in unit-list order.
    ResultsForScreenReader(QWidget& client, const std::array<AutoSizeLabel*, kUnitCount>& fields);

    // Says the thirteen figures CONVERT has just shown, each after its
    // unit's name ("METERS 1.524"), in reading order.
    void announceConversion();

private:
    void adapt(bool screenReaderRuns);
    void name(LengthUnit unit);

    std::array<AutoSizeLabel*, kUnitCount> fields_;
    std::array<QWidget*, kUnitCount> captions_{};
    std::array<LengthUnit, kUnitCount> readingOrder_{};
    Announcer* announcer_;
    QWidget* lastButton_;
    bool screenReaderRuns_ = false;
};

}  // namespace zelvar
