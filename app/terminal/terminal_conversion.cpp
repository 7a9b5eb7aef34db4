// SPDX-License-Identifier: GPL-3.0-or-later
#include "terminal_conversion.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <unistd.h>
#include <utility>
#include <variant>
#include <vector>

#include "command_line.h"
#include "command_line_length.h"
#include "engine/ascii_text.h"
#include "engine/convert.h"
#include "length_figures.h"
#include "runtime/locale_number.h"
#include "runtime/messages.h"
#include "runtime/user_languages.h"
#include "runtime/user_number.h"
#include "terminal_messages.h"

namespace zelvar {
namespace {

std::optional<LengthUnit> unitOrComplain(const QString& word) {
    const std::optional<LengthUnit> unit = userVocabulary().unit(foldedForMatching(word.toStdString()));
    if (!unit)
        complain(unknownUnit(word.toStdString()));
    return unit;
}

// A unit of --to, or feet and inches written as one word ("ft+in").
std::optional<LengthTarget> targetOrComplain(const QString& word) {
    if (const std::optional<LengthTarget> target = readLengthTarget(word.toStdString(), userVocabulary());
        target && target->isFeetAndInches())
        return target;
    if (const std::optional<LengthUnit> unit = unitOrComplain(word))
        return LengthTarget{unit};
    return std::nullopt;
}

// Output that is written in large blocks, or at each line on a terminal.
// A reader that went away (a closed pipe) ends the writing quietly.
class Output {
public:
    Output() : eachLine_(isatty(STDOUT_FILENO)) { std::signal(SIGPIPE, SIG_IGN); }

    std::string& buffer() { return buffer_; }

    // After each line; false when nothing more can be written.
    bool lineDone() { return (eachLine_ || buffer_.size() >= kBlock) ? flush() : ok_; }

    bool flush() {
        std::size_t done = 0;
        while (ok_ && done < buffer_.size()) {
            const ssize_t n = ::write(STDOUT_FILENO, buffer_.data() + done, buffer_.size() - done);
            if (n > 0)
                done += std::size_t(n);
            else if (n == 0 || errno != EINTR)  // a write that takes nothing would never end
                ok_ = false, readerGone_ = n < 0 && errno == EPIPE;
        }
        buffer_.clear();
        return ok_;
    }

