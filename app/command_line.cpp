// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>
#include <span>
#include <string>

#include "engine/convert.h"
#include "runtime/locale_number.h"
#include "runtime/messages.h"
#include "zelvar_project.h"

namespace zelvar {
namespace {

// Qt's own options, which the application object takes from the same command
// line; accepted here so that they reach it, and left out of --help.
const char* const kQtOptionsWithValue[] = {"platform",        "platformpluginpath", "platformtheme", "plugin",
                                           "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
                                           "style",           "stylesheet",         "display",       "geometry"};
const char* const kQtFlags[] = {"reverse", "widgetcount"};

std::string programName() {
    return zelvarProject().executableName.toStdString();
}

// Writes all of text to the stream; false when it could not.
bool write(std::FILE* stream, const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size() && std::fflush(stream) == 0;
}

int usageError(const QString& mistake) {
    write(stderr, programName() + ": " + mistake.toStdString() + "; try --help\n");
    return kExitUsage;
}

// The names of the units in the window's order; the first seven are the
// customary units, the last seven the metric ones.
std::string unitNames(const char* separator, std::span<const UnitInfo> units = kUnits) {
    std::string names;
    for (const UnitInfo& unit : units)
        names += (names.empty() ? "" : separator) + std::string(unit.name);
    return names;
}

std::string helpText() {
    const std::string name = programName();
    const std::span<const UnitInfo> units = kUnits;
    // clang-format off
    return "Usage: " + name + " [OPTION]\n"
           "       " + name + " --convert NUMBER UNIT\n"
           "\n"
           "Convert a length between fourteen units: in a window, or with --convert in a\n"
           "terminal.\n"
           "\n"
           "  --convert NUMBER UNIT  convert NUMBER from UNIT into every unit and print one\n"
           "                         line each: the unit's name, a tab, the result as the\n"
           "                         window shows it, with your own number separators\n"
           "  -h, --help             print this help and exit\n"
           "  -v, --version          print the name and version and exit\n"
           "\n"
           "UNIT is one of, in capitals:\n"
           "  " + unitNames(" ", units.first(7)) + "\n"
           "  " + unitNames(" ", units.last(7)) + "\n"
           "\n"
           "Exit status: 0 done; 1 no display could be opened, or the results could not be\n"
           "written; 2 a mistake in the command line or an unknown unit; 3 the result\n"
           "overflowed.\n";
    // clang-format on
}

// The option as it was typed, dashes and all, for the message that names it.
QString typedOption(const QStringList& arguments, const QString& name) {
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--"))
            break;
        QString bare = argument;
        while (bare.startsWith(QLatin1Char('-')))
            bare.remove(0, 1);
        if (argument.startsWith(QLatin1Char('-')) && bare.section(QLatin1Char('='), 0, 0) == name)
            return argument;
    }
    return name;
}

// Qt's messages are sentences; ours are one clause followed by "try --help".
QString asClause(QString sentence) {
    if (sentence.endsWith(QLatin1Char('.')))
        sentence.chop(1);
    if (!sentence.isEmpty())
        sentence[0] = sentence[0].toLower();
    return sentence;
}

// As CONVERT in the window: the same engine call with the same kind of
// inputs, and the fourteen fields in the window's order of units.
int convertInTerminal(const QString& typed, const QString& unit) {
    const ConvertResult result = convertEntry(typed.toStdString(), unit.toStdString(), userNumberSeparators());
    switch (result.status) {
    case ConvertStatus::NoUnit:
        write(stderr, programName() + ": unknown unit '" + unit.toStdString() + "'; the units are:\n  " +
                          unitNames("\n  ") + "\n");
        return kExitUsage;
    case ConvertStatus::Overflow:
        write(stderr, kOverflowError.description.toStdString() + "\n");  // exactly what scripts may look for
        return kExitOverflow;
    case ConvertStatus::Converted: break;
    }
    std::string rows;
    for (const UnitInfo& info : kUnits)
        rows += std::string(info.name) + '\t' + result.captions[unitIndex(info.unit)] + '\n';
    if (!write(stdout, rows)) {
        write(stderr, programName() + ": could not write the results\n");
        return kExitCannotRun;
    }
    return kExitDone;
}

}  // namespace

std::optional<int> runCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // -platform and the other options of Qt are words after a single dash.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption convert(QStringLiteral("convert"), QString(), QStringLiteral("NUMBER"));
    parser.addOptions({help, version, convert});
    for (const char* name : kQtOptionsWithValue)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    for (const char* name : kQtFlags)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return usageError(QStringLiteral("unknown option '%1'").arg(typedOption(arguments, unknown.front())));
        return usageError(asClause(parser.errorText()));
    }
    if (parser.isSet(help)) {
        write(stdout, helpText());
        return kExitDone;
    }
    if (parser.isSet(version)) {
        write(stdout, programName() + " " + versionText(zelvarProject()).toStdString() + "\n");
        return kExitDone;
    }

    const QStringList positional = parser.positionalArguments();
    if (!parser.isSet(convert)) {
        if (!positional.isEmpty())
            return usageError(QStringLiteral("unexpected argument '%1'").arg(positional.front()));
        return std::nullopt;
    }
    if (parser.values(convert).size() > 1)
        return usageError(QStringLiteral("--convert given more than once"));
    if (positional.isEmpty())
        return usageError(QStringLiteral("--convert needs a unit after the number"));
    if (positional.size() > 1)
        return usageError(QStringLiteral("unexpected argument '%1'").arg(positional.at(1)));
    return convertInTerminal(parser.value(convert), positional.front());
}

}  // namespace zelvar
