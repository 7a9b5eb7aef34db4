// SPDX-License-Identifier: GPL-3.0-or-later
#include <QByteArray>
#include <QtGlobal>

// Every test draws on Qt's offscreen platform unless told otherwise, so a
// test run from a shell needs no display and no environment. It is set
// before main, and so before any application object reads it.
namespace {
const bool offscreenByDefault = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
}();
}  // namespace
