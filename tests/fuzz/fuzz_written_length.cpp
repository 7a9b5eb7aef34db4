// SPDX-License-Identifier: GPL-3.0-or-later
// Any text as a written length, for users of four number forms: a length
// read from it reads back from its text with its target (or feet and
// inches), its entry reads back to it, and its answer in feet and inches
// reads "F ft R in"; its results in search are its target, or all the
// others, and each converts. Its digits, read as exact numbers, round to the
// nearest double; and as feet and inches that a single holds, typed as the
// entry would hold them, they come back as typed.
#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "engine/exact_number.h"
#include "engine/feet_and_inches.h"
#include "engine/figures.h"
#include "engine/read_number.h"
#include "engine/result_order.h"
#include "engine/written_length.h"
#include "tests/support/number_form.h"
#include "tests/support/result_shape.h"

namespace {

bool sameDouble(double a, double b) {
    return std::memcmp(&a, &b, sizeof(double)) == 0;
}

// The text's first four digit runs, read exactly. The decimal w.f of the
// first two rounds as the library reads it (which keeps subnormals, where the
// engine gives 0). The sum a/b + c/d (a lone last run over 1) rounds the same
// as written, in one-word numbers and a floating-point division where it can,
// and with every number times 10^20, in limbs and the long division.
void checkExactRounding(std::string_view text) {
    constexpr std::string_view kDigits = "0123456789";
    std::vector<std::string_view> runs;
    for (std::size_t at = text.find_first_of(kDigits); at != std::string_view::npos && runs.size() < 4;) {
        const std::size_t end = std::min(text.find_first_not_of(kDigits, at), text.size());
        runs.push_back(text.substr(at, end - at));
        at = text.find_first_of(kDigits, end);
    }
    if (runs.empty())
        return;
    const std::string decimal = std::string(runs[0]) + (runs.size() > 1 ? '.' + std::string(runs[1]) : "");
    double read = 0;
    if (std::from_chars(decimal.data(), decimal.data() + decimal.size(), read).ec == std::errc() &&
        (read == 0 || read > DBL_MIN) &&
        !sameDouble(zelvar::ExactRatio::decimal(runs[0], runs.size() > 1 ? runs[1] : "").nearestDouble(), read))
        zelvar::fuzz::fail("an exact decimal rounds unlike the library", text);
    runs.resize(runs.size() + runs.size() % 2, "1");
    static const zelvar::Natural kScale = zelvar::Natural::powerOfTen(20);
    zelvar::ExactRatio plain, scaled;
    for (std::size_t i = 0; i < runs.size(); i += 2) {
        const zelvar::Natural numerator = zelvar::Natural::fromDigits(runs[i]);
        const zelvar::Natural denominator = zelvar::Natural::fromDigits(runs[i + 1]);
        if (denominator.isZero())
            return;
        plain = plain + zelvar::ExactRatio(numerator, denominator);
        scaled = scaled + zelvar::ExactRatio(numerator * kScale, denominator * kScale);
    }
    if (!sameDouble(plain.nearestDouble(), scaled.nearestDouble()))
        zelvar::fuzz::fail("an exact sum rounds to two doubles", text);
}

// "F ft R in" from the text's first digit runs, R below 12 with at most six
// decimals; when the entry holds the inches with exactly those digits, the
// answer in feet and inches is that text again.
void checkFeetAndInchesComeBack(std::string_view text) {
    constexpr std::string_view kDigits = "0123456789";
    std::vector<std::string> runs;
    for (std::size_t at = text.find_first_of(kDigits); at != std::string_view::npos && runs.size() < 3;) {
        const std::size_t end = std::min(text.find_first_not_of(kDigits, at), text.size());
        std::string run(text.substr(at, std::min<std::size_t>(end - at, 7)));
        run.erase(0, std::min(run.find_first_not_of('0'), run.size() - 1));
        runs.push_back(run);
        at = text.find_first_of(kDigits, end);
    }
    if (runs.size() < 2)
        return;
    const std::uint64_t feet = std::stoull(runs[0]);
    const std::uint64_t inches = std::stoull(runs[1]) % 12;
    std::string decimals = runs.size() > 2 ? runs[2].substr(0, 6) : "";
    decimals.erase(decimals.find_last_not_of('0') + 1);
    const std::string point = decimals.empty() ? "" : "." + decimals;
    const std::string typed = std::to_string(feet) + " ft " + std::to_string(inches) + point + " in";
    const std::optional<zelvar::WrittenLength> length =
        zelvar::readWrittenLength(typed + " to ft+in", zelvar::test::kPointAndCommas);
    if (!length)
        zelvar::fuzz::fail("feet and inches are no length", typed);
    if (zelvar::shortestEntryNumber(length->entered, zelvar::Notation::Fixed) !=
        std::to_string(feet * 12 + inches) + point)
        return;
    if (zelvar::feetAndInchesText(length->unit, length->entered, zelvar::FigureStyle::Plain) != typed)
        zelvar::fuzz::fail("feet and inches do not come back as typed", typed);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const zelvar::NumberForm* const forms[] = {&zelvar::test::kPointAndCommas, &zelvar::test::kCommaAndPoints,
                                                      &zelvar::test::kCommaAndSpaces,
                                                      &zelvar::test::kPointAndApostrophes};
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkExactRounding(text);
    checkFeetAndInchesComeBack(text);
    for (const zelvar::NumberForm* form : forms) {
        const std::optional<zelvar::WrittenLength> length = zelvar::readWrittenLength(text, *form);
        if (!length)
            continue;
        const auto entered = static_cast<float>(zelvar::ReadNumber(length->entry));
        if (std::memcmp(&entered, &length->entered, sizeof(float)) != 0)
            zelvar::fuzz::fail("the entry does not read back to the length", text);
        std::vector<zelvar::LengthTarget> targets = zelvar::resultTargets(*length);
        if (!targets.empty() &&
            targets.size() != (length->target ? 1 : zelvar::kCellsPerRow + zelvar::isMetric(length->unit)))
            zelvar::fuzz::fail("the results are not the target, nor all the other units", text);
        targets.push_back(length->target.value_or(zelvar::kFeetAndInches));
        for (const zelvar::LengthTarget& target : targets) {
            const std::optional<zelvar::WrittenLength> again =
                zelvar::readWrittenLength(zelvar::writtenLengthText(*length, target), *form);
            if (!again || again->text != length->text || again->unit != length->unit ||
                again->compound != length->compound || again->target != target ||
                std::memcmp(&again->entered, &length->entered, sizeof(float)) != 0)
                zelvar::fuzz::fail("a length does not read back from its text", text);
            std::string figure;
            if (&target != &targets.back() &&
                !(target.unit
                      ? zelvar::FigureConverter(length->unit, {*target.unit}, zelvar::FigureStyle::Plain)
                            .append(length->entered, '\n', figure)
                      : bool(zelvar::feetAndInchesText(length->unit, length->entered, zelvar::FigureStyle::Plain))))
                zelvar::fuzz::fail("a result does not convert", text);
        }
        const std::optional<std::string> answer =
            zelvar::feetAndInchesText(length->unit, length->entered, zelvar::FigureStyle::Plain);
        if (answer && (answer->find(" ft ") == std::string::npos || !answer->ends_with(" in")))
            zelvar::fuzz::fail("an answer in feet and inches is misshapen", *answer);
    }
    return 0;
}
