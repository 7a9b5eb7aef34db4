// SPDX-License-Identifier: GPL-3.0-or-later
// Writes engine/unit_vocabulary_data.cpp: the unit words of every language
// the program reads, as CLDR has them through the installed ICU, with the
// reviewed additions, removals and refusals of engine/unit_words_overlay.txt.
// The engine then reads them as plain data and links neither ICU nor Qt.
//
//   generate_unit_words OVERLAY OUTPUT
//
// It stops, writing nothing, when the words it would write let one word name
// two units in a language, when the overlay removes a word CLDR no longer
// has, or when an overlay line gives no reason.
#include <unicode/displayoptions.h>
#include <unicode/measunit.h>
#include <unicode/normalizer2.h>
#include <unicode/numberformatter.h>
#include <unicode/plurrule.h>
#include <unicode/uchar.h>
#include <unicode/ulocdata.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Language {
    std::string tag;
    // English reads British spellings too; the first locale gives the names.
    std::vector<std::string> locales;
};

const std::vector<Language> kLanguages = {
    {"en", {"en", "en_GB"}}, {"de", {"de"}},           {"fr", {"fr"}}, {"es", {"es"}}, {"it", {"it"}},
    {"pt_BR", {"pt"}},       {"pt_PT", {"pt_PT"}},     {"nl", {"nl"}}, {"sv", {"sv"}}, {"pl", {"pl"}},
    {"cs", {"cs"}},          {"ru", {"ru"}},           {"uk", {"uk"}}, {"tr", {"tr"}}, {"ja", {"ja"}},
    {"zh_Hans", {"zh"}},     {"zh_Hant", {"zh_Hant"}},
};

struct Unit {
    std::string name;        // as the overlay names it
    std::string enumerator;  // LengthUnit's
    const char* icu;         // nullptr: not in CLDR
};

const std::array<Unit, 14> kUnits = {{
    {"league", "League", nullptr},
    {"mile", "Miles", "mile"},
    {"furlong", "Furlong", "furlong"},
    {"rod", "Rods", nullptr},
    {"yard", "Yards", "yard"},
    {"foot", "Feet", "foot"},
    {"inch", "Inches", "inch"},
    {"kilometer", "Kilometers", "kilometer"},
    {"hectometer", "Hectometers", "hectometer"},
    {"dekameter", "Dekameters", "dekameter"},
    {"meter", "Meters", "meter"},
    {"decimeter", "Decimeters", "decimeter"},
    {"centimeter", "Centimeters", "centimeter"},
    {"millimeter", "Millimeters", "millimeter"},
}};

const std::array<std::string, 6> kCategories = {"zero", "one", "two", "few", "many", "other"};
const std::array<std::string, 6> kCategoryEnumerators = {"Zero", "One", "Two", "Few", "Many", "Other"};

// Blocks whose characters people type or paste in the languages read here:
// Latin and its extensions, Greek, Cyrillic, the spaces and letter-like
// signs of general text, kana and the CJK compatibility squares (㎞), the
// Latin ligatures and the full- and half-width forms. ASCII is left to the
// reader, which only lowers its letters.
constexpr std::array<std::pair<char32_t, char32_t>, 15> kFoldedBlocks = {{
    {0x0080, 0x036F},  // Latin-1, Latin Extended-A and -B, IPA, modifiers, combining marks
    {0x0370, 0x03FF},  // Greek
    {0x0400, 0x052F},  // Cyrillic and its supplement
    {0x1E00, 0x1EFF},  // Latin Extended Additional
    {0x2000, 0x206F},  // general punctuation: the spaces, the one-dot leader
    {0x2070, 0x209F},  // superscripts and subscripts
    {0x2100, 0x218F},  // letter-like symbols, number forms (℃, Å, ½)
    {0x2C60, 0x2C7F},  // Latin Extended-C
    {0x3000, 0x303F},  // CJK symbols: the ideographic space
    {0x3040, 0x30FF},  // hiragana, katakana
    {0x3300, 0x33FF},  // CJK compatibility: ㎞, ㌢
    {0xA720, 0xA7FF},  // Latin Extended-D
    {0xAB30, 0xAB6F},  // Latin Extended-E
    {0xFB00, 0xFB06},  // Latin ligatures
    {0xFF00, 0xFFEF},  // full- and half-width forms
}};

[[noreturn]] void fail(const std::string& why) {
    throw std::runtime_error(why);
}

