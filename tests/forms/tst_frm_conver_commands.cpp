// SPDX-License-Identifier: GPL-3.0-or-later
// What the converter window's commands do: filling the unit list, picking a
// unit, CONVERT, CLEAR and File > Clear, About, and how result fields size.

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

#include "engine/written_length.h"
#include "frm_conver_fixture.h"
#include "tests/support/number_form.h"

using namespace zelvar;
using Fields = std::map<QString, QString>;

namespace {

const QStringList kUnitNames{"LEAGUE", "MILES",      "FURLONG",     "RODS",        "YARDS",
                             "FEET",   "INCHES",     "KILOMETERS",  "HECTOMETERS", "DEKAMETERS",
                             "METERS", "DECIMETERS", "CENTIMETERS", "MILLIMETERS"};

Fields emptyFields() {
    Fields empty;
    for (const QString& unit : kUnitNames)
        empty[unit] = QString();
    return empty;
}

Fields with(Fields fields, const QString& unit, const QString& text) {
    fields[unit] = text;
    return fields;
}

// One league, in every unit, as the program shows it.
const Fields kOneLeague{
    {"LEAGUE", "LEAGUE"},         {"MILES", "3."},
    {"FURLONG", "24."},           {"RODS", "960."},
    {"YARDS", "5,280."},          {"FEET", "15,840."},
    {"INCHES", "190,080."},       {"KILOMETERS", "4.828"},
    {"HECTOMETERS", "48.2803"},   {"DEKAMETERS", "482.8032"},
    {"METERS", "4,828.032"},      {"DECIMETERS", "48,280.32"},
    {"CENTIMETERS", "482,803.2"}, {"MILLIMETERS", "4,828,032."},
};

}  // namespace

class TstFrmConverCommands : public test::FrmConverFixture {
    Q_OBJECT

    void convert() { button("cmdConvert").click(); }
    void clear() { button("cmdClear").click(); }
    QAction& menuItem(const char* name) { return test::childOf<QAction>(*window, QString::fromLatin1(name)); }

private slots:
    void loadingFillsTheUnitListBeforeShowing() {
        FrmConver hidden;
        QVERIFY(!hidden.isVisible());
        QCOMPARE(test::childOf<QComboBox>(hidden, "cboMeasures").count(), 14);
    }

    void unitListAfterLoad() {
        QStringList items;
        for (int i = 0; i < units().count(); ++i)
            items << units().itemText(i);
        QCOMPARE(items, kUnitNames);
        QCOMPARE(units().currentIndex(), -1);
        QCOMPARE(units().currentText(), QStringLiteral("Select Unit ----->"));
        // The prompt is wider than the box: its beginning is what shows.
        QCOMPARE(units().lineEdit()->cursorPosition(), 0);
        QCOMPARE(fields(), emptyFields());
        QCOMPARE(entry().text(), QString());
    }

    void pickingMarksItsFieldOnly_data() {
        QTest::addColumn<QString>("unit");
        for (const QString& unit : kUnitNames)
            QTest::newRow(qPrintable(unit)) << unit;
    }

    void pickingMarksItsFieldOnly() {
        QFETCH(QString, unit);
        test::pickFromList(units(), unit);
        QCOMPARE(units().currentText(), unit);
        QCOMPARE(fields(), with(emptyFields(), unit, unit));
        // The field is sized to the name, right edge where it was.
        const QRect empty = emptyField(unit);
        QCOMPARE(fieldOf(unit).geometry().right(), empty.right());
        QVERIFY(fieldOf(unit).width() > empty.width());
    }

    void pickingAnotherKeepsTheFirstMark() {
        test::pickFromList(units(), "MILES");
        test::pickFromList(units(), "FEET");
        QCOMPARE(fields(), with(with(emptyFields(), "MILES", "MILES"), "FEET", "FEET"));
        test::pickFromList(units(), "FEET");
        QCOMPARE(fields(), with(with(emptyFields(), "MILES", "MILES"), "FEET", "FEET"));
    }

