// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <QCommandLineParser>
#include <QStringList>
#include <cstdio>
#include <span>
#include <string>

#include "engine/units.h"
#include "runtime/user_number.h"
#include "show_conversion.h"
#include "terminal_conversion.h"
#include "terminal_messages.h"
#include "zelvar_project.h"

namespace zelvar {
namespace {

// Qt's own options, which the application object takes out of the command
// line itself: those Qt documents, and those of its X11 platform. Qt knows
// them by their exact name after one dash or two; a value follows as the
// next argument. Only the style options and the QML debugger's also take
// "name=value".
struct QtOption {
    const char* name;
    bool takesValue;
};
// clang-format off
constexpr QtOption kQtOptions[] = {
    {"platform", true},  {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},  {"qwindowtitle", true},  {"session", true},
    {"style", true},     {"stylesheet", true},         {"reverse", false},      {"widgetcount", false},
    // X11
    {"display", true},   {"geometry", true},  {"title", true},  {"icon", true},  {"name", true},
    {"visual", true},    {"nograb", false},   {"dograb", false},
};
// clang-format on
constexpr const char* kQtOptionsWithEquals[] = {"style=", "stylesheet=", "qmljsdebugger="};

const QtOption* qtOption(const QString& argument) {
    QString name = argument;
    if (name.startsWith(QLatin1String("--")))
        name.remove(0, 1);
    if (!name.startsWith(QLatin1Char('-')))
        return nullptr;
    name.remove(0, 1);
    for (const QtOption& option : kQtOptions) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    static constexpr QtOption withEquals{"", false};
    for (const char* prefix : kQtOptionsWithEquals) {
        if (name.startsWith(QLatin1String(prefix)))
            return &withEquals;
    }
    return nullptr;
}

// The command line without Qt's own options, which are left to Qt, or the
// Qt option that lacks its value.
struct OurArguments {
    QStringList arguments;
    QString lacksValue;
};

OurArguments withoutQtOptions(int argc, char** argv) {
    OurArguments ours;
    for (int i = 0; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const QtOption* option = i > 0 ? qtOption(argument) : nullptr;
        if (!option) {
            ours.arguments << argument;
        } else if (option->takesValue && ++i == argc) {
            ours.lacksValue = argument;
            break;
        }
    }
    return ours;
}

// The words of --convert and --show: the option's value, then every
// argument up to the next option, which QCommandLineParser would take as
// positional arguments. The arguments are left without them.
struct RunOnWords {
    QStringList arguments;
    QStringList convert, show;
};

RunOnWords withRunOnWords(const QStringList& arguments) {
    RunOnWords ours;
    QStringList* words = nullptr;  // the list the next words run on into
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--")) {
            ours.arguments += arguments.mid(i);
            break;
        }
        const bool option = i > 0 && argument.size() > 1 && argument.startsWith(QLatin1Char('-'));
        if (words && !option) {
            *words << argument;
            continue;
        }
        words = nullptr;
        ours.arguments << argument;
        if (!option)
            continue;
        QString name = argument;
        while (name.startsWith(QLatin1Char('-')))
            name.remove(0, 1);
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        const QString bare = equals < 0 ? name : name.left(equals);
        QStringList* runsOn = bare == QLatin1String("convert") ? &ours.convert
                              : bare == QLatin1String("show")  ? &ours.show
                                                               : nullptr;
        // A missing value is the parser's to report.
        if ((!runsOn && bare != QLatin1String("to")) || (equals < 0 && i + 1 == arguments.size()))
            continue;
        const QString value = equals < 0 ? arguments[++i] : name.mid(equals + 1);
        if (equals < 0)
            ours.arguments << value;
        if (runsOn)
            (words = runsOn)->append(value);
    }
    return ours;
}

// Writes all of text to standard output; the exit status.
int print(const std::string& text) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0)
        return kExitDone;
    complain("could not write to standard output");
    return kExitCannotRun;
}

