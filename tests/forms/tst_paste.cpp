// SPDX-License-Identifier: GPL-3.0-or-later
// Pasting into the entry under the number settings CTest gives (LC_ALL): a
// copied result reads back; other text, and what is beyond the limit, not.

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

#include "frm_conver_fixture.h"

using namespace zelvar;

enum class Way { CtrlV, ShiftInsert, ContextMenu, MiddleClick };
Q_DECLARE_METATYPE(Way)

class TstPaste : public test::FrmConverFixture {
    Q_OBJECT

    void paste(const QString& text, Way way = Way::CtrlV) {
        entry().clear();
        entry().setFocus();
        QGuiApplication::clipboard()->setText(text,
                                              way == Way::MiddleClick ? QClipboard::Selection : QClipboard::Clipboard);
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(4, 4), entry().mapToGlobal(QPoint(4, 4)));
        switch (way) {
        case Way::CtrlV: QTest::keyClick(&entry(), Qt::Key_V, Qt::ControlModifier); break;
        case Way::ShiftInsert: QTest::keyClick(&entry(), Qt::Key_Insert, Qt::ShiftModifier); break;
        case Way::MiddleClick: QTest::mouseClick(&entry(), Qt::MiddleButton); break;
        case Way::ContextMenu:
            QCoreApplication::sendEvent(&entry(), &menuKey);
            QTRY_VERIFY(QApplication::activePopupWidget());
            for (QAction* item : QApplication::activePopupWidget()->actions())
                if (item->text().startsWith("&Paste"))
                    item->trigger();
            QApplication::activePopupWidget()->close();
        }
    }

private slots:
    // Copy a result field, paste it, CONVERT from its unit: the first unit's
    // field shows the number first typed.
    void copiedResultReadsBack_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<double>("typed");
        QTest::addColumn<QString>("copiedUnit");
        QTest::newRow("a fraction") << "METERS" << 12345.6 << "DEKAMETERS";
        QTest::newRow("no digit after the separator") << "KILOMETERS" << 1.25 << "METERS";
        QTest::newRow("below one, negative") << "INCHES" << -7.5 << "FEET";
    }

    void copiedResultReadsBack() {
        QFETCH(QString, unit);
        QFETCH(double, typed);
        QFETCH(QString, copiedUnit);
        const QString text = QString::number(typed);
        typeEntry(text);
        test::pickFromList(units(), unit);
        button("cmdConvert").click();
        fieldOf(copiedUnit).actions().at(0)->trigger();
        paste(QGuiApplication::clipboard()->text());
        test::pickFromList(units(), copiedUnit);
        button("cmdConvert").click();
        const int decimals = int(text.size() - text.indexOf('.') - 1);
        QCOMPARE(fieldOf(unit).text(), QLocale::system().toString(typed, 'f', decimals));
    }

    void whatGoesIn_data() {
        QTest::addColumn<Way>("way");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("entered");
        const QString group = QLocale::system().groupSeparator(), decimal = QLocale::system().decimalPoint();
        const QString grouped = " -12" + group + "345" + decimal + "5\n", unit = "1" + group + "234" + decimal + "5 m";
        QTest::newRow("Ctrl+V") << Way::CtrlV << grouped << "-12345.5";
        QTest::newRow("Shift+Insert") << Way::ShiftInsert << grouped << "-12345.5";
        QTest::newRow("context menu") << Way::ContextMenu << grouped << "-12345.5";
        if (QGuiApplication::clipboard()->supportsSelection())
            QTest::newRow("middle click") << Way::MiddleClick << grouped << "-12345.5";
        QTest::newRow("with a unit, Ctrl+V") << Way::CtrlV << unit << unit;
        QTest::newRow("with a unit, context menu") << Way::ContextMenu << unit << unit;
        const QString readerForm = QStringLiteral(" 1234.5E3 ");
        QTest::newRow("as the reader takes it") << Way::CtrlV << readerForm << readerForm;
        const QString digits = QString("1234567890").repeated(1 << 20);
        QTest::newRow("10 MB of digits") << Way::CtrlV << digits << digits.left(32767);
        const QString huge = "1" + QString(group + "234").repeated(2'600'000);
        QTest::newRow("10 MB grouped") << Way::CtrlV << huge << "1" + QString("234").repeated(10922);
    }

    void whatGoesIn() {
        QFETCH(Way, way);
        QFETCH(QString, pasted);
        QFETCH(QString, entered);
        // Qt is handed no more than fits: what it cuts itself it reports as
        // rejected, after announcing all of it to a screen reader.
        QSignalSpy rejected(&entry(), &QLineEdit::inputRejected);
        paste(pasted, way);
        QCOMPARE(entry().text(), entered);
        QCOMPARE(rejected.count(), 0);
    }
};

ZELVAR_GUI_TEST_MAIN(TstPaste)
#include "tst_paste.moc"