void check(UErrorCode status, const std::string& what) {
    if (U_FAILURE(status))
        fail(what + ": " + u_errorName(status));
}

std::string utf8(const icu::UnicodeString& text) {
    std::string out;
    text.toUTF8String(out);
    return out;
}

std::string utf8(UChar32 c) {
    return utf8(icu::UnicodeString(c));
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        if (!trimmed(part).empty())
            parts.push_back(trimmed(part));
    return parts;
}

// What the reader matches a code point as: its compatibility decomposition,
// fully case-folded, again until nothing changes (folding can give what
// decomposes), without the combining diacritical marks U+0300-U+036F. Other
// combining marks stay: the kana voicing marks tell ト from ド.
std::string foldedCodePoint(UChar32 c) {
    // ICU's default folding gives i and a dot above, dropped below; said
    // outright so that the Turkish capital never reads as anything but "i".
    if (c == 0x130)
        return "i";
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfkd = icu::Normalizer2::getNFKDInstance(status);
    check(status, "NFKD");
    icu::UnicodeString text(c), before;
    do {
        before = text;
        text = nfkd->normalize(text, status);
        text.foldCase(U_FOLD_CASE_DEFAULT);
    } while (text != before);
    check(status, "folding");
    icu::UnicodeString kept;
    for (int32_t i = 0; i < text.length(); i = text.moveIndex32(i, 1)) {
        const UChar32 d = text.char32At(i);
        if (d < 0x300 || d > 0x36F)
            kept.append(d);
    }
    return utf8(kept);
}

std::string folded(const std::string& word) {
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(word);
    std::string out;
    for (int32_t i = 0; i < text.length(); i = text.moveIndex32(i, 1)) {
        const UChar32 c = text.char32At(i);
        out += c < 0x80 ? std::string(1, char(c >= 'A' && c <= 'Z' ? c + 32 : c)) : foldedCodePoint(c);
    }
    return out;
}

// ---- The overlay -----------------------------------------------------------

// One line: "kind language [unit] [category]: text, text  # why".
struct OverlayLine {
    std::string kind, language, unit, category;
    std::vector<std::string> texts;
    int number = 0;
};

std::size_t unitNamed(const std::string& name, int line) {
    for (std::size_t i = 0; i < kUnits.size(); ++i)
        if (kUnits[i].name == name)
            return i;
    fail("overlay line " + std::to_string(line) + ": no unit \"" + name + "\"");
}

std::vector<OverlayLine> readOverlay(const std::string& path) {
    std::ifstream in(path);
    if (!in)
        fail("cannot read " + path);
    std::vector<OverlayLine> lines;
    int number = 0;
    for (std::string raw; std::getline(in, raw);) {
        ++number;
        const std::string text = trimmed(raw);
        if (text.empty() || text[0] == '#')
            continue;
        const auto why = text.find(" #");
        const auto colon = text.find(':');
        if (why == std::string::npos || trimmed(text.substr(why + 2)).empty())
            fail("overlay line " + std::to_string(number) + " gives no reason after \" #\"");
        if (colon == std::string::npos || colon > why)
            fail("overlay line " + std::to_string(number) + " has no \":\"");
        OverlayLine line;
        line.number = number;
        line.texts = split(text.substr(colon + 1, why - colon - 1), ',');
        std::istringstream head(text.substr(0, colon));
        head >> line.kind >> line.language >> line.unit >> line.category;
        const bool known =
            line.language == "*" || std::any_of(kLanguages.begin(), kLanguages.end(),
                                                [&](const Language& l) { return l.tag == line.language; });
        if (!known || line.texts.empty())
            fail("overlay line " + std::to_string(number) + ": unknown language or no text");
        lines.push_back(line);
    }
    return lines;
}

// ---- What ICU gives --------------------------------------------------------

// A number of each plural category the language has, checked by formatting
// it: the samples CLDR lists include decimals such as 1.0 that the formatter
// writes as "1", which is another category.
std::map<std::string, double> categorySamples(const icu::Locale& locale) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::PluralRules> rules(icu::PluralRules::forLocale(locale, status));
    check(status, "plural rules");
    const auto formatter = icu::number::NumberFormatter::withLocale(locale);
    std::map<std::string, double> samples;
    for (const std::string& category : kCategories) {
        const icu::UnicodeString keyword = icu::UnicodeString::fromUTF8(category);
        if (!rules->isKeyword(keyword))
            continue;
        std::array<double, 64> candidates{};
        const int32_t count = rules->getSamples(keyword, candidates.data(), int32_t(candidates.size()), status);
        for (int32_t i = 0; i < count && !samples.count(category); ++i)
            if (rules->select(formatter.formatDouble(candidates[std::size_t(i)], status), status) == keyword)
                samples[category] = candidates[std::size_t(i)];
        check(status, "plural samples");
        if (!samples.count(category))
            fail(std::string(locale.getName()) + ": no number of the category " + category);
    }
    return samples;
}

