// SPDX-License-Identifier: GPL-3.0-or-later
// CONVERT in the real window, offscreen: from the button's click to all
// fourteen fields updated, median of many clicks, beside the engine alone
// measured in the same run. Prints "window_convert_us=... engine_convert_us=...".
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "engine/convert.h"
#include "forms/frm_conver.h"
#include "runtime/program.h"

namespace {

using Clock = std::chrono::steady_clock;

double median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

template <class Action> double medianMicroseconds(int runs, Action action) {
    std::vector<double> samples;
    samples.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        action(i);
        samples.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    return median(samples);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    zelvar::FormApplication app(argc, argv);
    zelvar::FrmConver window;
    window.show();
    QCoreApplication::processEvents();

    auto* entry = window.findChild<QLineEdit*>("txtUserData");
    auto* unit = window.findChild<QComboBox*>("cboMeasures");
    auto* convert = window.findChild<QPushButton*>("cmdConvert");
    auto* inches = window.findChild<QLabel*>("lb3Inch");
    if (!entry || !unit || !convert || !inches) {
        std::fprintf(stderr, "window_convert_bench: the window lacks its controls\n");
        return 1;
    }
    unit->setCurrentIndex(0);  // LEAGUE
    constexpr int kRuns = 1000;
    const char* entries[] = {"1234.56", "7", "0.1", "-2.5"};

    const double window_us = medianMicroseconds(kRuns, [&](int i) {
        entry->setText(entries[i % 4]);
        QTest::mouseClick(convert, Qt::LeftButton);
        QCoreApplication::processEvents();  // the fields repaint with their new size
    });
    const double engine_us = medianMicroseconds(kRuns, [&](int i) {
        const auto result = zelvar::convertEntry(entries[i % 4], "LEAGUE");
        if (result.captions[0].empty())
            std::abort();
    });
    if (inches->text().isEmpty()) {
        std::fprintf(stderr, "window_convert_bench: CONVERT wrote nothing\n");
        return 1;
    }
    std::printf("window_convert_us=%.2f engine_convert_us=%.2f\n", window_us, engine_us);
    return 0;
}
