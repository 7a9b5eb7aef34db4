// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>
#include <new>

#include "program.h"
#include "qt_internals.h"

namespace zelvar {
namespace {

// A short message still gets a box wide enough for its title bar to show the
// title beside the window manager's buttons.
constexpr int kNarrowestTextInCharacters = 30;

constexpr int kExitAfterRunTimeError = 1;

// Qt wraps a message wider than half the screen (500 pixels at most) and may
// break a web address at its slashes. Here each line of the message stays one
// line while the screen has room for it: the message's label is made as wide
// as its longest line.
void sizeForText(QMessageBox& box, const QString& prompt) {
    QLabel* label = qt_internals::messageBoxTextLabel(box);
    if (!label)
        return;
    const QFontMetrics metrics = label->fontMetrics();
    int widest = kNarrowestTextInCharacters * metrics.averageCharWidth();
    for (const QString& line : prompt.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    // A character to spare for rounding in the label's own text layout.
    widest += metrics.averageCharWidth();
    const QScreen* screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().width() * 3 / 4 : widest;
    label->setMinimumWidth(std::min(widest, room));
}

}  // namespace

void showMessage(QWidget* parent, const QString& prompt) {
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), prompt, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    sizeForText(box, prompt);
    box.exec();
}

RunTimeErrorRaised::RunTimeErrorRaised(RunTimeError error)
    : std::runtime_error(error.description.toStdString()), error_(std::move(error)) {}

RunTimeError runTimeErrorOf(std::exception_ptr exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const RunTimeErrorRaised& raised) {
        return raised.error();
    } catch (const std::bad_alloc&) {
        return kOutOfMemoryError;
    } catch (const std::exception& other) {
        const QString what = QString::fromLocal8Bit(other.what());
        if (what.isEmpty())
            return kInternalError;
        return {kInternalError.number, kInternalError.description + QStringLiteral(": ") + what};
    } catch (...) {
        return kInternalError;
    }
}

QString runTimeErrorText(const RunTimeError& error) {
    return QStringLiteral("Run-time error %1:\n\n%2").arg(error.number).arg(error.description);
}

void reportRunTimeError(const RunTimeError& error) {
    showMessage(QApplication::activeWindow(), runTimeErrorText(error));
}

void reportUnhandledAndEnd(std::exception_ptr exception) {
    reportRunTimeError(runTimeErrorOf(exception));
    endProgram(kExitAfterRunTimeError);
}

}  // namespace zelvar
