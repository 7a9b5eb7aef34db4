// SPDX-License-Identifier: GPL-3.0-or-later
// The converter window as it first appears: every control of the layout
// table in its place, with its look, stacking, keyboard order and menus.

#include <QAccessible>
#include <QAction>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "forms/frm_conver_layout.h"
#include "frm_conver_fixture.h"
#include "runtime/controls.h"
#include "runtime/qt_text.h"

using namespace zelvar;

namespace {

// 15 twips to the logical pixel; every figure of the table lands on one.
int px(int twips) {
    return twips / 15;
}

QString expectedFamily() {
    for (const char* family : {"MS Sans Serif", "Liberation Sans Narrow", "Nimbus Sans Narrow", "Liberation Sans"}) {
        if (QFontDatabase::hasFamily(QString::fromLatin1(family)))
            return QString::fromLatin1(family);
    }
    return QStringLiteral("DejaVu Sans");
}

}  // namespace

class TstFrmConverLayout : public test::FrmConverFixture {
    Q_OBJECT

    QWidget& client() { return *window->centralWidget(); }
    QColor shownAt(QPoint point) { return client().grab().toImage().pixelColor(point); }

private slots:
    void theWindow() {
        QCOMPARE(window->objectName(), QStringLiteral("frmConver"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Zelvar"));
        QCOMPARE(client().size(), QSize(440, 348));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QCOMPARE(window->height(), 348 + window->menuBar()->height());
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY((flags & Qt::WindowTitleHint) && (flags & Qt::WindowCloseButtonHint));
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        const QList<QSize> iconSizes = window->windowIcon().availableSizes();
        QVERIFY(iconSizes.contains(QSize(32, 32)) && iconSizes.contains(QSize(16, 16)));
        const QPoint offCentre = window->geometry().center() - window->screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 2, "centred on the screen");
        QCOMPARE(client().findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), qsizetype(42));
    }

