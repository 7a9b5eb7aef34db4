// SPDX-License-Identifier: GPL-3.0-or-later
// A long random session with the converter window: odd entries, unit picks,
// text typed into the unit list, CONVERT, CLEAR, File > Clear, About and the
// overflow box. After every step the window must still be whole.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>

#include "engine/convert.h"
#include "frm_conver_fixture.h"
#include "runtime/locale_number.h"
#include "runtime/number_entry.h"
#include "runtime/qt_text.h"
#include "tests/support/result_shape.h"

using namespace zelvar;
using namespace zelvar::test;

namespace {

constexpr int kSteps = 3000;
constexpr quint32 kSeed = 20261207;

QString randomEntry(QRandomGenerator& random) {
    // clang-format off
    static const QStringList fixed = {
        "", "0", "1", "-1", "0.1", "123456789", "1E400", "-1E400", "1E39", "-1E39", "1E35", "3.4028235E38",
        "1E-40", "-1E-45", "&HFFFF", "&H7FFFFFFF", "&HFFFFFFFFF", "&O777", "&", "abc", "FEET", "1,500",
        "12.5.3", " 2 45 7", "2D2", "1E", "-", ".", "$5",
        QString::fromUtf8("\u0661\u0662\u0663"), QString::fromUtf8("\u6570\u5b57 42"),
        QString::fromUtf8("\u03a9\u03bc\u03ad\u03b3\u03b1"), QString::fromUtf8("\U0001F4CF 3"),
        QString::fromUtf8("7\u00a0000"), QString(100000, QChar('9')), QString(100000, QChar(' ')) + "4",
    };
    // clang-format on
    if (random.bounded(3) > 0)
        return fixed[random.bounded(fixed.size())];
    // Random characters from a number-ish alphabet.
    static const QString alphabet = QStringLiteral("0123456789.-+eEdD&HhOo ,x\t");
    QString text;
    const int length = random.bounded(1, 30);
    for (int i = 0; i < length; ++i)
        text += alphabet[random.bounded(alphabet.size())];
    return text;
}

// What QTest can type key by key: printable ASCII. Other text goes in whole.
QString typeable(const QString& text) {
    QString kept;
    for (QChar c : text)
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            kept += c;
    return kept;
}

}  // namespace

class TestSoak : public FrmConverFixture {
    Q_OBJECT

    NumberSeparators separators = userNumberSeparators();

    QAction& action(const char* name) { return test::childOf<QAction>(*window, QString::fromLatin1(name)); }

    QString describe(int step, const QString& what) { return QStringLiteral("step %1: %2").arg(step).arg(what); }

    // Everything that must hold whatever happened before.
    void checkWindowWhole(int step) {
        QComboBox& list = units();
        QCOMPARE(list.count(), 14);
        for (const UnitInfo& unit : kUnits) {
            const QString name = qtText(unit.name);
            QVERIFY2(list.itemText(unitIndex(unit.unit)) == name, qPrintable(describe(step, "unit list")));

            const QLabel& field = fieldOf(name);
            const QString text = field.text();
            const QByteArray utf8 = text.toUtf8();
            const bool wellFormed = text.isEmpty() || text == name ||
                                    fuzz::hasResultShape(std::string_view(utf8.constData(), utf8.size()), separators);
            QVERIFY2(wellFormed, qPrintable(describe(step, name + " shows " + text.left(80))));
            QVERIFY2(field.geometry().right() == emptyField(name).right(),
                     qPrintable(describe(step, name + " moved its right edge")));
        }
        bool answered = false;
        QTimer::singleShot(0, this, [&] { answered = true; });
        QVERIFY2(QTest::qWaitFor([&] { return answered; }, 2000), qPrintable(describe(step, "no answer")));
        QVERIFY(window->isVisible());
    }