// The unit's part of a formatted length, without the number.
std::vector<std::string> unitTexts(const icu::number::LocalizedNumberFormatter& formatter, double number) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::number::FormattedNumber result = formatter.formatDouble(number, status);
    const icu::UnicodeString text = result.toString(status);
    icu::ConstrainedFieldPosition position;
    position.constrainField(UFIELD_CATEGORY_NUMBER, UNUM_MEASURE_UNIT_FIELD);
    std::vector<std::string> texts;
    while (result.nextPosition(position, status)) {
        icu::UnicodeString part = text.tempSubStringBetween(position.getStart(), position.getLimit());
        texts.push_back(utf8(part.trim()));
    }
    check(status, "formatting " + utf8(text));
    if (texts.empty() || std::count(texts.begin(), texts.end(), std::string()) > 0)
        fail("no unit in \"" + utf8(text) + "\"");
    return texts;
}

struct Generated {
    // per language tag: unit index -> words
    std::map<std::string, std::map<std::size_t, std::set<std::string>>> words;
    // per language tag: (unit index, category) -> name
    std::map<std::string, std::map<std::pair<std::size_t, std::string>, std::string>> names;
    std::map<std::string, std::pair<std::string, std::string>> feetAndInches;
    std::map<std::string, std::vector<std::string>> categories;
};

constexpr std::array<UNumberUnitWidth, 3> kWidths = {UNUM_UNIT_WIDTH_FULL_NAME, UNUM_UNIT_WIDTH_SHORT,
                                                     UNUM_UNIT_WIDTH_NARROW};

void readIcu(const Language& language, Generated& out) {
    for (const std::string& localeName : language.locales) {
        const icu::Locale locale(localeName.c_str());
        const bool first = localeName == language.locales.front();
        const std::map<std::string, double> samples = categorySamples(locale);
        for (std::size_t u = 0; u < kUnits.size(); ++u) {
            if (!kUnits[u].icu)
                continue;
            UErrorCode status = U_ZERO_ERROR;
            const icu::MeasureUnit unit = icu::MeasureUnit::forIdentifier(kUnits[u].icu, status);
            check(status, kUnits[u].icu);
            const auto plain = icu::number::NumberFormatter::withLocale(locale).unit(unit);
            std::set<std::string>& words = out.words[language.tag][u];
            for (const auto& [category, number] : samples) {
                for (const UNumberUnitWidth width : kWidths) {
                    for (const std::string& text : unitTexts(plain.unitWidth(width), number)) {
                        words.insert(text);
                        // An abbreviation's full stop is often left out when typed.
                        if (width != UNUM_UNIT_WIDTH_FULL_NAME && text.size() > 1 && text.back() == '.')
                            words.insert(text.substr(0, text.size() - 1));
                    }
                }
                const auto full = plain.unitWidth(UNUM_UNIT_WIDTH_FULL_NAME);
                if (first)
                    out.names[language.tag][{u, category}] = unitTexts(full, number).front();
                // Every case ICU knows; a language without one gives the
                // nominative again.
                for (int c = UDISPOPT_GRAMMATICAL_CASE_ABLATIVE; c <= UDISPOPT_GRAMMATICAL_CASE_VOCATIVE; ++c) {
                    const auto options =
                        icu::DisplayOptions::builder().setGrammaticalCase(UDisplayOptionsGrammaticalCase(c)).build();
                    for (const std::string& text : unitTexts(full.displayOptions(options), number))
                        words.insert(text);
                }
            }
            // An answer's "5 ft 3 in" has one form for every number: a short
            // form that changes with the number ("cal", "cale", "cali") is a
            // word, not a symbol, and is left to the overlay.
            if (first && (kUnits[u].name == "foot" || kUnits[u].name == "inch")) {
                std::set<std::string> forms;
                for (const auto& [category, number] : samples)
                    forms.insert(unitTexts(plain.unitWidth(UNUM_UNIT_WIDTH_SHORT), number).front());
                auto& pair = out.feetAndInches[language.tag];
                (kUnits[u].name == "foot" ? pair.first : pair.second) = forms.size() == 1 ? *forms.begin() : "";
            }
        }
        if (first)
            for (const auto& [category, number] : samples)
                out.categories[language.tag].push_back(category);
    }
}