    void control_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < frm_conver::kControls.size(); ++i)
            QTest::newRow(frm_conver::kControls[i].name.data()) << int(i);
    }

    void control() {
        QFETCH(int, index);
        const ControlRow& row = frm_conver::kControls[std::size_t(index)];
        QVERIFY(row.left % 15 == 0 && row.top % 15 == 0 && row.width % 15 == 0 && row.height % 15 == 0);
        QWidget* widget =
            client().findChild<QWidget*>(QString::fromLatin1(row.name.data()), Qt::FindDirectChildrenOnly);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), QRect(px(row.left), px(row.top), px(row.width), px(row.height)));

        const QString text = qtText(row.text);
        const char* kinds[] = {"QComboBox", "QLineEdit", "QPushButton", "QFrame", "QLabel", "QLabel"};
        QVERIFY(widget->inherits(kinds[int(row.kind)]));
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            QCOMPARE(combo->currentText(), text);
        if (auto* box = qobject_cast<QLineEdit*>(widget))
            QCOMPARE(box->text(), text);
        if (auto* button = qobject_cast<QPushButton*>(widget))
            QCOMPARE(button->text(), text);
        if (row.kind == ControlKind::Label)
            QCOMPARE(qobject_cast<QLabel*>(widget)->text(), text);
        if (row.kind == ControlKind::Picture)
            QCOMPARE(test::drawnBy(*widget), test::drawnByQLabel(text, widget->size()));
        if (row.tabIndex == kNoTabStop || row.kind == ControlKind::Label)
            QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
    }

    // The result grid: one row every 330 twips from 1620, smallest unit on
    // top; fields end 45 twips before their captions.
    void resultGrid_data() {
        QTest::addColumn<QString>("unit");
        for (const auto& [unit, place] : test::kGrid)
            QTest::newRow(qPrintable(unit)) << unit;
    }

    void resultGrid() {
        QFETCH(QString, unit);
        const test::GridPlace& place = test::kGrid.at(unit);
        QLabel& field = label(place.field);
        QLabel& caption = label(place.caption);
        QCOMPARE(field.geometry(), emptyField(unit));
        QCOMPARE(caption.geometry(), QRect(px(place.metric ? 4440 : 1560), px(1620 + 330 * place.row),
                                           px(place.metric ? 1875 : 1215), px(315)));
        QCOMPARE(caption.text(), unit);
        QCOMPARE(field.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QCOMPARE(caption.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    }

    void labelLooks_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<bool>("border");
        const QColor white(255, 255, 255), yellow(255, 255, 0);
        QTest::newRow("result field") << "lbLeag" << 9.75 << true << false << white << true;
        QTest::newRow("unit caption") << "lbKilos" << 9.75 << true << true << yellow << true;
        QTest::newRow("prompt") << "Label11" << 8.25 << false << false << white << false;
    }

    void labelLooks() {
        QFETCH(QString, name);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(QColor, text);
        QFETCH(bool, border);
        QLabel& shown = label(name);
        const QFontInfo font(shown.font());
        QCOMPARE(font.family(), expectedFamily());
        QCOMPARE(font.pointSizeF(), points);
        QCOMPARE(font.bold(), bold);
        QCOMPARE(font.italic(), italic);
        QCOMPARE(shown.palette().color(shown.foregroundRole()), text);
        QCOMPARE(shown.frameWidth() > 0, border);
        // Opaque dark grey: the top row inside the border, above the text.
        const int inside = shown.frameWidth();
        QCOMPARE(shownAt(shown.geometry().topLeft() + QPoint(inside + 1, inside)), QColor(64, 64, 64));
        QCOMPARE(entry().palette().color(QPalette::Base), QColor(192, 192, 192));
        QCOMPARE(units().palette().color(QPalette::Base), QColor(192, 192, 192));
    }

    // Each frame's line, seen where nothing else lies over it; Shape4 is
    // drawn over the picture it lies in.
    void frames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("grey");
        for (const char* outer : {"Shape1", "Shape2", "Shape3", "Shape5"})
            QTest::newRow(outer) << outer << false;
        for (const char* inner : {"Shape4", "Shape6", "Shape7", "Shape8"})
            QTest::newRow(inner) << inner << true;
    }

    void frames() {
        QFETCH(QString, name);
        QFETCH(bool, grey);
        const QRect area = test::childOf<QFrame>(*window, name).geometry();
        const QColor line = grey ? QColor(128, 128, 128) : client().palette().color(QPalette::WindowText);
        QCOMPARE(shownAt(QPoint(area.center().x(), area.top())), line);
        QCOMPARE(shownAt(QPoint(area.left(), area.center().y())), line);
        if (name == QLatin1String("Shape4"))
            QVERIFY(test::childOf(*window, "Image1").geometry().contains(area));
    }

    // Where a long right-column value reaches the left column's caption of
    // the same row, the control earlier in form order is seen.
    void stackingAtOverlaps_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("fieldInFront");
        QTest::newRow("lbHecto") << "lbHecto"
                                 << "lbMiles" << true;
        QTest::newRow("lbDeka") << "lbDeka"
                                << "lbFurlong" << true;
        QTest::newRow("lbDeci") << "lbDeci"
                                << "lbYards" << true;
        QTest::newRow("lb5CentMeter") << "lb5CentMeter"
                                      << "lbFeet" << true;
        QTest::newRow("lb6MilMeter") << "lb6MilMeter"
                                     << "lbInches" << true;
        QTest::newRow("lb4Meter") << "lb4Meter"
                                  << "lbRods" << false;
        QTest::newRow("lb8Kilo") << "lb8Kilo"
                                 << "lbLeague" << false;
        QTest::newRow("entry over its prompt") << "txtUserData"
                                               << "Label11" << true;
    }

    void stackingAtOverlaps() {
        QFETCH(QString, field);
        QFETCH(QString, caption);
        QFETCH(bool, fieldInFront);
        QWidget* front = &test::childOf(*window, field);
        if (auto* result = qobject_cast<AutoSizeLabel*>(front))
            result->setCaption(QStringLiteral("888,888,888,888,888,888,888.88888"));
        const QRect shared = front->geometry().intersected(label(caption).geometry());
        QVERIFY(!shared.isEmpty());
        QCOMPARE(client().childAt(shared.center()), fieldInFront ? front : &label(caption));
    }

    void focusAndTabOrder() {
        const QStringList cycle{"txtUserData", "cboMeasures", "cmdConvert", "cmdClear", "txtUserData"};
        QCOMPARE(test::focusedControl(), cycle[0]);
        for (int i = 1; i < cycle.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(test::focusedControl(), cycle[i]);
        }
        for (int i = cycle.size() - 2; i >= 0; --i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(test::focusedControl(), cycle[i]);
        }
    }

    void menus() {
        const QList<QAction*> bar = window->menuBar()->actions();
        QCOMPARE(bar.size(), qsizetype(2));
        QCOMPARE(bar[0]->text(), QStringLiteral("&File"));
        QCOMPARE(bar[0]->menu()->objectName(), QStringLiteral("mnuFile"));
        QCOMPARE(bar[1]->text(), QStringLiteral("&About"));
        QCOMPARE(bar[1]->objectName(), QStringLiteral("mnuAbout"));
        QVERIFY2(!bar[1]->menu(), "About is a command, not a menu");
        const QList<QAction*> file = bar[0]->menu()->actions();
        QCOMPARE(file.size(), qsizetype(2));
        QCOMPARE(file[0]->objectName() + file[0]->text(), QStringLiteral("mnuClearItem&Clear"));
        QCOMPARE(file[1]->objectName() + file[1]->text(), QStringLiteral("mnuExitItemE&xit"));
        for (QAction* item : {bar[1], file[0], file[1]})
            QVERIFY(item->isEnabled() && item->isVisible() && !item->isCheckable());
        // Only Exit has a shortcut, which the menu shows beside it.
        QCOMPARE(file[1]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        QVERIFY(bar[1]->shortcut().isEmpty() && file[0]->shortcut().isEmpty());
    }

    // What a screen reader says of each control: entry and list by purpose,
    // buttons by caption, result fields by value and unit, captions by text.
    void accessibleNames_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("entry") << "txtUserData"
                               << "Number to convert"
                               << "";
        QTest::newRow("unit list") << "cboMeasures"
                                   << "Unit of the number"
                                   << "";
        QTest::newRow("CONVERT") << "cmdConvert"
                                 << "CONVERT"
                                 << "";
        QTest::newRow("CLEAR") << "cmdClear"
                               << "CLEAR"
                               << "";
        for (const auto& [unit, place] : test::kGrid) {
            QTest::newRow(qPrintable(place.field)) << place.field << ""
                                                   << "Result in " + unit;
            QTest::newRow(qPrintable(place.caption)) << place.caption << unit << "";
        }
    }
    void accessibleNames() {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, description);
        auto* widget = window->findChild<QWidget*>(control);
        QVERIFY(widget);
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(reader);
        QCOMPARE(reader->text(QAccessible::Name), name);
        QCOMPARE(reader->text(QAccessible::Description), description);
    }
};

ZELVAR_GUI_TEST_MAIN(TstFrmConverLayout)
#include "tst_frm_conver_layout.moc"
