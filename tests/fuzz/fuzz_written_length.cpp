// SPDX-License-Identifier: GPL-3.0-or-later
// Any text as a written length, for users who write '.' and ',' as decimal
// marks: a length read from it reads back from its text with its target (or
// feet and inches), and its answer in feet and inches reads "F ft R in"; its
// results in search are its target, or all the others, and each converts.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "engine/feet_and_inches.h"
#include "engine/figures.h"
#include "engine/read_number.h"
#include "engine/result_order.h"
#include "engine/written_length.h"
#include "tests/support/result_shape.h"

namespace {

zelvar::NumberForm formWithMark(const std::string& mark) {
    return {[mark](std::string_view text) -> std::optional<float> {
                std::string number(text);
                if (const std::size_t at = number.find(mark); at != std::string::npos)
                    number = number.substr(0, at) + '.' + number.substr(at + mark.size());
                if (!zelvar::isWholeNumber(number))
                    return std::nullopt;
                return static_cast<float>(zelvar::ReadNumber(number));
            },
            mark};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const zelvar::NumberForm forms[] = {formWithMark("."), formWithMark(",")};
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const zelvar::NumberForm& form : forms) {
        const std::optional<zelvar::WrittenLength> length = zelvar::readWrittenLength(text, form);
        if (!length)
            continue;
        std::vector<zelvar::LengthTarget> targets = zelvar::resultTargets(*length);
        const bool metric = zelvar::unitIndex(length->unit) >= zelvar::unitIndex(zelvar::LengthUnit::Kilometers);
        if (!targets.empty() && targets.size() != (length->target ? 1 : zelvar::kCellsPerRow + metric))
            zelvar::fuzz::fail("the results are not the target, nor all the other units", text);
        targets.push_back(length->target.value_or(zelvar::kFeetAndInches));
        for (const zelvar::LengthTarget& target : targets) {
            const std::optional<zelvar::WrittenLength> again =
                zelvar::readWrittenLength(zelvar::writtenLengthText(*length, target), form);
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
