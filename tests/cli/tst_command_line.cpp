// SPDX-License-Identifier: GPL-3.0-or-later
// The program run from a shell, with no display: each option and its exit
// status, the one-line report when no display can be opened, and --convert
// printing exactly what the engine gives the window after CONVERT.

#include <QDir>
#include <QProcess>
#include <QtTest>

#include "engine/convert.h"
#include "zelvar_identity.h"

using namespace zelvar;

namespace {

struct Run {
    int status = -1;
    bool crashed = true;
    QString out, err;
};

// Runs the program with no display and the C locale, then the given
// "NAME=value" settings.
Run run(const QStringList& arguments, const QStringList& settings = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_NUMERIC"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    for (const QString& setting : settings)
        env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(ZELVAR_PROGRAM), arguments);
    if (!process.waitForFinished(60000))
        process.kill();
    process.waitForFinished();
    return Run{process.exitCode(), process.exitStatus() == QProcess::CrashExit,
               QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The window's fields after CONVERT, as the engine gives them, one line each.
QString engineRows(const QString& typed, const QString& unit, const NumberSeparators& separators) {
    const ConvertResult result = convertEntry(typed.toStdString(), unit.toStdString(), separators);
    if (result.status != ConvertStatus::Converted)
        return {};
    QString rows;
    for (const UnitInfo& info : kUnits)
        rows += qtText(info.name) + '\t' + QString::fromStdString(result.captions[unitIndex(info.unit)]) + '\n';
    return rows;
}

// An X display number no server answers on.
QString absentDisplay() {
    for (int n = 90;; ++n) {
        if (!QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) &&
            !QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            return QStringLiteral(":%1").arg(n);
    }
}

}  // namespace

Q_DECLARE_METATYPE(NumberSeparators)

class TstCommandLine : public QObject {
    Q_OBJECT

private slots:
    void helpAndVersion() {
        const Run version = run({QStringLiteral("--version")});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, QStringLiteral("zelvar " ZELVAR_VERSION_TEXT "\n"));
        QCOMPARE(version.err, QString());
        QCOMPARE(run({QStringLiteral("-v")}).out, version.out);

        const Run help = run({QStringLiteral("--help")});
        QCOMPARE(help.status, 0);
        QVERIFY2(help.out.startsWith(QLatin1String("Usage: zelvar")) && help.out.contains(QLatin1String("--convert")),
                 qPrintable(help.out));
        for (const UnitInfo& info : kUnits)
            QVERIFY(help.out.contains(qtText(info.name)));
        QCOMPARE(help.err, QString());
        QCOMPARE(run({QStringLiteral("-h")}).out, help.out);
    }

