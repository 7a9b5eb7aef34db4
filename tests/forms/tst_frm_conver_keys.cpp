// SPDX-License-Identifier: GPL-3.0-or-later
// The converter window from the keyboard: Enter, Esc, access keys, keys on
// focused buttons and the keypad's decimal key.

#include <QAccessible>
#include <QAction>
#include <QMenu>

#include "frm_conver_fixture.h"

using namespace zelvar;

class TstFrmConverKeys : public test::FrmConverFixture {
    Q_OBJECT

    // A unit picked and a number typed, nothing converted yet.
    void prepare() {
        test::pickFromList(units(), "LEAGUE");
        typeEntry("1");
        QCOMPARE(fieldOf("MILES").text(), QString());
    }

    bool converted() {
        return fieldOf("MILES").text() == QLatin1String("3.") && fieldOf("LEAGUE").text() == QLatin1String("LEAGUE");
    }
    bool cleared() {
        for (const auto& [unit, text] : fields()) {
            if (!text.isEmpty())
                return false;
        }
        return true;
    }

    void focus(const QString& control) {
        test::childOf(*window, control).setFocus();
        QCOMPARE(test::focusedControl(), control);
    }

private slots:
    void enterConverts_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::newRow("Return in the entry") << "txtUserData" << int(Qt::Key_Return);
        QTest::newRow("keypad Enter in the entry") << "txtUserData" << int(Qt::Key_Enter);
        QTest::newRow("Return in the unit list") << "cboMeasures" << int(Qt::Key_Return);
        QTest::newRow("Return on CONVERT") << "cmdConvert" << int(Qt::Key_Return);
        QTest::newRow("Space on CONVERT") << "cmdConvert" << int(Qt::Key_Space);
    }

    void enterConverts() {
        QFETCH(QString, from);
        QFETCH(int, key);
        prepare();
        focus(from);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QTRY_VERIFY(converted());
        QCOMPARE(units().count(), 14);
        QCOMPARE(entry().text(), QStringLiteral("1"));
    }

    void keysOnClearClear_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        for (const char* control : {"txtUserData", "cboMeasures", "cmdConvert", "cmdClear"})
            QTest::newRow(qPrintable(QStringLiteral("Esc in %1").arg(control))) << control << int(Qt::Key_Escape);
        QTest::newRow("Return on CLEAR") << "cmdClear" << int(Qt::Key_Return);
        QTest::newRow("Space on CLEAR") << "cmdClear" << int(Qt::Key_Space);
    }

    void keysOnClearClear() {
        QFETCH(QString, from);
        QFETCH(int, key);
        prepare();
        button("cmdConvert").click();
        QVERIFY(converted());
        focus(from);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QTRY_VERIFY(cleared());
        QCOMPARE(entry().text(), QStringLiteral("1"));
        QCOMPARE(units().currentText(), QStringLiteral("LEAGUE"));
    }

    void accessKeysPressTheButtons() {
        prepare();
        QTest::keyClick(window.get(), Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(converted());
        QTest::keyClick(window.get(), Qt::Key_L, Qt::AltModifier);
        QTRY_VERIFY(cleared());
    }

    void altFThenCClears() {
        prepare();
        button("cmdConvert").click();
        QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        QCOMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("mnuFile"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_C);
        QTRY_VERIFY(cleared());
        QCOMPARE(entry().text(), QStringLiteral("1"));
    }

    void altAShowsAbout() {
        const auto shown = modals.answerMessageBox([&] { QTest::keyClick(window.get(), Qt::Key_A, Qt::AltModifier); });
        QVERIFY(shown);
        QVERIFY(shown->text.startsWith(QLatin1String("Send comments to: ")));
    }

    void keypadDecimalKeyTypesAPoint_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("typed");
        QTest::newRow("keypad decimal point") << int(Qt::Key_Period) << int(Qt::KeypadModifier) << "12.5";
        QTest::newRow("keypad decimal comma") << int(Qt::Key_Comma) << int(Qt::KeypadModifier) << "12.5";
        QTest::newRow("main comma") << int(Qt::Key_Comma) << int(Qt::NoModifier) << "12,5";
        QTest::newRow("main point") << int(Qt::Key_Period) << int(Qt::NoModifier) << "12.5";
    }

    void keypadDecimalKeyTypesAPoint() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, typed);
        typeEntry("12");
        QTest::keyClick(&entry(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTest::keyClick(&entry(), Qt::Key_5, Qt::KeypadModifier);
        QCOMPARE(entry().text(), typed);
    }

    // On the way into the unit list a screen reader reads the prompt once, as
    // its words, not as a selection; replacing what it reads replaces it all.
    void tabOntoThePromptReadsItsWords() {
        focus("txtUserData");
        QTest::keyClick(&entry(), Qt::Key_Tab);
        QVERIFY(units().lineEdit()->hasSelectedText());
        QAccessibleInterface* text = QAccessible::queryAccessibleInterface(units().lineEdit());
        QCOMPARE(QAccessible::queryAccessibleInterface(&units())->text(QAccessible::Value), "Select Unit");
        QCOMPARE(text->textInterface()->selectionCount(), 0);
        text->editableTextInterface()->replaceText(0, text->textInterface()->characterCount(), "MILES");
        QCOMPARE(units().currentText(), "MILES");
    }
};

ZELVAR_GUI_TEST_MAIN(TstFrmConverKeys)
#include "tst_frm_conver_keys.moc"