// ---- The vocabulary --------------------------------------------------------

struct Vocabulary {
    Generated data;
    std::map<std::string, std::set<std::string>> connectors, refusals;
    std::vector<std::string> dropped;  // reported, for the reviewer
};

void applyOverlay(const std::vector<OverlayLine>& lines, Vocabulary& v) {
    auto languagesOf = [](const OverlayLine& line) {
        std::vector<std::string> tags;
        for (const Language& l : kLanguages)
            if (line.language == "*" || line.language == l.tag)
                tags.push_back(l.tag);
        return tags;
    };
    // Removals first, so that a word the overlay adds is never removed again.
    for (const OverlayLine& line : lines) {
        if (line.kind != "drop")
            continue;
        const std::size_t u = unitNamed(line.unit, line.number);
        for (const std::string& tag : languagesOf(line)) {
            auto& words = v.data.words[tag][u];
            for (const std::string& text : line.texts) {
                const auto before = words.size();
                std::erase_if(words, [&](const std::string& w) { return folded(w) == folded(text); });
                if (words.size() == before)
                    fail("overlay line " + std::to_string(line.number) + ": CLDR gives no \"" + text + "\" any more");
                v.dropped.push_back(tag + " " + line.unit + " " + text);
            }
        }
    }
    for (const OverlayLine& line : lines) {
        for (const std::string& tag : languagesOf(line)) {
            if (line.kind == "word") {
                v.data.words[tag][unitNamed(line.unit, line.number)].insert(line.texts.begin(), line.texts.end());
            } else if (line.kind == "name") {
                const std::size_t u = unitNamed(line.unit, line.number);
                if (std::find(kCategories.begin(), kCategories.end(), line.category) == kCategories.end())
                    fail("overlay line " + std::to_string(line.number) + ": no plural category");
                v.data.names[tag][{u, line.category}] = line.texts.front();
                v.data.words[tag][u].insert(line.texts.front());
            } else if (line.kind == "connector") {
                v.connectors[tag].insert(line.texts.begin(), line.texts.end());
            } else if (line.kind == "symbols") {
                if (line.texts.size() != 2)
                    fail("overlay line " + std::to_string(line.number) + ": symbols are a foot's and an inch's");
                v.data.feetAndInches[tag] = {line.texts[0], line.texts[1]};
                v.data.words[tag][unitNamed("foot", line.number)].insert(line.texts[0]);
                v.data.words[tag][unitNamed("inch", line.number)].insert(line.texts[1]);
            } else if (line.kind == "refuse") {
                v.refusals[tag].insert(line.texts.begin(), line.texts.end());
            } else if (line.kind != "drop") {
                fail("overlay line " + std::to_string(line.number) + ": unknown kind \"" + line.kind + "\"");
            }
        }
    }
    for (const Language& language : kLanguages) {
        const auto& [feet, inches] = v.data.feetAndInches[language.tag];
        if (feet.empty() || inches.empty())
            fail(language.tag + ": CLDR's short foot or inch changes with the number; give a symbols line");
    }
    // A unit CLDR lacks is answered in English where the language has no
    // name of its own for it.
    for (const Language& language : kLanguages) {
        auto& names = v.data.names[language.tag];
        for (std::size_t u = 0; u < kUnits.size(); ++u)
            for (const std::string& category : v.data.categories[language.tag])
                if (!names.count({u, category})) {
                    const auto english = v.data.names["en"].find({u, category == "one" ? "one" : "other"});
                    if (english == v.data.names["en"].end())
                        fail(language.tag + ": no name for " + kUnits[u].name + " (" + category + ")");
                    names[{u, category}] = english->second;
                }
    }
}

// Folded words of the languages together, each with its one unit.
std::map<std::string, std::size_t> foldedUnits(const std::vector<std::string>& tags, const Vocabulary& v) {
    std::map<std::string, std::size_t> unitOf;
    for (const std::string& tag : tags)
        for (const auto& [u, words] : v.data.words.at(tag))
            for (const std::string& w : words) {
                const auto [it, added] = unitOf.emplace(folded(w), u);
                if (!added && it->second != u)
                    fail(tags.back() + ": \"" + w + "\" names both " + kUnits[it->second].name + " and " +
                         kUnits[u].name);
            }
    return unitOf;
}

