// SPDX-License-Identifier: GPL-3.0-or-later
// Both windows on desktops other than the one the layouts were drawn for:
// every text readable under dark and high-contrast schemes, every caption
// whole at the scale factor this run has (CTest runs it at 1, 1.25, 1.5 and
// 2), and pictures drawn from the files made for the screen's pixel density.

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "forms/forms.h"
#include "gui_test_support.h"
#include "runtime/controls.h"
#include "runtime/form_life.h"
#include "runtime/readable_colours.h"
#include "zelvar_project.h"

using namespace zelvar;

namespace {

QPalette scheme(QColor window, QColor base, QColor text) {
    QPalette palette(text, window, window.lighter(), window.darker(), window.darker(), text, text, base, window);
    palette.setColor(QPalette::ButtonText, text);
    return palette;
}

// The controls whose text a user reads, with the roles they paint it with.
struct TextControl {
    QWidget* widget;
    QPalette::ColorRole background, text;
};

QList<TextControl> textControls(QWidget& window) {
    QList<TextControl> found;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w))
            found.append({w, QPalette::Base, QPalette::Text});
        else if (qobject_cast<QPushButton*>(w))
            found.append({w, QPalette::Button, QPalette::ButtonText});
        else if (auto* label = qobject_cast<QLabel*>(w); label && !qobject_cast<PictureBox*>(w))
            found.append(
                {w, label->autoFillBackground() ? label->backgroundRole() : QPalette::Button, label->foregroundRole()});
    }
    return found;
}

double ratioOf(const TextControl& control) {
    const QPalette& palette = control.widget->palette();
    return contrastRatio(palette.color(control.background), palette.color(control.text));
}

QString plain(QString caption) {
    return caption.remove(QLatin1Char('&'));
}

// The control's text as laid out inside its contents, by its alignment.
QRect textRect(const QWidget& control, const QString& text, Qt::Alignment align, int inset) {
    const QRect inside = control.contentsRect().adjusted(inset, 0, -inset, 0);
    const int advance = control.fontMetrics().horizontalAdvance(text);
    QRect rect(inside.left(), inside.top(), advance, inside.height());
    if (align & Qt::AlignRight)
        rect.moveRight(inside.right());
    else if (align & Qt::AlignHCenter)
        rect.moveLeft(inside.left() + (inside.width() - advance) / 2);
    return rect.translated(control.pos());
}

// Why a text is not whole: cut by its own edges, by the window's, or under
// a sibling in front of it (shapes are transparent); empty when it is whole.
QString cut(const QWidget& control, const QRect& text) {
    if (!control.geometry().adjusted(0, 0, 1, 0).contains(text))
        return QStringLiteral("overruns its own box");
    if (!control.parentWidget()->rect().contains(text))
        return QStringLiteral("overruns the window");
    const QObjectList siblings = control.parentWidget()->children();
    for (qsizetype i = siblings.indexOf(&control) + 1; i < siblings.size(); ++i) {
        auto* above = qobject_cast<QWidget*>(siblings[i]);
        if (above && above->isVisible() && !above->testAttribute(Qt::WA_TransparentForMouseEvents) &&
            above->geometry().intersects(text))
            return QStringLiteral("lies under ") + above->objectName();
    }
    return {};
}

}  // namespace

class TstAnyDesktop : public QObject {
    Q_OBJECT

