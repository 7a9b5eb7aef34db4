// SPDX-License-Identifier: GPL-3.0-or-later
// A paste into the converter window's entry by Ctrl+V, from the key press to
// the window being idle again (its event queue empty for a while): a plain
// 20-character paste and a 10 MB one, median of several each. Runs on the
// platform QT_QPA_PLATFORM names; run it with the accessibility bridge on to
// see what a screen reader adds. Prints "paste_20_ms=... paste_10mb_ms=...".
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "forms/frm_conver.h"
#include "runtime/program.h"

namespace {

using Clock = std::chrono::steady_clock;

// Long enough for a screen reader's questions about the change to arrive.
constexpr auto kQuiet = std::chrono::milliseconds(200);

// Handles events until none has come for kQuiet; returns when the last was
// handled.
Clock::time_point waitUntilIdle() {
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    Clock::time_point lastBusy = Clock::now();
    while (Clock::now() - lastBusy < kQuiet) {
        if (dispatcher->processEvents(QEventLoop::AllEvents))
            lastBusy = Clock::now();
        else
            std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return lastBusy;
}

double medianPasteMilliseconds(QLineEdit& entry, const QString& text, int runs) {
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        entry.clear();
        QGuiApplication::clipboard()->setText(text);
        waitUntilIdle();
        const Clock::time_point start = Clock::now();
        QTest::keyClick(&entry, Qt::Key_V, Qt::ControlModifier);
        samples.push_back(std::chrono::duration<double, std::milli>(waitUntilIdle() - start).count());
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    zelvar::FormApplication app(argc, argv);
    QApplication::setCursorFlashTime(0);  // a blinking cursor is never idle
    zelvar::FrmConver window;
    window.show();
    window.activateWindow();
    auto* entry = window.findChild<QLineEdit*>("txtUserData");
    if (!entry || !QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "paste_bench: no window or no entry\n");
        return 1;
    }
    entry->setFocus();
    constexpr int kRuns = 5;
    const QString plain = QStringLiteral("12345678901234567890");
    const QString huge = QString(plain).repeated(10 * 1024 * 1024 / plain.size());

    const double plain_ms = medianPasteMilliseconds(*entry, plain, kRuns);
    const double huge_ms = medianPasteMilliseconds(*entry, huge, kRuns);
    if (entry->text() != huge.left(entry->maxLength())) {
        std::fprintf(stderr, "paste_bench: the entry holds %lld characters\n", (long long)entry->text().size());
        return 1;
    }
    std::printf("paste_20_ms=%.2f paste_10mb_ms=%.2f\n", plain_ms, huge_ms);
    return 0;
}
