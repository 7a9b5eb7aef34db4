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
#include <vector>

#include "command_line.h"
#include "engine/ascii_text.h"
#include "engine/convert.h"
#include "engine/figures.h"
#include "engine/unit_words.h"
#include "runtime/locale_number.h"
#include "runtime/messages.h"
#include "runtime/user_number.h"
#include "terminal_messages.h"

namespace zelvar {
namespace {

std::optional<LengthUnit> unitOrComplain(const QString& word) {
    const std::optional<LengthUnit> unit = unitFromWord(word.toStdString());
    if (!unit)
        complain(unknownUnit(word.toStdString()));
    return unit;
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

// The figures of each number on standard input, a line for a line.
int convertLines(const FigureConverter& converter) {
    const UserNumberReader reader;
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
            if (const std::optional<float> entered = reader.read(line)) {
                if (!converter.append(*entered, '\t', output.buffer())) {
                    overflowed = true;
                    complain(where() + kOverflowError.description.toStdString());
                }
            } else {
                unreadable = true;
                complain(where() + notANumber(line));
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
    const std::optional<LengthUnit> source = unitOrComplain(request.unit);
    if (!source)
        return kExitUsage;
    std::vector<LengthUnit> targets;
    for (const QString& word : request.targets) {
        const std::optional<LengthUnit> target = unitOrComplain(word);
        if (!target)
            return kExitUsage;
        targets.push_back(*target);
    }
    const bool everyUnit = targets.empty();
    if (everyUnit) {
        for (const UnitInfo& info : kUnits)
            targets.push_back(info.unit);
    }
    const FigureConverter converter(*source, targets, request.plain ? FigureStyle::Plain : FigureStyle::Window,
                                    userNumberSeparators());
    if (request.number == QLatin1String("-"))
        return convertLines(converter);

    const std::string typed = request.number.toStdString();
    const std::optional<float> entered = UserNumberReader().read(typed);
    if (!entered) {
        complain(notANumber(typed));
        return kExitUsage;
    }
    std::string figures;
    if (!converter.append(*entered, '\n', figures)) {
        // Exactly what scripts may look for.
        std::fputs((kOverflowError.description.toStdString() + "\n").c_str(), stderr);
        return kExitOverflow;
    }
    figures += '\n';
    if (everyUnit) {
        // Each figure after its unit's name. As in the window, the unit
        // converted from shows its name, unless the figures are plain.
        std::string rows;
        std::string_view rest = figures;
        for (const UnitInfo& info : kUnits) {
            const std::size_t end = rest.find('\n');
            const bool named = info.unit == *source && !request.plain;
            rows += std::string(info.name) + '\t' + std::string(named ? info.name : rest.substr(0, end)) + '\n';
            rest.remove_prefix(end + 1);
        }
        figures = std::move(rows);
    }
    Output output;
    output.buffer() = std::move(figures);
    if (!output.flush() && !output.readerGone()) {
        complain("could not write the results");
        return kExitCannotRun;
    }
    return kExitDone;
}

}  // namespace zelvar
