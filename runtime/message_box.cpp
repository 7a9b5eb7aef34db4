#include "message_box.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>

namespace zelvar {
namespace {

// A short message still gets a box wide enough for its title bar to show the
// title beside the window manager's buttons.
constexpr int kNarrowestTextInCharacters = 30;

// Qt wraps a message wider than half the screen (500 pixels at most) and may
// break a web address at its slashes. Here each line of the message stays one
// line while the screen has room for it: the message's label is made as wide
// as its longest line.
void sizeForText(QMessageBox& box, const QString& prompt) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
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

}  // namespace zelvar
