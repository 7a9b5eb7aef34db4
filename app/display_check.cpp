// SPDX-License-Identifier: GPL-3.0-or-later
#include "display_check.h"

#include <QCoreApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include "runtime/qt_internals.h"
#include "terminal/command_line.h"
#include "terminal/terminal_messages.h"

namespace zelvar {
namespace {

// A message as Qt gave it, kept to be shown later.
struct HeldMessage {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};

std::vector<HeldMessage>& heldMessages() {
    static std::vector<HeldMessage> held;
    return held;
}

QtMessageHandler shownBy = nullptr;  // the handler that shows messages once the platform is up
std::string failureLine;             // what the user is told when the display cannot be opened

const char* orNull(const QByteArray& bytes) {
    return bytes.isNull() ? nullptr : bytes.constData();
}

// Hands the held messages to the handler that shows them. Straight to it,
// not through Qt's qt_message_output, which would count each warning a
// second time towards QT_FATAL_WARNINGS and abort on a replayed fatal.
void showHeld() {
    for (const HeldMessage& m : heldMessages()) {
        const QMessageLogContext context(orNull(m.file), m.line, orNull(m.function), orNull(m.category));
        shownBy(m.type, context, m.text);
    }
    heldMessages().clear();
}

// Runs inside the application object's constructor once the platform is up.
void platformStarted() {
    qInstallMessageHandler(shownBy);
    showHeld();
}

bool displayCouldNotBeOpened() {
    for (const HeldMessage& m : heldMessages()) {
        if (qt_internals::reportsDisplayNotOpened(m.text))
            return true;
    }
    return false;
}

// While the platform starts. A fatal message now means no platform could be
// started, and Qt would abort after it. When the platform said that it could
// not open its display, the user gets one line. Otherwise (no such plugin,
// or one whose library could not be loaded) Qt's own lines tell the cause.
void holdWhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    heldMessages().push_back(HeldMessage{type, QByteArray(context.file), QByteArray(context.function),
                                         QByteArray(context.category), context.line, text});
    if (type != QtFatalMsg)
        return;
    if (displayCouldNotBeOpened())
        std::fputs(failureLine.c_str(), stderr);
    else
        showHeld();
    _exit(kExitCannotRun);
}

// The value of a Qt option such as -platform in the command line, or null;
// Qt takes "-name value" and "--name value".
const char* optionValue(int argc, char** argv, const std::string& name) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (argv[i] == "-" + name || argv[i] == "--" + name)
            return argv[i + 1];
    }
    return nullptr;
}

bool isSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

}  // namespace

std::optional<int> prepareDisplay(int argc, char** argv) {
    const std::string advice = "; run it from a desktop session, or use --convert in a terminal";

    // What names the display or the platform, for the message.
    std::string named;
    const auto name = [&named](const char* what, const char* value) {
        if (value && *value)
            named += (named.empty() ? "" : ", ") + std::string(what) + value;
    };
    name("-platform ", optionValue(argc, argv, "platform"));
    name("QT_QPA_PLATFORM=", std::getenv("QT_QPA_PLATFORM"));
    name("-display ", optionValue(argc, argv, "display"));
    name("WAYLAND_DISPLAY=", std::getenv("WAYLAND_DISPLAY"));
    name("DISPLAY=", std::getenv("DISPLAY"));
    if (named.empty()) {
        complain("no display to open (DISPLAY and WAYLAND_DISPLAY are not set)" + advice);
        return kExitCannotRun;
    }
    if (isSet("QT_FATAL_WARNINGS") || isSet("QT_FATAL_CRITICALS"))
        return std::nullopt;

    failureLine = programName() + ": cannot open the display (" + named + ")" + advice + "\n";
    shownBy = qInstallMessageHandler(holdWhileStarting);
    qAddPreRoutine(platformStarted);
    return std::nullopt;
}

}  // namespace zelvar