std::set<std::string> foldedWords(const std::map<std::string, std::set<std::string>>& table, const std::string& tag) {
    std::set<std::string> out;
    if (table.count(tag))
        for (const std::string& w : table.at(tag))
            out.insert(folded(w));
    return out;
}

// One language, read with English as the reader always does: no folded word
// may name two units, or be refused and read, or be both a unit and a
// connector unless English has that very pairing ("in"). Its feet and inches
// symbols are read back as the foot and the inch.
void checkLanguage(const std::string& tag, const Vocabulary& v) {
    const auto english = foldedUnits({"en"}, v);
    const auto unitOf = foldedUnits({"en", tag}, v);
    const auto englishConnectors = foldedWords(v.connectors, "en");
    std::set<std::string> connectors = foldedWords(v.connectors, tag);
    connectors.insert(englishConnectors.begin(), englishConnectors.end());
    for (const std::string& c : connectors) {
        const auto unit = unitOf.find(c);
        const auto inEnglish = english.find(c);
        if (unit != unitOf.end() &&
            !(englishConnectors.count(c) && inEnglish != english.end() && inEnglish->second == unit->second))
            fail(tag + ": \"" + c + "\" is both " + kUnits[unit->second].name + " and a connector");
    }
    for (const std::string& r : foldedWords(v.refusals, tag))
        if (unitOf.count(r))
            fail(tag + ": \"" + r + "\" is refused and read as " + kUnits[unitOf.at(r)].name);
    const auto& [feet, inches] = v.data.feetAndInches.at(tag);
    if (unitOf.at(folded(feet)) != unitNamed("foot", 0) || unitOf.at(folded(inches)) != unitNamed("inch", 0))
        fail(tag + ": the feet and inches symbols are not read back as the foot and the inch");
}

// ---- The file --------------------------------------------------------------

// A C++ string literal of UTF-8 text: letters as they are, so that a reviewer
// reads them; spaces, marks and invisible characters as bytes.
std::string literal(const std::string& text) {
    const icu::UnicodeString u = icu::UnicodeString::fromUTF8(text);
    std::string out = "\"";
    bool afterEscape = false;
    for (int32_t i = 0; i < u.length(); i = u.moveIndex32(i, 1)) {
        const UChar32 c = u.char32At(i);
        const std::string bytes = utf8(c);
        const bool plain = c == ' ' || (u_isgraph(c) && !(U_GET_GC_MASK(c) & U_GC_M_MASK));
        if (afterEscape && plain && std::isxdigit(static_cast<unsigned char>(bytes[0])))
            out += "\" \"";
        afterEscape = !plain;
        if (c == '"' || c == '\\')
            out += "\\" + bytes;
        else if (plain)
            out += bytes;
        else
            for (const unsigned char b : bytes) {
                char hex[5];
                std::snprintf(hex, sizeof hex, "\\x%02x", b);
                out += hex;
            }
    }
    return out + "\"";
}

std::set<char32_t> foldedTableCodePoints(const Vocabulary& v) {
    std::set<char32_t> codePoints;
    for (const auto& [first, last] : kFoldedBlocks)
        for (char32_t c = first; c <= last; ++c)
            codePoints.insert(c);
    // And every character of a word, wherever it comes from.
    auto add = [&](const std::string& word) {
        const icu::UnicodeString u = icu::UnicodeString::fromUTF8(word);
        for (int32_t i = 0; i < u.length(); i = u.moveIndex32(i, 1))
            codePoints.insert(char32_t(u.char32At(i)));
    };
    for (const auto& [tag, units] : v.data.words)
        for (const auto& [u, words] : units)
            std::for_each(words.begin(), words.end(), add);
    for (const auto* table : {&v.connectors, &v.refusals})
        for (const auto& [tag, words] : *table)
            std::for_each(words.begin(), words.end(), add);
    std::erase_if(codePoints, [](char32_t c) { return c < 0x80 || utf8(UChar32(c)) == foldedCodePoint(UChar32(c)); });
    return codePoints;
}