    // CONVERT as the user presses it; the window must show exactly what the
    // engine computes, or keep every field and report the overflow.
    void convert(int step) {
        const auto before = fields();
        const ConvertResult expected =
            convertEntry(entry().text().toStdString(), units().currentText().toStdString(), separators);
        if (expected.status == ConvertStatus::Overflow) {
            const auto shown =
                modals.answerMessageBox([&] { QTest::mouseClick(&button("cmdConvert"), Qt::LeftButton); });
            QVERIFY2(shown && shown->text.contains("Overflow"), qPrintable(describe(step, "no overflow box")));
            QVERIFY2(fields() == before, qPrintable(describe(step, "overflow changed a field")));
            return;
        }
        QTest::mouseClick(&button("cmdConvert"), Qt::LeftButton);
        if (expected.status == ConvertStatus::NoUnit) {
            QVERIFY2(fields() == before, qPrintable(describe(step, "CONVERT without a unit changed a field")));
            return;
        }
        for (const UnitInfo& unit : kUnits) {
            const QString name = qtText(unit.name);
            QVERIFY2(fieldOf(name).text() == QString::fromStdString(expected.captions[unitIndex(unit.unit)]),
                     qPrintable(describe(step, name + " differs from the engine")));
        }
    }

private slots:
    void randomSession() {
        QRandomGenerator random(kSeed);
        for (int step = 0; step < kSteps; ++step) {
            switch (random.bounded(20)) {
            case 0:
            case 1:
            case 2:
            case 3: entry().setText(randomEntry(random)); break;
            case 4: typeEntry(typeable(randomEntry(random).left(40))); break;
            case 5:
            case 6:
            case 7: {
                units().setFocus();
                QTest::keyClick(&units(), random.bounded(2) ? Qt::Key_Down : Qt::Key_Up);
                break;
            }
            case 8: pickFromList(units(), units().itemText(random.bounded(14))); break;
            case 9: {
                // Typed into the unit list's text part, not picked.
                const QString typed =
                    random.bounded(2) ? units().itemText(random.bounded(14)) : randomEntry(random).left(20);
                units().lineEdit()->setFocus();
                units().lineEdit()->selectAll();
                QTest::keyClicks(units().lineEdit(), typeable(typed));
                break;
            }
            case 10:
            case 11:
            case 12:
            case 13:
            case 14: convert(step); break;
            case 15: QTest::mouseClick(&button("cmdClear"), Qt::LeftButton); break;
            case 16: action("mnuClearItem").trigger(); break;
            case 17:
                if (random.bounded(4) == 0) {
                    const auto shown = modals.answerMessageBox([&] { action("mnuAbout").trigger(); });
                    QVERIFY2(shown && shown->text.startsWith("Send comments to: "),
                             qPrintable(describe(step, "no About box")));
                }
                break;
            case 18:
                entry().setFocus();
                QTest::keyClick(&entry(), Qt::Key_Escape);
                break;
            case 19:
                if (units().currentIndex() < 0)
                    break;  // Enter with a typed unit text is the same path as case 14
                convert(step);
                break;
            }
            checkWindowWhole(step);
            if (QTest::currentTestFailed())
                return;
        }
    }

    // The longest text the entry holds is read like any other text.
    void longestEntry_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("miles");
        const int longest = NumberEntry::kMaxLength;
        QTest::newRow("one, then zeros after the point") << "1." + QString(longest - 2, '0') << "3.";
        QTest::newRow("blanks, then seven") << QString(longest - 1, ' ') + "7"
                                            << "21.";
        QTest::newRow("two, then letters") << "2" + QString(longest - 1, 'x') << "6.";
    }
    void longestEntry() {
        QFETCH(QString, typed);
        QFETCH(QString, miles);
        entry().setText(typed);
        QCOMPARE(entry().text().size(), typed.size());  // nothing cut off
        pickFromList(units(), "LEAGUE");
        QTest::mouseClick(&button("cmdConvert"), Qt::LeftButton);
        QCOMPARE(fieldOf("MILES").text(), miles);
        QCOMPARE(fieldOf("LEAGUE").text(), QString("LEAGUE"));
    }
};

ZELVAR_GUI_TEST_MAIN(TestSoak)
#include "tst_soak.moc"