    // Typing into the list's text part completes nothing, Enter there (which
    // presses CONVERT) adds nothing to the list, and typing a name is no pick.
    void typingIntoTheUnitList() {
        units().setFocus();
        units().lineEdit()->selectAll();
        QTest::keyClicks(&units(), "fe");
        QCOMPARE(units().currentText(), QStringLiteral("fe"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(units().count(), 14);

        units().lineEdit()->selectAll();
        QTest::keyClicks(&units(), "FEET");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(units().currentIndex(), -1);
        QCOMPARE(fields(), emptyFields());
    }

    void convertWithoutUnitChangesNothing_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("unitText");
        QTest::newRow("prompt") << "12"
                                << "";
        QTest::newRow("prompt, empty entry") << ""
                                             << "";
        QTest::newRow("prompt, beyond single range") << "1E39"
                                                     << "";
        QTest::newRow("lower case") << "5"
                                    << "feet";
        QTest::newRow("trailing blank") << "5"
                                        << "FEET ";
    }

    void convertWithoutUnitChangesNothing() {
        QFETCH(QString, typed);
        QFETCH(QString, unitText);
        if (!unitText.isEmpty())
            units().lineEdit()->setText(unitText);
        typeEntry(typed);
        convert();
        QCOMPARE(fields(), emptyFields());
    }

    void convertWritesAllFourteen() {
        typeEntry("1");
        test::pickFromList(units(), "LEAGUE");
        convert();
        QCOMPARE(fields(), kOneLeague);
        QCOMPARE(entry().text(), QStringLiteral("1"));
        QCOMPARE(units().currentText(), QStringLiteral("LEAGUE"));
    }

    void emptyEntryConvertsAsZero() {
        test::pickFromList(units(), "FEET");
        convert();
        Fields zero;
        for (const QString& unit : kUnitNames)
            zero[unit] = unit == "FEET" ? unit : QStringLiteral(".");
        QCOMPARE(fields(), zero);
    }

    // A length shown from outside (--show, a desktop's search) goes into the
    // entry as the number the engine gives for it, and CONVERT reads it
    // back: one that overflows reports the overflow as any entry does.
    void shownLengths_data() {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("feet");  // empty: Overflow
        QTest::newRow("5'10\"") << "5'10\""
                                << "70"
                                << "5.83333";
        QTest::newRow("beyond singles") << "400000000000000000000000000000000000000/1 in"
                                        << "4e+38" << QString();
    }
    void shownLengths() {
        QFETCH(QString, written);
        QFETCH(QString, feet);
        const std::optional<WrittenLength> length = readWrittenLength(written.toStdString(), test::kPointAndCommas);
        QVERIFY(length);
        const auto show = [&] { window->enterAndConvert(QString::fromStdString(length->entry), length->unit); };
        if (feet.isEmpty()) {
            const auto shown = modals.answerMessageBox(show);
            QVERIFY(shown && shown->text.contains(QLatin1String("Overflow")));
        } else {
            show();
            QCOMPARE(fieldOf("INCHES").text(), QStringLiteral("INCHES"));
            QCOMPARE(fieldOf("FEET").text(), feet);
        }
        QTEST(entry().text(), "entered");
    }

    void fromFeetThenFromMeters() {
        typeEntry("1");
        test::pickFromList(units(), "FEET");
        convert();
        QCOMPARE(fieldOf("FEET").text(), QStringLiteral("FEET"));
        window->enterAndConvert(QStringLiteral("1"), LengthUnit::Meters);  // as the keys and clicks above
        QCOMPARE(fieldOf("METERS").text(), QStringLiteral("METERS"));
        QCOMPARE(fieldOf("FEET").text(), QStringLiteral("3.2808"));
    }

    void clearEmptiesAllAndKeepsTheEntry_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("CLEAR") << false;
        QTest::newRow("File > Clear") << true;
    }

    void clearEmptiesAllAndKeepsTheEntry() {
        QFETCH(bool, fromMenu);
        typeEntry("1");
        test::pickFromList(units(), "MILES");
        test::pickFromList(units(), "LEAGUE");
        convert();
        auto run = [&] { fromMenu ? menuItem("mnuClearItem").trigger() : clear(); };
        run();
        QCOMPARE(fields(), emptyFields());
        QCOMPARE(entry().text(), QStringLiteral("1"));
        QCOMPARE(units().currentText(), QStringLiteral("LEAGUE"));
        QCOMPARE(units().currentIndex(), units().findText("LEAGUE"));
        run();
        QCOMPARE(fields(), emptyFields());
        // CONVERT again at once: the own field is marked again.
        convert();
        QCOMPARE(fields(), kOneLeague);
    }

    void aboutShowsTheMessageAndChangesNothing() {
        typeEntry("1");
        test::pickFromList(units(), "LEAGUE");
        convert();
        const auto shown = modals.answerMessageBox([&] { menuItem("mnuAbout").trigger(); });
        QVERIFY(shown);
        QCOMPARE(shown->title, QStringLiteral("Zelvar"));
        QCOMPARE(shown->text,
                 QStringLiteral("Send comments to: feedback@zelvar.example   Check out: https://zelvar.example/"));
        QCOMPARE(shown->icon, QMessageBox::NoIcon);
        QCOMPARE(shown->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(shown->modality, Qt::ApplicationModal);
        // One line, the web address unbroken.
        QCOMPARE(shown->textLines, 1);
        QCOMPARE(fields(), kOneLeague);
        QCOMPARE(entry().text(), QStringLiteral("1"));
    }

    // Overflow is reported and the program goes on with every field as it was.
    void overflowIsReportedAndChangesNothing_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("unit");
        QTest::newRow("beyond single range") << "1E39"
                                             << "MILES";
        QTest::newRow("feet cell from miles") << "1E35"
                                              << "MILES";
        QTest::newRow("decimetres from kilometres") << "1E35"
                                                    << "KILOMETERS";
        QTest::newRow("negative") << "-1E39"
                                  << "METERS";
    }