    bool readerGone() const { return readerGone_; }

private:
    static constexpr std::size_t kBlock = 1 << 16;
    std::string buffer_;
    bool eachLine_;
    bool ok_ = true;
    bool readerGone_ = false;
};

// The figures of each length on standard input, a line for a line: a
// number in `unit`, or a length that names its own units.
int convertLines(LengthFigures& figures, std::optional<LengthUnit> unit) {
    const UserNumberReader reader;
    const NumberForm& form = reader.form();
    Output output;
    bool unreadable = false, overflowed = false;
    std::size_t lineNumber = 0;

    const auto convertLine = [&](std::string_view line, bool tooLong) {
        ++lineNumber;
        line = trimmedBlanks(line);
        const auto where = [&lineNumber] { return "line " + std::to_string(lineNumber) + ": "; };
        if (tooLong) {
            unreadable = true;
            complain(where() + longerThanEntry());
        } else if (!line.empty()) {
            // A plain number first: most lines are, and it is the quickest read.
            std::optional<std::pair<LengthUnit, float>> length;
            if (const std::optional<float> entered = unit ? reader.read(line) : std::nullopt)
                length.emplace(*unit, *entered);
            else if (const std::optional<WrittenLength> written = readWrittenLength(line, form, userVocabulary());
                     written && !written->target)
                length.emplace(written->unit, written->entered);
            if (!length) {
                unreadable = true;
                complain(where() +
                         (unit ? notANumber(line) : notALength(line, whyNotALength(line, form, userVocabulary()))));
            } else if (!figures.append(length->first, length->second, '\t', output.buffer())) {
                overflowed = true;
                complain(where() + kOverflowError.description.toStdString());
            }
        }
        output.buffer() += '\n';
        return output.lineDone();
    };

    std::vector<char> block(1 << 16);
    std::string pending;  // a line that runs on past the block read
    bool tooLong = false, open = true;
    for (ssize_t got; open && (got = ::read(STDIN_FILENO, block.data(), block.size())) != 0;) {
        if (got < 0) {
            if (errno == EINTR)
                continue;
            complain("could not read standard input: " + std::string(std::strerror(errno)));
            return kExitCannotRun;
        }
        const char* const blockEnd = block.data() + got;
        const char* from = block.data();
        // Lines are short: a plain search beats memchr's set-up.
        for (const char* end; open && (end = std::find(from, blockEnd, '\n')) != blockEnd; from = end + 1) {
            std::string_view line(from, std::size_t(end - from));
            if (!pending.empty() || tooLong) {
                if (!tooLong)
                    pending.append(line);
                line = pending;
            }
            open = convertLine(line, tooLong);
            pending.clear();
            tooLong = false;
        }
        if (open && !tooLong) {
            pending.append(from, blockEnd);
            // A line is kept only while it could fit the entry: a character
            // takes at most three bytes per UTF-16 unit.
            tooLong = pending.size() > std::size_t(kLongestEntry) * 3;
            if (tooLong)
                pending.clear();
        }
    }
    if (open && (!pending.empty() || tooLong))
        open = convertLine(pending, tooLong);
    if (open)
        open = output.flush();
    if (!open) {
        if (output.readerGone())
            return kExitDone;
        complain("could not write the results");
        return kExitCannotRun;
    }
    if (unreadable)
        return kExitUsage;
    return overflowed ? kExitOverflow : kExitDone;
}

}  // namespace

int convertInTerminal(const TerminalConversion& request) {
    const bool fromLines = request.words.front() == QLatin1String("-");
    std::optional<LengthUnit> lineUnit;
    std::optional<WrittenLength> length;
    if (fromLines) {
        if (request.words.size() > 1 && !(lineUnit = unitOrComplain(request.words[1])))
            return kExitUsage;
    } else {
        std::variant<WrittenLength, int> read = readCommandLineLength(request.words);
        if (const int* status = std::get_if<int>(&read))
            return *status;
        length = std::get<WrittenLength>(std::move(read));
    }
    std::vector<LengthTarget> targets;
    for (const QString& word : request.targets) {
        const std::optional<LengthTarget> target = targetOrComplain(word);
        if (!target)
            return kExitUsage;
        targets.push_back(*target);
    }
    if (length && length->target) {
        if (!targets.empty()) {
            complain("--to goes with no target after the length; try --help");
            return kExitUsage;
        }
        targets.push_back(*length->target);
    }
    const bool everyUnit = targets.empty();
    if (everyUnit) {
        for (const UnitInfo& info : kUnits)
            targets.push_back(LengthTarget{info.unit});
    }
    LengthFigures figures(std::move(targets), request.plain ? FigureStyle::Plain : FigureStyle::Window,
                          userNumberSeparators());
    if (fromLines)
        return convertLines(figures, lineUnit);

    std::string text;
    if (!figures.append(length->unit, length->entered, '\n', text)) {
        // Exactly what scripts may look for.
        std::fputs((kOverflowError.description.toStdString() + "\n").c_str(), stderr);
        return kExitOverflow;
    }
    text += '\n';
    if (everyUnit) {
        // Each figure after its unit's name. As in the window, the unit
        // converted from shows its name, unless the figures are plain.
        std::string rows;
        std::string_view rest = text;
        for (const UnitInfo& info : kUnits) {
            const std::size_t end = rest.find('\n');
            const bool named = info.unit == length->unit && !request.plain;
            rows += std::string(info.name) + '\t' + std::string(named ? info.name : rest.substr(0, end)) + '\n';
            rest.remove_prefix(end + 1);
        }
        text = std::move(rows);
    }
    Output output;
    output.buffer() = std::move(text);
    if (!output.flush() && !output.readerGone()) {
        complain("could not write the results");
        return kExitCannotRun;
    }
    return kExitDone;
}

}  // namespace zelvar
