// SPDX-License-Identifier: GPL-3.0-or-later
// The program run from a shell, with no display: each option and its exit
// status, the one-line report when no display can be opened, and --convert
// printing exactly what the engine gives the window after CONVERT.

#include <QDir>
#include <QProcess>
#include <QtTest>

#include "engine/convert.h"
#include "engine/feet_and_inches.h"
#include "engine/read_number.h"
#include "runtime/qt_text.h"
#include "zelvar_identity.h"

using namespace zelvar;

namespace {

struct Run {
    int status = -1;
    bool crashed = true;
    QString out, err;
};

// Runs the program with no display and the C locale, then the given
// "NAME=value" settings; its standard output into a file when one is named.
Run run(const QStringList& arguments, const QStringList& settings = {}, const QByteArray& input = {},
        const QString& output = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_NUMERIC"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    for (const QString& setting : settings)
        env.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    QProcess process;
    process.setProcessEnvironment(env);
    if (!output.isEmpty())
        process.setStandardOutputFile(output);
    process.start(QStringLiteral(ZELVAR_PROGRAM), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        process.kill();
    process.waitForFinished();
    return Run{process.exitCode(), process.exitStatus() == QProcess::CrashExit,
               QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
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

// The figures of chosen units, as the window shows them after CONVERT,
// joined by separator; empty when CONVERT fails.
QString engineFigures(const QString& typed, const QString& unit, const QStringList& targets, QChar separator) {
    const ConvertResult result = convertEntry(typed.toStdString(), unit.toStdString());
    QStringList figures;
    for (const QString& target : targets) {
        if (result.status == ConvertStatus::Converted)
            figures << QString::fromStdString(result.captions[unitIndex(*unitFromName(target.toStdString()))]);
    }
    return figures.join(separator);
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

    QTemporaryDir brokenLibraries;  // xcb's plugin's library, empty: as if a libxcb-* were missing

private slots:
    void initTestCase() { QVERIFY(QFile(brokenLibraries.filePath("libQt6XcbQpa.so.6")).open(QIODevice::WriteOnly)); }

    void helpAndVersion() {
        const Run version = run({QStringLiteral("--version")});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out, QStringLiteral("zelvar " ZELVAR_VERSION_TEXT "\n"));
        QCOMPARE(version.err, QString());
        QCOMPARE(run({QStringLiteral("-v")}).out, version.out);
        // Qt's options, its X11 ones too, are left to Qt, not refused.
        QCOMPARE(run({"-title", "T", "-icon", "i.png", "--platform", "xcb", "-reverse", "--version"}).out, version.out);

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
        QTest::newRow("an argument too many") << QStringList{"--convert", "-", "FEET", "INCHES"} << "'INCHES'";
        QTest::newRow("unknown option after --convert")
            << QStringList{"--convert", "1", "FEET", "--bogus"} << "'--bogus'";
        // Qt takes no "name=value" for the platform, so neither do we.
        QTest::newRow("platform with '='") << QStringList{"--platform=offscreen"} << "'--platform=offscreen'";
        QTest::newRow("Qt option without its value") << QStringList{"-style"} << "'-style'";
        QTest::newRow("an argument with a control character")
            << QStringList{"--convert", "-", "FEET", "\x1b[2J"} << "'?[2J'";
        QTest::newRow("--show without a unit") << QStringList{"--show", "1"} << "unit";
        QTest::newRow("--show with --to") << QStringList{"--show", "1", "ft", "--to", "m"} << "--show";
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

    // No display, or an output that takes nothing: one line and status 1, never an
    // abort. A platform that is missing or cannot be loaded: Qt's own lines.
    void cannotRun_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("named");  // empty: our one line
        const QString full = QStringLiteral("/dev/full");
        QTest::newRow("none named") << QStringList{} << QStringList{} << QString() << QString();
        QTest::newRow("Qt's options name none")
            << QStringList{"-title", "T"} << QStringList{} << QString() << QString();
        QTest::newRow("X display with no server")
            << QStringList{} << QStringList{"DISPLAY=" + absentDisplay()} << QString() << QString();
        QTest::newRow("Wayland display with no compositor")
            << QStringList{} << QStringList{"WAYLAND_DISPLAY=zelvar-absent", "XDG_RUNTIME_DIR=" + QDir::tempPath()}
            << QString() << QString();
        QTest::newRow("unknown platform")
            << QStringList{} << QStringList{"QT_QPA_PLATFORM=zelvar-absent"} << QString() << "\"zelvar-absent\"";
        QTest::newRow("unknown -platform, display there")
            << QStringList{"-platform", "nosuch"} << QStringList{"DISPLAY=" + absentDisplay()} << QString()
            << "\"nosuch\"";
        QTest::newRow("platform that cannot be loaded")
            << QStringList{} << QStringList{"DISPLAY=" + absentDisplay(), "LD_LIBRARY_PATH=" + brokenLibraries.path()}
            << QString() << "\"xcb\"";
        QTest::newRow("help, output full") << QStringList{"--help"} << QStringList{} << full << QString();
        QTest::newRow("version, output full") << QStringList{"--version"} << QStringList{} << full << QString();
    }

    void cannotRun() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(QString, output);
        QFETCH(QString, named);
        const Run r = run(arguments, environment, {}, output);
        QVERIFY(!r.crashed);
        QCOMPARE(r.status, 1);
        QCOMPARE(r.out, QString());
        if (named.isEmpty())
            QVERIFY2(r.err.startsWith(QLatin1String("zelvar: ")) && r.err.count(QLatin1Char('\n')) == 1,
                     qPrintable(r.err));
        else
            QVERIFY2(!r.err.contains(QLatin1String("zelvar: ")) && r.err.contains(named), qPrintable(r.err));
    }

    // Asked for Qt's own handling of its messages, the user gets it: the
    // warning shown once, then Qt's abort.
    void qtFatalWarnings() {
        const QString display = absentDisplay();
        const Run r = run({}, {"DISPLAY=" + display, "QT_FATAL_WARNINGS=1"});
        QVERIFY(r.crashed);
        QCOMPARE(r.err.count(display), 1);
    }

    // The fourteen rows of the window after CONVERT, whatever form the number
    // and the unit are written in.
    void convert_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("readAs");  // as typed into the entry
        QTest::addColumn<QString>("unitName");
        QTest::addColumn<NumberSeparators>("separators");
        const NumberSeparators english{",", "."}, german{".", ","}, french{"\u202f", ","}, swiss{"’", "."};
        const QStringList de{"LANG=de_DE.UTF-8"}, fr{"LANG=fr_FR.UTF-8"}, ch{"LANG=de_CH.UTF-8"};
        QTest::newRow("one league") << "1"
                                    << "LEAGUE" << QStringList{} << "1"
                                    << "LEAGUE" << english;
        QTest::newRow("negative, exponent") << "-2.5E3"
                                            << "FEET" << QStringList{} << "-2.5E3"
                                            << "FEET" << english;
        QTest::newRow("hexadecimal") << "&H7FF"
                                     << "INCHES" << QStringList{} << "&H7FF"
                                     << "INCHES" << english;
        QTest::newRow("blanks at the ends") << " 12 "
                                            << "METERS" << QStringList{} << "12"
                                            << "METERS" << english;
        QTest::newRow("German") << "12345.678"
                                << "FEET" << de << "12345.678"
                                << "FEET" << german;
        QTest::newRow("German comma") << "1,5"
                                      << "METERS" << de << "1.5"
                                      << "METERS" << german;
        QTest::newRow("German grouped") << "1.234,5"
                                        << "METERS" << de << "1234.5"
                                        << "METERS" << german;
        QTest::newRow("French narrow space") << "1\u202f234,5"
                                             << "METERS" << fr << "1234.5"
                                             << "METERS" << french;
        QTest::newRow("French space") << "1 234,5"
                                      << "METERS" << fr << "1234.5"
                                      << "METERS" << french;
        QTest::newRow("Swiss apostrophe") << "1'234.5"
                                          << "METERS" << ch << "1234.5"
                                          << "METERS" << swiss;
        QTest::newRow("German numbers only") << "1E6"
                                             << "KILOMETERS" << QStringList{"LC_NUMERIC=de_DE.UTF-8"} << "1E6"
                                             << "KILOMETERS" << german;
        QTest::newRow("LC_ALL over LANG") << "1E6"
                                          << "RODS" << QStringList{"LANG=de_DE.UTF-8", "LC_ALL=C.UTF-8"} << "1E6"
                                          << "RODS" << english;
        QTest::newRow("a unit word") << "2.5"
                                     << "Metres" << QStringList{} << "2.5"
                                     << "METERS" << english;
    }

    void convert() {
        QFETCH(QString, typed);
        QFETCH(QString, unit);
        QFETCH(QStringList, environment);
        QFETCH(QString, readAs);
        QFETCH(QString, unitName);
        QFETCH(NumberSeparators, separators);
        const QString expected = engineRows(readAs, unitName, separators);
        QVERIFY(!expected.isEmpty());
        const Run r = run({QStringLiteral("--convert"), typed, unit}, environment);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, expected);
    }

