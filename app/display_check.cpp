// SPDX-License-Identifier: GPL-3.0-or-later
#include "display_check.h"

#include <QCoreApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include "command_line.h"
#include "zelvar_project.h"

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

QtMessageHandler shownBy = nullptr;  // the handler that shows messages once the display is open
std::string failureLine;             // what the user is told when it cannot be opened

const char* orNull(const QByteArray& bytes) {
    return bytes.isNull() ? nullptr : bytes.constData();
}

// Runs inside the application object's constructor once the platform is up.
void showHeldMessages() {
    qInstallMessageHandler(shownBy);
    for (const HeldMessage& m : heldMessages()) {
        const QMessageLogContext context(orNull(m.file), m.line, orNull(m.function), orNull(m.category));
        qt_message_output(m.type, context, m.text);
    }
    heldMessages().clear();
}

// While the platform starts: Qt's complaints about a display it cannot open
// end in a fatal message and an abort; the user gets one line and status 1.
void holdWhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        std::fputs(failureLine.c_str(), stderr);
        _exit(kExitCannotRun);
    }
    heldMessages().push_back(HeldMessage{type, QByteArray(context.file), QByteArray(context.function),
                                         QByteArray(context.category), context.line, text});
    if (type == QtFatalMsg)  // not about the display: shown as Qt would, and Qt aborts
        showHeldMessages();
}

// The value of a Qt option such as -platform in the command line, or null.
const char* optionValue(int argc, char** argv, const std::string& name) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (argv[i] == "-" + name || argv[i] == "--" + name)
            return argv[i + 1];
    }
    return nullptr;
}

}  // namespace

std::optional<int> prepareDisplay(int argc, char** argv) {
    const std::string program = zelvarProject().executableName.toStdString();
    const std::string advice = "; run it from a desktop session, or use --convert in a terminal\n";

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
        std::fputs((program + ": no display to open (DISPLAY and WAYLAND_DISPLAY are not set)" + advice).c_str(),
                   stderr);
        return kExitCannotRun;
    }

    failureLine = program + ": cannot open the display (" + named + ")" + advice;
    shownBy = qInstallMessageHandler(holdWhileStarting);
    qAddPreRoutine(showHeldMessages);
    return std::nullopt;
}

}  // namespace zelvar