std::string source(const Vocabulary& v) {
    UVersionInfo cldr;
    UErrorCode status = U_ZERO_ERROR;
    ulocdata_getCLDRVersion(cldr, &status);
    check(status, "CLDR version");
    struct Table {
        std::string type, function, name;
        std::ostringstream rows;
    };
    std::array<Table, 6> tables = {{{"VocabularyWord", "vocabularyWords", "kWords", {}},
                                    {"VocabularyConnector", "vocabularyConnectors", "kConnectors", {}},
                                    {"VocabularyRefusal", "vocabularyRefusals", "kRefusals", {}},
                                    {"UnitDisplayName", "unitDisplayNames", "kDisplayNames", {}},
                                    {"FeetAndInchesSymbols", "feetAndInchesSymbols", "kFeetAndInches", {}},
                                    {"FoldedCharacter", "foldedCharacters", "kFolded", {}}}};
    for (const Language& l : kLanguages) {
        const std::string tag = "    {\"" + l.tag + "\", ";
        for (const auto& [u, words] : v.data.words.at(l.tag))
            for (const std::string& w : words)
                tables[0].rows << tag << literal(w) << ", " << kUnits[u].enumerator << "},\n";
        for (const std::string& c : v.connectors.at(l.tag))
            tables[1].rows << tag << literal(c) << "},\n";
        if (v.refusals.count(l.tag))
            for (const std::string& r : v.refusals.at(l.tag))
                tables[2].rows << tag << literal(r) << "},\n";
        for (std::size_t u = 0; u < kUnits.size(); ++u)
            for (std::size_t c = 0; c < kCategories.size(); ++c)
                if (v.data.names.at(l.tag).count({u, kCategories[c]}))
                    tables[3].rows << tag << kUnits[u].enumerator << ", " << kCategoryEnumerators[c] << ", "
                                   << literal(v.data.names.at(l.tag).at({u, kCategories[c]})) << "},\n";
        const auto& [feet, inches] = v.data.feetAndInches.at(l.tag);
        tables[4].rows << tag << literal(feet) << ", " << literal(inches) << "},\n";
    }
    // ASCII is not listed: the reader lowers A-Z itself and leaves the rest.
    for (const char32_t c : foldedTableCodePoints(v)) {
        char hex[12];
        std::snprintf(hex, sizeof hex, "0x%04X", unsigned(c));
        tables[5].rows << "    {" << hex << ", " << literal(foldedCodePoint(UChar32(c))) << "},\n";
    }

    std::ostringstream out;
    out << "// Generated by scripts/unit_words/generate_unit_words.cpp; do not edit.\n"
        << "// From ICU " << U_ICU_VERSION << " (CLDR " << int(cldr[0]) << "." << int(cldr[1])
        << ") and engine/unit_words_overlay.txt; `make unit-words` writes it again.\n"
        << "// SPDX-License-Identifier: GPL-3.0-or-later\n"
        << "#include \"unit_vocabulary_data.h\"\n\n"
        << "namespace zelvar {\nnamespace {\n\nusing enum LengthUnit;\nusing enum PluralCategory;\n\n"
        << "// clang-format off\n";
    for (const Table& t : tables) {
        out << (&t == &tables.front() ? "" : "\n");
        // C++ has no empty array: a table the overlay leaves empty is an empty span.
        if (t.rows.str().empty())
            out << "constexpr std::span<const " << t.type << "> " << t.name << ";\n";
        else
            out << "constexpr " << t.type << " " << t.name << "[] = {\n" << t.rows.str() << "};\n";
    }
    out << "// clang-format on\n\n}  // namespace\n";
    for (const Table& t : tables)
        out << "\nstd::span<const " << t.type << "> " << t.function << "() {\n    return " << t.name << ";\n}\n";
    out << "\n}  // namespace zelvar\n";
    return out.str();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: generate_unit_words OVERLAY OUTPUT\n";
        return 2;
    }
    try {
        Vocabulary v;
        for (const Language& language : kLanguages)
            readIcu(language, v.data);
        applyOverlay(readOverlay(argv[1]), v);
        for (const Language& language : kLanguages)
            checkLanguage(language.tag, v);
        const std::string text = source(v);
        std::ifstream old(argv[2], std::ios::binary);
        const std::string before{std::istreambuf_iterator<char>(old), {}};
        if (before != text) {
            std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
            if (!(file << text))
                fail(std::string("cannot write ") + argv[2]);
        }
        for (const std::string& d : v.dropped)
            std::cout << "dropped: " << d << "\n";
        std::cout << argv[2] << (before == text ? ": unchanged\n" : ": written\n");
    } catch (const std::exception& e) {
        std::cerr << "generate_unit_words: " << e.what() << "\n";
        return 1;
    }
}
