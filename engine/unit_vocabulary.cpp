// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit_vocabulary.h"

#include <algorithm>
#include <array>

#include "ascii_text.h"
#include "unit_vocabulary_data.h"
#include "utf8_text.h"

namespace zelvar {
namespace {

constexpr std::string_view kEnglish = "en";

// The vulgar fractions stay as they are: their compatibility form "1⁄2"
// would run into a whole number before them ("3½" is not 31/2).
bool isVulgarFraction(char32_t c) {
    return (c >= 0x00BC && c <= 0x00BE) || (c >= 0x2150 && c <= 0x215E) || c == 0x2189;
}

constexpr char32_t kNoCharacter = 0xFFFFFFFF;

// The code point at the start of UTF-8 text and its length; a byte that
// starts no well-formed character is kNoCharacter, one byte long, and
// matches nothing.
std::pair<char32_t, std::size_t> codePointAt(std::string_view text) {
    const std::size_t length = utf8CharacterLength(text);
    return length == 0 ? std::pair(kNoCharacter, std::size_t{1}) : std::pair(utf8CodePoint(text, length), length);
}

// A fold that would make digits of a character keeps it as it is: "10³" and
// "5 m²" are no "103" and "5 m2"; only full-width digits are plain digits.
bool foldsIntoDigits(char32_t c, std::string_view folded) {
    return !(c >= 0xFF10 && c <= 0xFF19) && folded.find_first_of("0123456789") != std::string_view::npos;
}

// The names gettext's locales use for the languages the vocabulary has.
struct LocaleLanguage {
    std::string_view locale;  // language, or language_TERRITORY
    std::string_view language;
};
// clang-format off
constexpr std::array<LocaleLanguage, 22> kLocaleLanguages = {{
    {"en", "en"}, {"de", "de"}, {"fr", "fr"}, {"es", "es"}, {"it", "it"},
    {"pt_BR", "pt_BR"}, {"pt", "pt_PT"}, {"nl", "nl"}, {"sv", "sv"}, {"pl", "pl"},
    {"cs", "cs"}, {"ru", "ru"}, {"uk", "uk"}, {"tr", "tr"}, {"ja", "ja"},
    {"zh_TW", "zh_Hant"}, {"zh_HK", "zh_Hant"}, {"zh_MO", "zh_Hant"}, {"zh_Hant", "zh_Hant"},
    {"zh", "zh_Hans"}, {"zh_CN", "zh_Hans"}, {"zh_SG", "zh_Hans"},
}};
// clang-format on

// Letters of the scripts that separate words with spaces.
bool isLetter(char32_t c) {
    return (c < 0x80 && isAsciiLetter(static_cast<char>(c))) ||
           (c >= 0x00C0 && c <= 0x024F && c != 0xD7 && c != 0xF7) || (c >= 0x0370 && c <= 0x052F) ||
           (c >= 0x1E00 && c <= 0x1EFF);
}

// Words are short: the copy stays in the string's own buffer.
std::string asciiLowered(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered)
        c = asciiLower(c);
    return lowered;
}

void addLength(std::vector<std::size_t>& lengths, std::size_t length) {
    if (std::find(lengths.begin(), lengths.end(), length) == lengths.end())
        lengths.push_back(length);
}

}  // namespace

std::string foldedForMatching(std::string_view utf8, AsciiCase asciiCase) {
    std::string folded;
    folded.reserve(utf8.size());
    const std::span<const FoldedCharacter> table = foldedCharacters();
    for (std::size_t at = 0; at < utf8.size();) {
        if (static_cast<unsigned char>(utf8[at]) < 0x80) {
            folded += asciiCase == AsciiCase::Lower ? asciiLower(utf8[at]) : utf8[at];
            ++at;
            continue;
        }
        const auto [c, length] = codePointAt(utf8.substr(at));
        const auto entry = std::lower_bound(table.begin(), table.end(), c,
                                            [](const FoldedCharacter& f, char32_t key) { return f.codePoint < key; });
        if (entry != table.end() && entry->codePoint == c && !isVulgarFraction(c) && !foldsIntoDigits(c, entry->folded))
            folded += entry->folded;
        else
            folded += utf8.substr(at, length);
        at += length;
    }
    return folded;
}

bool isWordBoundary(std::string_view text, std::size_t at) {
    if (at == 0 || at >= text.size())
        return true;
    std::size_t before = at - 1;
    while (before > 0 && (static_cast<unsigned char>(text[before]) & 0xC0) == 0x80)
        --before;
    return !isLetter(codePointAt(text.substr(before)).first) || !isLetter(codePointAt(text.substr(at)).first);
}

std::optional<std::string_view> vocabularyLanguage(std::string_view localeName) {
    localeName = localeName.substr(0, localeName.find_first_of(".@"));
    // language_TERRITORY first, then the language alone.
    for (const std::string_view name : {localeName, localeName.substr(0, localeName.find('_'))}) {
        for (const LocaleLanguage& entry : kLocaleLanguages) {
            if (entry.locale == name)
                return entry.language;
        }
    }
    return std::nullopt;
}

UnitVocabulary::UnitVocabulary(std::span<const std::string> languages) {
    languages_.emplace_back(kEnglish);
    for (const std::string& language : languages) {
        if (std::find(languages_.begin(), languages_.end(), language) == languages_.end())
            languages_.push_back(language);
    }
    const auto active = [this](std::string_view language) {
        return std::find(languages_.begin(), languages_.end(), language) != languages_.end();
    };
    for (const VocabularyRefusal& refusal : vocabularyRefusals()) {
        if (active(refusal.language))
            refused_.insert(foldedForMatching(refusal.word));
    }
    // Where two active languages name different units with one word, the
    // user's first language has it, and English comes last.
    for (std::size_t rank = languages_.size(); rank-- > 0;) {
        const std::string& language = languages_[(rank + 1) % languages_.size()];
        for (const VocabularyWord& entry : vocabularyWords()) {
            if (entry.language != language)
                continue;
            std::string word = foldedForMatching(entry.word);
            if (refused_.contains(word))
                continue;
            addLength(wordLengths_, word.size());
            units_.insert_or_assign(std::move(word), entry.unit);
        }
    }
    for (const VocabularyConnector& entry : vocabularyConnectors()) {
        if (!active(entry.language))
            continue;
        std::string word = foldedForMatching(entry.word);
        addLength(connectorLengths_, word.size());
        connectors_.insert(std::move(word));
    }
    std::sort(wordLengths_.rbegin(), wordLengths_.rend());
    std::sort(connectorLengths_.rbegin(), connectorLengths_.rend());
}

const UnitVocabulary& UnitVocabulary::english() {
    static const UnitVocabulary vocabulary;
    return vocabulary;
}

std::optional<LengthUnit> UnitVocabulary::unit(std::string_view folded) const {
    if (wordLengths_.empty() || folded.size() > wordLengths_.front())
        return std::nullopt;
    const auto found = units_.find(asciiLowered(folded));
    return found == units_.end() ? std::nullopt : std::optional(found->second);
}

bool UnitVocabulary::isConnector(std::string_view folded) const {
    if (connectorLengths_.empty() || folded.size() > connectorLengths_.front())
        return false;
    return connectors_.find(asciiLowered(folded)) != connectors_.end();
}

}  // namespace zelvar
