// SPDX-License-Identifier: GPL-3.0-or-later
// The runtime's pure helpers: layout units, the user's number separators and
// the character codes keys carry.

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProxyStyle>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "runtime/deferred_icons.h"
#include "runtime/form_input.h"
#include "runtime/locale_number.h"
#include "runtime/qt_internals.h"
#include "runtime/twips.h"
#include "tests/support/number_form.h"

using namespace zelvar;

class TstRuntime : public QObject {
    Q_OBJECT

private slots:
    void twips_data() {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("one pixel") << 15 << 1;
        QTest::newRow("below half") << 7 << 0;
        QTest::newRow("half rounds up") << 8 << 1;
        QTest::newRow("client width") << 6600 << 440;
        QTest::newRow("negative") << -120 << -8;
        QTest::newRow("negative half") << -8 << -1;
    }

    void twips() {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(twipsToPixels(twips), pixels);
        // Each edge rounds on its own, so neighbours keep sharing an edge.
        QCOMPARE(twipsRect(0, 0, 7, 15).right() + 1, twipsRect(7, 0, 8, 15).left());
    }

    void separatorsOfALocale_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("thousands");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("plain");
        const QLocale us(QLocale::English, QLocale::UnitedStates), german(QLocale::German, QLocale::Germany);
        QTest::newRow("US English") << us << ","
                                    << "."
                                    << "-1,234,567.25"
                                    << "-1234567.25";
        QTest::newRow("German") << german << "."
                                << ","
                                << "1.234.567,25"
                                << "1234567,25";
        QTest::newRow("unit name") << us << ","
                                   << "."
                                   << "FEET"
                                   << "FEET";
    }

    // The separators results are rendered with, and a copy without the grouping.
    void separatorsOfALocale() {
        QFETCH(QLocale, locale);
        QFETCH(QString, thousands);
        QFETCH(QString, decimal);
        QFETCH(QString, shown);
        QFETCH(QString, plain);
        const NumberSeparators separators = numberSeparatorsOf(locale);
        QCOMPARE(QString::fromStdString(separators.thousands), thousands);
        QCOMPARE(QString::fromStdString(separators.decimal), decimal);
        QCOMPARE(withoutThousandsSeparators(shown, separators), plain);
    }

    void narrowSpaceGroupingIsDropped() {
        const NumberSeparators separators{"\u202F", ","};
        QCOMPARE(withoutThousandsSeparators(QString::fromUtf8("12\u202F345,5"), separators), QStringLiteral("12345,5"));
    }

    // A pasted number in a locale's form, as the reader takes it; a null
    // text where the paste goes in as it is.
    void numberForReader_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("forReader");
        const QLocale us("en_US"), de("de_DE"), fr("fr_FR"), ch("de_CH");
        // Each locale's own separators are read in the paste tests.
        QTest::newRow("fr look-alike spaces") << fr << QStringLiteral("1\u00a0234 567,25") << "1234567.25";
        QTest::newRow("ch plain apostrophe") << ch << "1'234.5"
                                             << "1234.5";
        QTest::newRow("de exponent") << de << "+1,5E-3"
                                     << "+1.5E-3";
        QTest::newRow("de minus sign") << de << QStringLiteral("\u22127,5") << "-7.5";
        QTest::newRow("fi minus signs, as Qt writes them")
            << QLocale("fi_FI") << QStringLiteral("\u22121,5E\u221203") << "-1.5E-03";
        QTest::newRow("ch space") << ch << "1 234.5" << QString();
        QTest::newRow("de group of one") << de << "1.5" << QString();
        QTest::newRow("de leading zero group") << de << "0.001" << QString();
        QTest::newRow("us groups of two") << us << "12,34,567.5" << QString();
        QTest::newRow("fr exponent without digits") << fr << "1,5E" << QString();
    }

    void numberForReader() {
        QFETCH(QLocale, locale);
        QFETCH(QString, pasted);
        QFETCH(QString, forReader);
        QCOMPARE(zelvar::numberForReader(pasted, locale).value_or(QString()), forReader);
    }

    // The engine's tests write numbers in these forms.
    void numberFormsOfLocales() {
        QVERIFY(zelvar::numberFormOf(QLocale("en_US")) == zelvar::test::kPointAndCommas);
        QVERIFY(zelvar::numberFormOf(QLocale("de_DE")) == zelvar::test::kCommaAndPoints);
        QVERIFY(zelvar::numberFormOf(QLocale("fr_FR")) == zelvar::test::kCommaAndSpaces);
        QVERIFY(zelvar::numberFormOf(QLocale("de_CH")) == zelvar::test::kPointAndApostrophes);
    }

    // A menu bar asks the style for its extension button's icon as it is
    // made; the icon is the style's own, but no image plugin is loaded to
    // read it until it is drawn.
    void menuBarExtensionIconDeferred() {
        const auto imagePluginsLoaded = [] {
            QFile maps(QStringLiteral("/proc/self/maps"));
            return maps.open(QIODevice::ReadOnly) ? maps.readAll().count("/imageformats/") : -1;
        };
        zelvar::installDeferredStyleIcons();
        const qsizetype before = imagePluginsLoaded();
        QMenuBar bar;
        auto* extension = bar.findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
        QVERIFY(extension);
        QCOMPARE(imagePluginsLoaded(), before);
        const QStyle* own = qobject_cast<QProxyStyle*>(QApplication::style())->baseStyle();
        const QIcon icon = own->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, nullptr, &bar);
        QCOMPARE(extension->icon().pixmap(16).toImage(), icon.pixmap(16).toImage());
    }

    // The pieces of Qt's own widgets the program relies on: a Qt that
    // changes one fails here instead of quietly changing the windows.
    void qtInternalsAreStillThere() {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("title"), QStringLiteral("the text"));
        const QLabel* label = qt_internals::messageBoxTextLabel(box);
        QVERIFY2(label, "QMessageBox no longer has qt_msgbox_label");
        QCOMPARE(label->text(), QStringLiteral("the text"));
        QComboBox combo;
        combo.setEditable(true);
        QVERIFY2(qt_internals::stopPickingOnEditingFinished(combo), "QComboBox no longer picks on editingFinished");
        QLineEdit edit;
        std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        QVERIFY2(qt_internals::pasteThrough(*menu, edit, [] {}), "QLineEdit's menu no longer pastes through paste()");
    }

    void keyAsciiOf_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");  // -1: none
        const int none = Qt::NoModifier, shift = Qt::ShiftModifier, ctrl = Qt::ControlModifier, alt = Qt::AltModifier;
        QTest::newRow("letter") << int(Qt::Key_A) << none << "a" << int('a');
        QTest::newRow("capital") << int(Qt::Key_Z) << shift << "Z" << int('Z');
        QTest::newRow("digit") << int(Qt::Key_7) << none << "7" << int('7');
        QTest::newRow("keypad digit") << int(Qt::Key_7) << int(Qt::KeypadModifier) << "7" << int('7');
        QTest::newRow("punctuation") << int(Qt::Key_Period) << none << "." << int('.');
        QTest::newRow("space") << int(Qt::Key_Space) << none << " " << 32;
        QTest::newRow("accented letter") << int(Qt::Key_Eacute) << none << "\u00e9" << 0xe9;
        QTest::newRow("Enter") << int(Qt::Key_Return) << none << "\r" << 13;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << 13;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << none << "\x1b" << 27;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << "\b" << 8;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << none << "\t" << 9;
        QTest::newRow("Ctrl+C as a code") << int(Qt::Key_C) << ctrl << "\x03" << 3;
        QTest::newRow("Ctrl+C as a letter") << int(Qt::Key_C) << ctrl << "c" << 3;
        QTest::newRow("Ctrl+[") << int(Qt::Key_BracketLeft) << ctrl << "\x1b" << 27;
        QTest::newRow("Ctrl+1") << int(Qt::Key_1) << ctrl << "1" << -1;
        QTest::newRow("Alt+F") << int(Qt::Key_F) << alt << "f" << -1;
        QTest::newRow("arrow") << int(Qt::Key_Left) << int(Qt::KeypadModifier) << "" << -1;
        QTest::newRow("F1") << int(Qt::Key_F1) << none << "" << -1;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << none << "\x7f" << -1;
        QTest::newRow("Shift alone") << int(Qt::Key_Shift) << shift << "" << -1;
        QTest::newRow("Ctrl alone") << int(Qt::Key_Control) << ctrl << "" << -1;
        QTest::newRow("Alt alone") << int(Qt::Key_Alt) << alt << "" << -1;
    }

    void keyAsciiOf() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, code);
        const QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        const std::optional<char32_t> ascii = keyAscii(press);
        QCOMPARE(ascii ? int(*ascii) : -1, code);
    }
};

QTEST_MAIN(TstRuntime)
#include "tst_runtime.moc"