    // One line naming the mistake, status 2, nothing converted.
    void mistakes_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");
        QTest::newRow("unknown option") << QStringList{"--bogus"} << "'--bogus'";
        QTest::newRow("unknown single-dash option") << QStringList{"-x"} << "'-x'";
        QTest::newRow("stray argument") << QStringList{"LEAGUE"} << "'LEAGUE'";
        QTest::newRow("--convert without a number") << QStringList{"--convert"} << "'--convert'";
        QTest::newRow("--convert without a unit") << QStringList{"--convert", "1"} << "unit";
        QTest::newRow("an argument too many") << QStringList{"--convert", "1", "FEET", "INCHES"} << "'INCHES'";
        QTest::newRow("unknown option after --convert")
            << QStringList{"--convert", "1", "FEET", "--bogus"} << "'--bogus'";
    }

    void mistakes() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        const Run r = run(arguments);
        QCOMPARE(r.status, 2);
        QCOMPARE(r.out, QString());
        QVERIFY2(r.err.startsWith(QLatin1String("zelvar: ")) && r.err.endsWith(QLatin1String("; try --help\n")) &&
                     r.err.count(QLatin1Char('\n')) == 1 && r.err.contains(named),
                 qPrintable(r.err));
    }

    // However the display is missing, one line and status 1, never an abort.
    void noDisplay_data() {
        QTest::addColumn<QStringList>("environment");
        QTest::newRow("none named") << QStringList{};
        QTest::newRow("X display with no server") << QStringList{"DISPLAY=" + absentDisplay()};
        QTest::newRow("Wayland display with no compositor")
            << QStringList{"WAYLAND_DISPLAY=zelvar-absent", "XDG_RUNTIME_DIR=" + QDir::tempPath()};
        QTest::newRow("unknown platform") << QStringList{"QT_QPA_PLATFORM=zelvar-absent"};
    }

    void noDisplay() {
        QFETCH(QStringList, environment);
        const Run r = run({}, environment);
        QVERIFY(!r.crashed);
        QCOMPARE(r.status, 1);
        QCOMPARE(r.out, QString());
        QVERIFY2(r.err.startsWith(QLatin1String("zelvar: ")) && r.err.count(QLatin1Char('\n')) == 1, qPrintable(r.err));
    }

    void convert_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<NumberSeparators>("separators");
        const NumberSeparators english{",", "."}, german{".", ","};
        QTest::newRow("one league") << "1"
                                    << "LEAGUE" << QStringList{} << english;
        QTest::newRow("negative, exponent") << "-2.5E3"
                                            << "FEET" << QStringList{} << english;
        QTest::newRow("hexadecimal") << "&H7FF"
                                     << "INCHES" << QStringList{} << english;
        QTest::newRow("nothing typed") << ""
                                       << "METERS" << QStringList{} << english;
        QTest::newRow("large metric") << "123456789"
                                      << "MILLIMETERS" << QStringList{} << english;
        QTest::newRow("German") << "12345.678"
                                << "FEET" << QStringList{"LANG=de_DE.UTF-8"} << german;
        QTest::newRow("German numbers only") << "1E6"
                                             << "KILOMETERS" << QStringList{"LC_NUMERIC=de_DE.UTF-8"} << german;
        QTest::newRow("LC_ALL over LANG") << "1E6"
                                          << "RODS" << QStringList{"LANG=de_DE.UTF-8", "LC_ALL=C.UTF-8"} << english;
    }

    void convert() {
        QFETCH(QString, typed);
        QFETCH(QString, unit);
        QFETCH(QStringList, environment);
        QFETCH(NumberSeparators, separators);
        const QString expected = engineRows(typed, unit, separators);
        QVERIFY(!expected.isEmpty());
        const Run r = run({QStringLiteral("--convert"), typed, unit}, environment);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, expected);
    }

    // Overflow: nothing printed but the error. An unknown unit (matched
    // exactly, as the window matches it): the fourteen are listed.
    void refused_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("status");
        QTest::newRow("beyond single precision") << "1E39"
                                                 << "LEAGUE" << 3;
        QTest::newRow("one cell beyond it") << "3E38"
                                            << "MILES" << 3;
        QTest::newRow("small letters") << "1"
                                       << "league" << 2;
        QTest::newRow("trailing space") << "1"
                                        << "FEET " << 2;
        QTest::newRow("the list's prompt") << "1"
                                           << "Select Unit ----->" << 2;
        QTest::newRow("no unit") << "1"
                                 << "" << 2;
    }

    void refused() {
        QFETCH(QString, typed);
        QFETCH(QString, unit);
        QFETCH(int, status);
        const ConvertStatus engine = convertEntry(typed.toStdString(), unit.toStdString()).status;
        QCOMPARE(engine, status == 3 ? ConvertStatus::Overflow : ConvertStatus::NoUnit);
        const Run r = run({QStringLiteral("--convert"), typed, unit});
        QCOMPARE(r.status, status);
        QCOMPARE(r.out, QString());
        if (status == 3)
            QCOMPARE(r.err, QStringLiteral("Overflow\n"));
        else
            QVERIFY2(r.err.startsWith(QStringLiteral("zelvar: unknown unit '%1'").arg(unit)), qPrintable(r.err));
        for (const UnitInfo& info : kUnits)
            QCOMPARE(r.err.contains(QStringLiteral("\n  %1\n").arg(qtText(info.name))), status == 2);
    }
};

QTEST_GUILESS_MAIN(TstCommandLine)
#include "tst_command_line.moc"
