// Pasting into the number entry, for a user of the number settings CTest
// runs it with (LC_ALL): a copied result reads back, a number in the user's
// own form goes in as the reader takes it by every way of pasting, anything
// else goes in as it is, and a huge paste stops at the entry's limit.

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>

#include "frm_conver_fixture.h"

using namespace zelvar;

namespace {

enum class Way { CtrlV, ShiftInsert, ContextMenu, MiddleClick };

const QString kGroup = QLocale::system().groupSeparator();
const QString kDecimal = QLocale::system().decimalPoint();

}  // namespace

Q_DECLARE_METATYPE(Way)

class TstPaste : public test::FrmConverFixture {
    Q_OBJECT

    void paste(const QString& text, Way way = Way::CtrlV) {
        entry().clear();
        entry().setFocus();
        const bool selection = way == Way::MiddleClick;
        QGuiApplication::clipboard()->setText(text, selection ? QClipboard::Selection : QClipboard::Clipboard);
        switch (way) {
        case Way::CtrlV: QTest::keyClick(&entry(), Qt::Key_V, Qt::ControlModifier); break;
        case Way::ShiftInsert: QTest::keyClick(&entry(), Qt::Key_Insert, Qt::ShiftModifier); break;
        case Way::MiddleClick: QTest::mouseClick(&entry(), Qt::MiddleButton); break;
        case Way::ContextMenu: {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), entry().mapToGlobal(QPoint(4, 4)));
            QCoreApplication::sendEvent(&entry(), &event);
            QMenu* menu = nullptr;
            QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
            for (QAction* item : menu->actions()) {
                if (item->text().startsWith(QStringLiteral("&Paste")))
                    item->trigger();
            }
            menu->close();
            break;
        }
        }
    }

    void convertFrom(const QString& unit) {
        test::pickFromList(units(), unit);
        button("cmdConvert").click();
    }

private slots:
    // Copy on a result field, paste, CONVERT from that field's unit: the
    // first unit's field shows the number first typed.
    void copiedResultReadsBack_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<double>("typed");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("copiedUnit");
        QTest::newRow("a fraction") << "METERS" << 12345.6 << 1 << "DEKAMETERS";
        QTest::newRow("no digit after the separator") << "KILOMETERS" << 1.25 << 2 << "METERS";
        QTest::newRow("below one, negative") << "INCHES" << -7.5 << 1 << "FEET";
    }

    void copiedResultReadsBack() {
        QFETCH(QString, unit);
        QFETCH(double, typed);
        QFETCH(int, decimals);
        QFETCH(QString, copiedUnit);
        typeEntry(QString::number(typed, 'f', decimals));
        convertFrom(unit);
        fieldOf(copiedUnit).actions().at(0)->trigger();
        paste(QGuiApplication::clipboard()->text());
        convertFrom(copiedUnit);
        QCOMPARE(fieldOf(unit).text(), QLocale::system().toString(typed, 'f', decimals));
    }

    void numberInTheUsersForm_data() {
        QTest::addColumn<Way>("way");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("entered");
        const QString grouped = "-12" + kGroup + "345" + kDecimal + "5";
        QTest::newRow("Ctrl+V") << Way::CtrlV << grouped << "-12345.5";
        QTest::newRow("Shift+Insert") << Way::ShiftInsert << grouped << "-12345.5";
        QTest::newRow("context menu") << Way::ContextMenu << grouped << "-12345.5";
        if (QGuiApplication::clipboard()->supportsSelection())
            QTest::newRow("middle click") << Way::MiddleClick << grouped << "-12345.5";
        QTest::newRow("blanks around") << Way::CtrlV << "\t" + grouped + " \n"
                                       << "-12345.5";
        QTest::newRow("no grouping") << Way::CtrlV << "7" + kDecimal + "25"
                                     << "7.25";
    }

    void numberInTheUsersForm() {
        QFETCH(Way, way);
        QFETCH(QString, pasted);
        QFETCH(QString, entered);
        paste(pasted, way);
        QCOMPARE(entry().text(), entered);
    }

    void otherTextGoesInAsItIs_data() {
        QTest::addColumn<Way>("way");
        QTest::addColumn<QString>("pasted");
        for (Way way : {Way::CtrlV, Way::ContextMenu}) {
            const QString how = way == Way::CtrlV ? "Ctrl+V" : "menu";
            QTest::newRow(qPrintable(how + ", with a unit")) << way << "1" + kGroup + "234" + kDecimal + "5 m";
            QTest::newRow(qPrintable(how + ", as the reader takes it")) << way << " 1234.5E3 ";
            QTest::newRow(qPrintable(how + ", two separators")) << way << "1" + kDecimal + "2" + kDecimal + "3";
            QTest::newRow(qPrintable(how + ", words")) << way << "twelve";
        }
    }

    void otherTextGoesInAsItIs() {
        QFETCH(Way, way);
        QFETCH(QString, pasted);
        paste(pasted, way);
        QCOMPARE(entry().text(), pasted);
    }

    void typingIsNotRewritten() {
        const QString typed = "1" + kGroup + "234" + kDecimal + "5";
        entry().clear();
        for (QChar c : typed)  // keyClicks types ASCII only
            QTest::sendKeyEvent(QTest::Click, &entry(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        QCOMPARE(entry().text(), typed);
    }

    void hugePasteStopsAtTheLimit_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        const QString digits = QString("1234567890").repeated(1 << 20);
        QTest::newRow("10 MB of digits") << digits << digits.left(32767);
        const QString grouped = "1" + QString(kGroup + "234").repeated(2'600'000);
        QTest::newRow("10 MB grouped") << grouped << "1" + QString("234").repeated(10922);
    }

    void hugePasteStopsAtTheLimit() {
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        // Qt is handed no more than fits: what it cuts off itself it reports
        // as rejected, after announcing all of it to a screen reader.
        QSignalSpy rejected(&entry(), &QLineEdit::inputRejected);
        paste(pasted);
        QCOMPARE(entry().text(), kept);
        QCOMPARE(rejected.count(), 0);
        QTest::keyClick(&entry(), Qt::Key_5);  // full: refused
        QCOMPARE(entry().text(), kept);
    }
};

ZELVAR_GUI_TEST_MAIN(TstPaste)
#include "tst_paste.moc"