int usageError(const QString& mistake) {
    complain(mistake.toStdString() + "; try --help");
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
           "       " + name + " --convert LENGTH [to TARGET] [--to TARGET[,TARGET...]] [--plain]\n"
           "       " + name + " --convert - [UNIT] [--to TARGET[,TARGET...]] [--plain]\n"
           "       " + name + " --show LENGTH\n"
           "\n"
           "Convert a length between fourteen units: in a window, or with --convert in a\n"
           "terminal.\n"
           "\n"
           "  --convert LENGTH       convert LENGTH and print fourteen lines: each unit's\n"
           "                         name, a tab, and the figure the window shows\n"
           "  --convert LENGTH to TARGET\n"
           "                         print only TARGET's figure; in, as, = or > may stand\n"
           "                         for to\n"
           "  --convert - [UNIT]     read a length from each line of standard input (a\n"
           "                         bare number is in UNIT) and print a line of\n"
           "                         tab-separated figures for each\n"
           "  --to TARGET[,TARGET...]\n"
           "                         print only these targets' figures, in this order\n"
           "  --plain                figures any program reads: no grouping, '.' for the\n"
           "                         decimal point, 0.5 rather than .5, 12 rather than 12.\n"
           "  --show LENGTH          open the converter window at once, without the splash,\n"
           "                         with LENGTH converted from the smallest unit it names\n"
           "  -h, --help             print this help and exit\n"
           "  -v, --version          print the name and version and exit\n"
           "\n"
           "LENGTH is NUMBER UNIT (5 ft, or 5ft), or a length as people write one: parts\n"
           "from the largest unit down (5 ft 10 in, 1 mi 300 yd, 1 m 30 cm), ' and \" for\n"
           "feet and inches (5'10\"), a bare last number after feet (below 12) or metres\n"
           "(below 100) for inches or centimetres (5 ft 10, 1 m 80), fractions (3 1/2 in,\n"
           "5/8\") and a minus sign before it all. Its words run up to the next option,\n"
           "however the shell split them; quote only what the shell would take, such as \".\n"
           "\n"
           "NUMBER is written as your locale writes numbers (1.234,5 in German, say) or\n"
           "as the window takes it (1234.5, 1.5E3, &H1F), and must be nothing but a\n"
           "number, wherever it stands in a length. UNIT is any case of a unit's name,\n"
           "singular or plural, with either spelling (meter, metre), or its symbol: lea mi\n"
           "fur rd yd ft in, km hm dam m dm cm mm. The window lists the units as:\n"
           "  " + unitNames(" ", units.first(7)) + "\n"
           "  " + unitNames(" ", units.last(7)) + "\n"
           "TARGET is a UNIT, or ft+in for the answer in feet and inches (after to, also\n"
           "ft in, feet and inches, or feet inches).\n"
           "\n"
           "The unit words and connectors of your languages (LANGUAGE, LC_ALL,\n"
           "LC_MESSAGES or LANG) are read too: German, French, Spanish, Italian,\n"
           "Portuguese, Dutch, Swedish, Polish, Czech, Russian, Ukrainian, Turkish,\n"
           "Japanese and Chinese, and English always. Under German settings,\n"
           "  " + name + " --convert 5 Fuß 10 Zoll in cm     prints 177,8\n"
           "The output keeps the window's unit names in every language.\n"
           "\n"
           "Examples:\n"
           "  " + name + " --convert 5 ft --to m             prints 1.524\n"
           "  " + name + " --convert 5 ft 10 in to cm        prints 177.8\n"
           "  " + name + " --convert 180 cm to ft+in         prints 5 ft 10.866 in\n"
           "  " + name + " --convert - feet --to m,cm --plain < lengths.txt > metric.tsv\n"
           "\n"
           "From standard input, an empty line gives an empty line; so does a line that is\n"
           "no length or that overflows, and a message on standard error names its line.\n"
           "\n"
           "The window also takes Qt's own options, such as -platform NAME or -style NAME.\n"
           "\n"
           "Exit status: 0 done; 1 the window could not start (no display, or Qt's\n"
           "platform could not be loaded), or its output could not be written; 2 a\n"
           "mistake in the command line, an unknown unit, or a length (or line) that is\n"
           "none; 3 a result overflowed.\n";
    // clang-format on
}