    QList<QWidget*> windows() {
        static const bool loaded = [] {
            FormApplication::current().setProject(zelvarProject());
            for (QWidget* w : {static_cast<QWidget*>(&frmSplash()), static_cast<QWidget*>(&frmConver())}) {
                showForm(*w);
                if (!QTest::qWaitForWindowExposed(w))
                    qFatal("%s never shown", qPrintable(w->objectName()));
            }
            return true;
        }();
        Q_UNUSED(loaded);
        return {&frmSplash(), &frmConver()};
    }

private slots:
    void readableUnderEveryScheme_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("dark") << scheme(QColor(53, 53, 53), QColor(42, 42, 42), Qt::white);
        QTest::newRow("high contrast") << scheme(Qt::black, Qt::black, Qt::white);
        QTest::newRow("light again") << QApplication::style()->standardPalette();
    }

    // Switched while the windows are open, as a user may: each text reads at
    // least as well as 4.5:1 or as under the default scheme.
    void readableUnderEveryScheme() {
        QFETCH(QPalette, palette);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(QApplication::style()->standardPalette());
        QCoreApplication::processEvents();
        QHash<QWidget*, double> lightRatio;
        for (QWidget* window : windows()) {
            for (const TextControl& control : textControls(*window))
                lightRatio[control.widget] = ratioOf(control);
        }
        QApplication::setPalette(palette);
        QCoreApplication::processEvents();  // windows take a new palette through their event queue
        for (QWidget* window : windows()) {
            for (const TextControl& control : textControls(*window)) {
                const double needed = std::min(4.5, lightRatio[control.widget]);
                QVERIFY2(ratioOf(control) >= needed - 1e-9,
                         qPrintable(control.widget->objectName() + QStringLiteral(": ") +
                                    QString::number(ratioOf(control)) + QStringLiteral(" < ") +
                                    QString::number(needed)));
            }
        }
        QApplication::setPalette(before);
        QCoreApplication::processEvents();
    }

    void everyCaptionIsWhole() {
        for (QWidget* window : windows()) {
            for (QLabel* label : window->findChildren<QLabel*>()) {
                if (label->text().isEmpty() || qobject_cast<PictureBox*>(label))
                    continue;
                const int inset = label->margin() + std::max(label->indent(), 0);
                const QString why = cut(*label, textRect(*label, label->text(), label->alignment(), inset));
                QVERIFY2(why.isEmpty(), qPrintable(label->objectName() + QStringLiteral(" ") + why));
            }
            for (QPushButton* button : window->findChildren<QPushButton*>()) {
                const QString text = plain(button->text());
                const int room =
                    button->width() - 2 * QApplication::style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
                QVERIFY2(button->fontMetrics().horizontalAdvance(text) <= room, qPrintable(button->objectName()));
            }
        }
    }

    // The prompt in the box and each unit in the open list, none elided.
    void unitListShowsEveryEntryWhole() {
        auto* combo = frmConver().findChild<QComboBox*>(QStringLiteral("cboMeasures"));
        QVERIFY(combo);
        QLineEdit* edit = combo->lineEdit();
        const int promptRoom = edit->contentsRect().width() - 2 * 2;  // QLineEdit's own text margin
        QVERIFY2(edit->fontMetrics().horizontalAdvance(combo->currentText()) <= promptRoom,
                 qPrintable(combo->currentText()));
        combo->showPopup();
        QAbstractItemView* list = combo->view();
        QVERIFY(QTest::qWaitForWindowExposed(list->window()));
        const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
        for (int row = 0; row < combo->count(); ++row) {
            const QModelIndex index = combo->model()->index(row, 0);
            const int room = list->visualRect(index).width() - 2 * margin;
            QVERIFY2(list->fontMetrics().horizontalAdvance(combo->itemText(row)) <= room,
                     qPrintable(combo->itemText(row)));
        }
        combo->hidePopup();
    }

    void picturesSuitTheScreen_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("sharp");  // drawn at twice the pixels
        QTest::newRow("splash backdrop") << "frmSplash"
                                         << "Image1"
                                         << ":/pictures/splash-backdrop.jpg"
                                         << ":/pictures/splash-backdrop@2x.jpg";
        QTest::newRow("splash banner") << "frmSplash"
                                       << "Image2"
                                       << ":/pictures/splash-banner.gif"
                                       << ":/pictures/splash-banner@2x.gif";
        QTest::newRow("splash logo") << "frmSplash"
                                     << "imgLogo"
                                     << ":/pictures/splash-logo.ico"
                                     << ":/pictures/splash-logo@2x.ico";
        QTest::newRow("converter logo") << "frmConver"
                                        << "Image1"
                                        << ":/pictures/main-logo.bmp"
                                        << ":/pictures/main-logo@2x.bmp";
    }

    // On a dense screen each picture is drawn from the file made at twice
    // the pixels, not the plain one stretched, at the same size on screen.
    void picturesSuitTheScreen() {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(QString, plain);
        QFETCH(QString, sharp);
        const QList<QWidget*> forms = windows();
        const auto form =
            std::find_if(forms.begin(), forms.end(), [&](QWidget* w) { return w->objectName() == window; });
        QVERIFY2(form != forms.end(), qPrintable(window));
        auto* picture = (*form)->findChild<PictureBox*>(name);
        QVERIFY2(picture, qPrintable(name));
        const bool dense = picture->devicePixelRatioF() > 1;
        QCOMPARE(test::drawnBy(*picture), test::drawnByQLabel(dense ? sharp : plain, picture->size()));
    }
};

ZELVAR_GUI_TEST_MAIN(TstAnyDesktop)
#include "tst_any_desktop.moc"