    void overflowIsReportedAndChangesNothing() {
        QFETCH(QString, typed);
        QFETCH(QString, unit);
        typeEntry("1");
        test::pickFromList(units(), "LEAGUE");
        convert();
        test::pickFromList(units(), unit);
        const Fields before = fields();

        typeEntry(typed);
        const auto shown = modals.answerMessageBox([&] { convert(); });
        QVERIFY(shown);
        QCOMPARE(shown->title, QStringLiteral("Zelvar"));
        QVERIFY2(shown->text.contains(QLatin1String("6")) && shown->text.contains(QLatin1String("Overflow")),
                 qPrintable(shown->text));
        QCOMPARE(shown->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        // Short as the message is, the box leaves its title room.
        QVERIFY2(shown->textWidthInCharacters >= 30, qPrintable(QString::number(shown->textWidthInCharacters)));
        QCOMPARE(fields(), before);
        QVERIFY(window->isVisible());

        typeEntry("1");
        test::pickFromList(units(), "LEAGUE");
        convert();
        QCOMPARE(fields(), kOneLeague);
    }

    void longValueGrowsLeftAndClearShrinksBack_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("field");
        QTest::newRow("left column") << "1E15"
                                     << "MILLIMETERS"
                                     << "LEAGUE";
        QTest::newRow("right column") << "1E15"
                                      << "LEAGUE"
                                      << "MILLIMETERS";
        QTest::newRow("past the window's edge") << "1E30"
                                                << "MILLIMETERS"
                                                << "LEAGUE";
    }

    void longValueGrowsLeftAndClearShrinksBack() {
        QFETCH(QString, typed);
        QFETCH(QString, unit);
        QFETCH(QString, field);
        QLabel& shown = fieldOf(field);
        const QRect empty = emptyField(field);
        QCOMPARE(shown.geometry(), empty);

        typeEntry(typed);
        test::pickFromList(units(), unit);
        convert();
        const QString value = shown.text();
        QVERIFY(value.size() > 12);
        QCOMPARE(shown.geometry().right(), empty.right());
        QCOMPARE(shown.geometry().top(), empty.top());
        QCOMPARE(shown.height(), empty.height());
        QVERIFY2(shown.contentsRect().width() >= shown.fontMetrics().horizontalAdvance(value), "text fits the field");
        QCOMPARE(shown.toolTip(), value);
        // A screen reader reads the whole value as the field's name, and its unit
        // from the description.
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&shown);
        QVERIFY(reader);
        QCOMPARE(reader->text(QAccessible::Name), value);
        QCOMPARE(reader->text(QAccessible::Description), "Result in " + field);
        if (QByteArray(QTest::currentDataTag()) == "past the window's edge")
            QVERIFY(shown.geometry().left() < 0);

        clear();
        QCOMPARE(shown.geometry(), empty);
        QCOMPARE(shown.toolTip(), QString());
    }

    void copyPutsTheValueWithoutGroupingOnTheClipboard_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("copied");
        QTest::newRow("grouped") << "MILLIMETERS"
                                 << "4828032.";
        QTest::newRow("decimals") << "METERS"
                                  << "4828.032";
        QTest::newRow("small") << "MILES"
                               << "3.";
        QTest::newRow("unit name") << "LEAGUE"
                                   << "LEAGUE";
    }

    void copyPutsTheValueWithoutGroupingOnTheClipboard() {
        QFETCH(QString, field);
        QFETCH(QString, copied);
        typeEntry("1");
        test::pickFromList(units(), "LEAGUE");
        convert();
        QLabel& shown = fieldOf(field);
        QCOMPARE(shown.contextMenuPolicy(), Qt::ActionsContextMenu);
        const QList<QAction*> actions = shown.actions();
        QCOMPARE(actions.size(), qsizetype(1));
        QCOMPARE(actions[0]->text(), QStringLiteral("Copy"));
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        actions[0]->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
        QCOMPARE(shown.text(), kOneLeague.at(field));
    }
};

ZELVAR_GUI_TEST_MAIN(TstFrmConverCommands)
#include "tst_frm_conver_commands.moc"
