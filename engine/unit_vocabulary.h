// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "units.h"

namespace zelvar {

enum class AsciiCase { Lower, Keep };

// Text as the reader matches words in it: each code point through
// foldedCharacters() (compatibility forms, full case folding, no
// diacritical marks), so that "FUSS", "Fuss" and "fuß" are one word, "MİL"
// is "mil" and "５" is "5". Vulgar fractions, characters that would fold
// into digits ("²", "₂", "㎡") and bytes of no well-formed character stay as
// they are. ASCII only lowers its letters, or keeps them, so that a number
// keeps the case it was typed in ("1E3", "&H1F").
std::string foldedForMatching(std::string_view utf8, AsciiCase asciiCase = AsciiCase::Lower);

// Whether a word may end, or start, at `at` in text: at either end, and
// wherever the characters on both sides are not both letters of an
// alphabetic script. Japanese and Chinese words need no space around them.
bool isWordBoundary(std::string_view text, std::size_t at);

// The vocabulary language of a locale name as the environment gives one
// ("de_DE.UTF-8" is "de", "zh_TW" is "zh_Hant", "pt" is "pt_PT"); nothing
// for a language the program has no words for, or for C and POSIX.
std::optional<std::string_view> vocabularyLanguage(std::string_view localeName);

// The words read for units and connectors in the active languages: English
// always, so that "ft" and "in" work for everyone, and the languages named;
// no other language's words, so that one language's word never means
// another's unit. Words are folded once, when the vocabulary is made, and
// looked up through a hash.
class UnitVocabulary {
public:
    // Languages as vocabularyLanguage names them; unknown ones are left out.
    explicit UnitVocabulary(std::span<const std::string> languages = {});

    // English alone, made once.
    static const UnitVocabulary& english();

    // The unit a folded word names, in any ASCII case; nothing for any other
    // word, and for a word an active language refuses.
    std::optional<LengthUnit> unit(std::string_view folded) const;
    bool isConnector(std::string_view folded) const;

    // The byte lengths of the folded words, longest first: the lengths a
    // reader looking for a word at a place has to try.
    std::span<const std::size_t> wordLengths() const { return wordLengths_; }
    std::span<const std::size_t> connectorLengths() const { return connectorLengths_; }

    const std::vector<std::string>& languages() const { return languages_; }

private:
    // Looked up by string_view, with no string made for the key.
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    using WordSet = std::unordered_set<std::string, Hash, std::equal_to<>>;

    std::vector<std::string> languages_;  // English first
    std::unordered_map<std::string, LengthUnit, Hash, std::equal_to<>> units_;
    WordSet connectors_;
    WordSet refused_;
    std::vector<std::size_t> wordLengths_, connectorLengths_;
};

}  // namespace zelvar