    // Only the units asked for, in that order, as the window shows them or plain.
    void chosenUnits_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("out");
        QTest::newRow("one unit") << QStringList{"5", "ft", "--to", "m"} << "1.524\n";
        QTest::newRow("as long as the entry") << QStringList{QString(32766, u'0') + "1", "ft", "--to", "in"} << "12.\n";
        QTest::newRow("in the order given") << QStringList{"1", "FEET", "--to", "in,m"} << "12.\n.3048\n";
        QTest::newRow("plain") << QStringList{"1", "FEET", "--to", "in,m", "--plain"} << "12\n0.3048\n";
        QTest::newRow("--to twice") << QStringList{"1", "ft", "--to", "in", "--to", "ft"} << "12.\n1.\n";
    }

    void chosenUnits() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, out);
        const Run r = run(QStringList{"--convert"} + arguments);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, out);
    }

    // A length as people write it gives what its number in its smallest unit
    // gives: the fourteen rows, or the targets' figures, feet and inches too.
    void lengths_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("readAs");  // in the smallest unit, as typed into the entry
        QTest::addColumn<QString>("unitName");
        QTest::addColumn<QStringList>("targets");  // none: the fourteen rows
        QTest::addColumn<NumberSeparators>("separators");
        const NumberSeparators english{",", "."}, german{".", ","};
        const QStringList de{"LANG=de_DE.UTF-8"}, every, inCm{"CENTIMETERS"}, feetAndInches{"ft+in"};
        QTest::newRow("compound") << QStringList{"5", "ft", "10", "in"} << every << "70"
                                  << "INCHES" << every << english;
        QTest::newRow("marks") << QStringList{"5'10\""} << every << "70"
                               << "INCHES" << every << english;
        QTest::newRow("sign, primes, vulgar fraction") << QStringList{"-6\u2032", "2\u00bd\u2033"} << every << "-74.5"
                                                       << "INCHES" << every << english;
        QTest::newRow("German decimal comma") << QStringList{"1", "m", "2,5", "cm"} << de << "102.5"
                                              << "CENTIMETERS" << every << german;
        QTest::newRow("connector target") << QStringList{"5'10\"", "in", "cm"} << every << "70"
                                          << "INCHES" << inCm << english;
        QTest::newRow("--to after the words") << QStringList{"5", "ft", "10", "in", "--to", "cm"} << every << "70"
                                              << "INCHES" << inCm << english;
        QTest::newRow("feet and inches target") << QStringList{"180", "cm", "to", "ft+in"} << every << "180"
                                                << "CENTIMETERS" << feetAndInches << english;
        QTest::newRow("--to ft+in beside a unit") << QStringList{"2", "m", "--to", "ft,FT+IN"} << every << "2"
                                                  << "METERS" << QStringList{"FEET", "ft+in"} << english;
        QTest::newRow("--plain ft+in") << QStringList{"1", "km", "--to", "ft+in", "--plain"} << every << "1"
                                       << "KILOMETERS" << feetAndInches << english;
        QTest::newRow("words the shell split") << QStringList{"1", "1/2in"} << every << "1.5"
                                               << "INCHES" << every << english;
        QTest::newRow("a part the shell split") << QStringList{"1", "m80"} << every << "180"
                                                << "CENTIMETERS" << every << english;
        QTest::newRow("German grouping in a compound") << QStringList{"1.500'", "6\"", "in", "cm"} << de << "18006"
                                                       << "INCHES" << inCm << german;
        QTest::newRow("German feet and inches") << QStringList{"1", "km", "in", "feet", "and", "inches"} << de << "1"
                                                << "KILOMETERS" << feetAndInches << german;
    }

    void lengths() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(QString, readAs);
        QFETCH(QString, unitName);
        QFETCH(QStringList, targets);
        QFETCH(NumberSeparators, separators);
        const LengthUnit unit = *unitFromName(unitName.toStdString());
        const ConvertResult result = convertEntry(readAs.toStdString(), unitName.toStdString(), separators);
        QString expected = targets.isEmpty() ? engineRows(readAs, unitName, separators) : QString();
        for (const QString& target : targets) {
            const FigureStyle style = arguments.contains("--plain") ? FigureStyle::Plain : FigureStyle::Window;
            expected += QString::fromStdString(
                            target == "ft+in"
                                ? *feetAndInchesText(unit, float(ReadNumber(readAs.toStdString())), style, separators)
                                : result.captions[unitIndex(*unitFromName(target.toStdString()))]) +
                        '\n';
        }
        const Run r = run(QStringList{"--convert"} + arguments, environment);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, expected);
    }

    // Standard input, a line for a line: figures, or an empty line and a
    // message for a line that is no number or overflows.
    void lines_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("unit");  // of a bare number
        QTest::addColumn<QStringList>(
            "numbers");  // each line as the entry takes it, in MILES or a unit named; "" for none
        QTest::addColumn<QString>("err");
        QTest::addColumn<int>("status");
        const QByteArray tooLong(40000, '1');
        QTest::newRow("every line") << QByteArray("1\n-2.5\n&H1F\n1.5E3\n.25") << "mi"
                                    << QStringList{"1", "-2.5", "&H1F", "1.5E3", ".25"} << "" << 0;
        QTest::newRow("empty, bad and overflowing lines")
            << QByteArray("1\n\nn/a\n3E38\n 7 \r\n") << "mi" << QStringList{"1", "", "", "", "7"}
            << "zelvar: line 3: not a number: 'n/a'\nzelvar: line 4: Overflow\n"
            << 2;
        QTest::newRow("overflow only") << QByteArray("3E38\n2\n") << "mi" << QStringList{"", "2"}
                                       << "zelvar: line 1: Overflow\n"
                                       << 3;
        // Bytes of no well-formed character: cut short, overlong, surrogate, beyond U+10FFFF.
        QTest::newRow("broken characters")
            << QByteArray("\xC3\x1B[31m\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80\n") << "mi" << QStringList{""}
            << "zelvar: line 1: not a number: "
               "'\\xC3?[31m\\xC0\\xAF\\xED\\xA0\\x80\\xF4\\x90\\x80\\x80'\n"
            << 2;
        QTest::newRow("a line too long") << tooLong + "\n5\n"
                                         << "mi" << QStringList{"", "5"}
                                         << "zelvar: line 1: not a number: longer than 32767 characters\n"
                                         << 2;
        QTest::newRow("lengths with their units")
            << QByteArray("5'10\"\n1 m 80\n2\n10 in 5 ft\n") << "mi"
            << QStringList{"70 INCHES", "180 CENTIMETERS", "2", ""} << "zelvar: line 4: not a number: '10 in 5 ft'\n"
            << 2;
        QTest::newRow("no unit for a bare number") << QByteArray("3 1/2 in\n2\n") << "" << QStringList{"3.5 INCHES", ""}
                                                   << "zelvar: line 2: not a length: '2'\n"
                                                   << 2;
    }

    void lines() {
        QFETCH(QByteArray, input);
        QFETCH(QString, unit);
        QFETCH(QStringList, numbers);
        QFETCH(QString, err);
        QFETCH(int, status);
        const QStringList targets{"METERS", "FEET"};
        QString expected;
        for (const QString& number : numbers) {
            const QString named = number.section(' ', 1);
            expected += (number.isEmpty() ? QString()
                                          : engineFigures(number.section(' ', 0, 0), named.isEmpty() ? "MILES" : named,
                                                          targets, '\t')) +
                        '\n';
        }
        QStringList arguments{"--convert", "-", unit, "--to", "m,ft"};
        arguments.removeAll(QString());
        const Run r = run(arguments, {}, input);
        QCOMPARE(r.err, err);
        QCOMPARE(r.status, status);
        QCOMPARE(r.out, expected);
    }

    // A reader that stops reading (| head) ends the program quietly.
    void closedPipe() {
        QProcess process;
        process.start(QStringLiteral(ZELVAR_PROGRAM), {"--convert", "-", "ft", "--to", "m"});
        QByteArray lines;
        for (int i = 0; i < 200000; ++i)
            lines += QByteArray::number(i) + '\n';
        process.write(lines);
        process.closeWriteChannel();
        QVERIFY(process.waitForReadyRead(60000));
        process.closeReadChannel(QProcess::StandardOutput);
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(process.readAllStandardError(), QByteArray());
    }

    // Overflow: nothing printed but the error, even where the units asked
    // for would fit. No number, or an unknown unit: one line naming it.
    void refused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");  // its start
        QTest::newRow("beyond single precision") << QStringList{"1E39", "LEAGUE"} << QStringList{} << 3 << "Overflow\n";
        QTest::newRow("nothing") << QStringList{"", "FEET"} << QStringList{} << 2 << "zelvar: not a number: ''\n";
        QTest::newRow("letters") << QStringList{"abc", "FEET"} << QStringList{} << 2 << "zelvar: not a number: 'abc'\n";
        QTest::newRow("a number, then letters")
            << QStringList{"12abc", "FEET"} << QStringList{} << 2 << "zelvar: not a number: '12abc'\n";
        QTest::newRow("a blank inside") << QStringList{"1 5", "FEET"} << QStringList{} << 2
                                        << "zelvar: not a number: '1 5'\n";
        QTest::newRow("no grouping in C")
            << QStringList{"1,5", "FEET"} << QStringList{} << 2 << "zelvar: not a number: '1,5'\n";
        QTest::newRow("no grouping in English")
            << QStringList{"1,5", "FEET"} << QStringList{"LANG=en_US.UTF-8"} << 2 << "zelvar: not a number: '1,5'\n";
        QTest::newRow("the list's prompt") << QStringList{"1", "Select Unit ----->"} << QStringList{} << 2
                                           << "zelvar: unknown unit 'Select Unit ----->'";
        QTest::newRow("no unit") << QStringList{"1", ""} << QStringList{} << 2 << "zelvar: unknown unit ''";
        QTest::newRow("unknown unit to") << QStringList{"1", "ft", "--to", "m,parsec"} << QStringList{} << 2
                                         << "zelvar: unknown unit 'parsec'";
        // What is typed comes back cut after 60 characters, never inside one,
        // and with no control character that the terminal would act on.
        QTest::newRow("long text") << QStringList{"a" + QString(70, u'€'), "FEET"} << QStringList{} << 2
                                   << "zelvar: not a number: 'a" + QString(59, u'€') + "...'\n";
        QTest::newRow("escape sequences") << QStringList{"1", QString::fromUtf8("\x1b]0;title\x07\xc2\x9b"
                                                                                "2J")}
                                          << QStringList{} << 2 << "zelvar: unknown unit '?]0;title??2J'";
        // The command line reaches the program as Qt decodes it, a broken character as U+FFFD.
        QTest::newRow("broken character") << QStringList{"1", QString::fromUtf8("\xC3\x1B[31m")} << QStringList{} << 2
                                          << QString::fromUtf8("zelvar: unknown unit '\xEF\xBF\xBD?[31m'");
        QTest::newRow("parts out of order")
            << QStringList{"10", "in", "5", "ft"} << QStringList{} << 2 << "zelvar: not a length: '10 in 5 ft'\n";
        QTest::newRow("two systems") << QStringList{"1", "m", "2", "ft"} << QStringList{} << 2
                                     << "zelvar: not a length: '1 m 2 ft'\n";
        QTest::newRow("zero denominator")
            << QStringList{"1/0", "in"} << QStringList{} << 2 << "zelvar: not a number: '1/0'\n";
        QTest::newRow("improper mixed fraction")
            << QStringList{"3", "5/4", "in"} << QStringList{} << 2 << "zelvar: not a length: '3 5/4 in'\n";
        QTest::newRow("a bare number out of bounds")
            << QStringList{"1", "m", "800"} << QStringList{} << 2
            << "zelvar: not a length: '1 m 800'; a bare number after metres is centimetres, and must be below 100\n";
        QTest::newRow("a bidirectional override")
            << QStringList{"5", "\u202eft"} << QStringList{} << 2 << "zelvar: unknown unit '?ft'";
        QTest::newRow("a bare number, then a target")
            << QStringList{"5", "in", "cm"} << QStringList{} << 2 << "zelvar: not a length: '5 in cm'\n";
        QTest::newRow("a target and --to") << QStringList{"180", "cm", "to", "ft+in", "--to", "m"} << QStringList{} << 2
                                           << "zelvar: --to goes with no target after the length; try --help\n";
        QTest::newRow("longer than the entry") << QStringList{QString(32768, u'1'), "FEET"} << QStringList{} << 2
                                               << "zelvar: not a number: longer than 32767 characters\n";
    }

    void refused() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(int, status);
        QFETCH(QString, err);
        const Run r = run(QStringList{"--convert"} + arguments, environment);
        QCOMPARE(r.status, status);
        QCOMPARE(r.out, QString());
        QVERIFY2(r.err.startsWith(err), qPrintable(r.err));
        // An unknown unit lists the units by their names and symbols.
        const bool listed = r.err.contains(QLatin1String("; the units are:"));
        QCOMPARE(listed, err.contains(QLatin1String("unknown unit")));
        for (const char* word : {"league", "metre", "decameter", "mm"})
            QVERIFY(!listed || r.err.contains(QLatin1String(word)));
    }

    // --show reads NUMBER as --convert does; a number goes on to the window (no display here).
    void show_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");  // its start
        QTest::newRow("letters") << QStringList{"abc", "FEET"} << 2 << "zelvar: not a number: 'abc'\n";
        QTest::newRow("a number") << QStringList{"-2.5", "ft"} << 1 << "zelvar: ";
        QTest::newRow("a length") << QStringList{"5'10\""} << 1 << "zelvar: ";
        QTest::newRow("feet and inches") << QStringList{"180", "cm", "to", "ft+in"} << 2
                                         << "zelvar: the window has no answer in feet and inches";
        QTest::newRow("not a length") << QStringList{"10", "in", "5", "ft"} << 2
                                      << "zelvar: not a length: '10 in 5 ft'\n";
        QTest::newRow("unknown unit") << QStringList{"1", "parsec"} << 2
                                      << "zelvar: unknown unit 'parsec'; the units are:\n  lea, league";
    }

    void show() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, err);
        const Run r = run(QStringList{"--show"} + arguments);
        QTEST(r.status, "status");
        QVERIFY2(r.err.startsWith(err), qPrintable(r.err));
    }
};

QTEST_GUILESS_MAIN(TstCommandLine)
#include "tst_command_line.moc"