// An argument as a message shows it (see quoted).
QString quotedArgument(const QString& argument) {
    return QString::fromStdString(quoted(argument.toStdString()));
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

}  // namespace

std::optional<int> runCommandLine(int argc, char** argv, std::optional<ShownConversion>* shown) {
    const OurArguments ours = withoutQtOptions(argc, argv);
    if (!ours.lacksValue.isEmpty())
        return usageError(QStringLiteral("%1 needs a value").arg(quotedArgument(ours.lacksValue)));
    const RunOnWords runOn = withRunOnWords(ours.arguments);
    const QStringList& arguments = runOn.arguments;

    QCommandLineParser parser;
    // A word after a single dash is one option, as with Qt's own (-platform).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption convert(QStringLiteral("convert"), QString(), QStringLiteral("NUMBER"));
    const QCommandLineOption to(QStringLiteral("to"), QString(), QStringLiteral("UNITS"));
    const QCommandLineOption plain(QStringLiteral("plain"));
    const QCommandLineOption show(QStringLiteral("show"), QString(), QStringLiteral("NUMBER"));
    parser.addOptions({help, version, convert, to, plain, show});

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return usageError(
                QStringLiteral("unknown option %1").arg(quotedArgument(typedOption(arguments, unknown.front()))));
        return usageError(asClause(parser.errorText()));
    }
    if (parser.isSet(help))
        return print(helpText());
    if (parser.isSet(version))
        return print(programName() + " " + versionText(zelvarProject()).toStdString() + "\n");

    const QStringList positional = parser.positionalArguments();
    if (!positional.isEmpty())
        return usageError(QStringLiteral("unexpected argument %1").arg(quotedArgument(positional.front())));
    // One word that is a number lacks its unit; other words may be a length.
    const auto lacksUnit = [](const QStringList& words) {
        return words.size() == 1 && UserNumberReader().read(words.front().toStdString());
    };
    if (parser.isSet(show)) {
        if (parser.isSet(convert) || parser.isSet(to) || parser.isSet(plain))
            return usageError(QStringLiteral("--show goes with no other option"));
        if (parser.values(show).size() > 1)
            return usageError(QStringLiteral("--show given more than once"));
        if (lacksUnit(runOn.show))
            return usageError(QStringLiteral("--show needs a unit after the number"));
        std::variant<ShownConversion, int> checked = checkShownConversion(runOn.show);
        if (const int* status = std::get_if<int>(&checked))
            return *status;
        if (shown)
            *shown = std::get<ShownConversion>(std::move(checked));
        return std::nullopt;
    }
    if (!parser.isSet(convert)) {
        if (parser.isSet(to) || parser.isSet(plain))
            return usageError(QStringLiteral("%1 goes with --convert").arg(parser.isSet(to) ? "--to" : "--plain"));
        return std::nullopt;
    }
    if (parser.values(convert).size() > 1)
        return usageError(QStringLiteral("--convert given more than once"));
    if (lacksUnit(runOn.convert))
        return usageError(QStringLiteral("--convert needs a unit after the number"));
    if (runOn.convert.front() == QLatin1String("-") && runOn.convert.size() > 2)
        return usageError(QStringLiteral("unexpected argument %1").arg(quotedArgument(runOn.convert.at(2))));
    QStringList targets;
    for (const QString& units : parser.values(to))
        targets += units.split(QLatin1Char(','));
    return convertInTerminal(TerminalConversion{runOn.convert, targets, parser.isSet(plain)});
}

}  // namespace zelvar
