// SPDX-License-Identifier: GPL-3.0-or-later
#include "answer_words.h"

#include <algorithm>
#include <array>
#include <charconv>

#include <string>
#include <unicode/locid.h>
#include <utility>

namespace zelvar {
namespace {

constexpr std::string_view kEnglish = "en";

std::unique_ptr<icu::PluralRules> pluralRules(std::string_view language) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::PluralRules> rules(
        icu::PluralRules::forLocale(icu::Locale(std::string(language).c_str()), status));
    return U_SUCCESS(status) ? std::move(rules) : nullptr;
}

// "other" wherever the rules cannot tell: CLDR gives every language that
// category, and the data a name in it.
PluralCategory categoryOf(const icu::PluralRules* rules, const icu::number::FormattedNumber& number) {
    static constexpr std::pair<std::u16string_view, PluralCategory> kKeywords[] = {
        {u"zero", PluralCategory::Zero}, {u"one", PluralCategory::One},   {u"two", PluralCategory::Two},
        {u"few", PluralCategory::Few},   {u"many", PluralCategory::Many},
    };
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString keyword = rules ? rules->select(number, status) : icu::UnicodeString();
    for (const auto& [word, category] : kKeywords) {
        if (U_SUCCESS(status) && keyword == icu::UnicodeString(word.data(), int32_t(word.size())))
            return category;
    }
    return PluralCategory::Other;
}

// The name in a category, or in "other" where the language uses one word
// for both (de "Meter").
std::string_view inCategory(const std::array<std::string_view, 6>& names, PluralCategory category) {
    const std::string_view name = names[std::size_t(category)];
    return name.empty() ? names[std::size_t(PluralCategory::Other)] : name;
}

}  // namespace

AnswerWords::AnswerWords(std::string_view language)
    : names_(namesOf(language)), english_(namesOf(kEnglish)), rules_(pluralRules(language)),
      englishRules_(pluralRules(kEnglish)), digits_(icu::number::NumberFormatter::withLocale(icu::Locale::getRoot())) {
    for (const FeetAndInchesSymbols& symbols : feetAndInchesSymbols()) {
        if (symbols.language == language) {
            feet_ = symbols.feet;
            inches_ = symbols.inches;
        }
    }
}

AnswerWords::Names AnswerWords::namesOf(std::string_view language) {
    Names names{};
    for (const UnitDisplayName& entry : unitDisplayNames()) {
        if (entry.language == language)
            names[unitIndex(entry.unit)][std::size_t(entry.category)] = entry.name;
    }
    return names;
}

namespace {

// A number as plural rules read it: no sign, no exponent, and, past 15
// whole digits, only the last 15 behind a 1. ICU reads no more than 18
// whole digits and took 10^21 for a 0 ("1 000 … 000 mètre"); no language's
// rules look further than the last six digits (i % 1000000).
std::string pluralOperand(std::string_view decimal) {
    if (!decimal.empty() && (decimal.front() == '-' || decimal.front() == '+'))
        decimal.remove_prefix(1);
    const std::size_t e = std::min(decimal.find_first_of("eEdD"), decimal.size());
    const std::string_view mantissa = decimal.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    std::string whole(mantissa.substr(0, point));
    std::string fraction(mantissa.substr(std::min(point + 1, mantissa.size())));
    long exponent = 0;
    if (e < decimal.size())
        std::from_chars(decimal.data() + e + 1 + (decimal[e + 1] == '+'), decimal.data() + decimal.size(), exponent);
    exponent = std::clamp(exponent, -1000L, 1000L);
    for (; exponent > 0; --exponent) {
        whole += fraction.empty() ? '0' : fraction.front();
        if (!fraction.empty())
            fraction.erase(0, 1);
    }
    for (; exponent < 0; ++exponent) {
        fraction.insert(0, 1, whole.empty() ? '0' : whole.back());
        if (!whole.empty())
            whole.pop_back();
    }
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.size() > 15)
        whole = '1' + whole.substr(whole.size() - 15);
    return (whole.empty() ? "0" : whole) + (fraction.empty() ? "" : '.' + fraction);
}

}  // namespace

std::string_view AnswerWords::name(LengthUnit unit, std::string_view typed) const {
    const std::string operand = pluralOperand(typed);
    const std::string_view decimal = operand;
    // ICU drops trailing zeros unless asked to show that many fraction
    // digits, and "1.0" is not "1" to plural rules (en "1.0 feet").
    const std::size_t point = decimal.find('.');
    const bool plain = decimal.find_first_of("eE") == std::string_view::npos;
    const auto fractionDigits = int32_t(point == std::string_view::npos || !plain ? 0 : decimal.size() - point - 1);
    UErrorCode status = U_ZERO_ERROR;
    const icu::number::FormattedNumber number =
        digits_.precision(icu::number::Precision::minFraction(fractionDigits))
            .formatDecimal(icu::StringPiece(decimal.data(), int32_t(decimal.size())), status);
    return name(unit, number);
}

std::string_view AnswerWords::name(LengthUnit unit, double value) const {
    std::array<char, 32> shortest;
    return name(unit, std::string_view(shortest.data(),
                                       std::to_chars(shortest.data(), shortest.data() + shortest.size(), value).ptr));
}

std::string_view AnswerWords::name(LengthUnit unit, const icu::number::FormattedNumber& number) const {
    const std::size_t index = unitIndex(unit);
    if (const std::string_view named = inCategory(names_[index], categoryOf(rules_.get(), number)); !named.empty())
        return named;
    if (const std::string_view named = inCategory(english_[index], categoryOf(englishRules_.get(), number));
        !named.empty())
        return named;
    return unitName(unit);  // the window's caption, where even English has no name
}

}  // namespace zelvar
