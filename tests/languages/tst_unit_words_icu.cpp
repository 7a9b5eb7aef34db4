// SPDX-License-Identifier: GPL-3.0-or-later
// The generated unit words against the installed ICU they are made from, and
// against each other, as a reader of each language meets them.
#include <QtTest>

#include <unicode/displayoptions.h>
#include <unicode/measunit.h>
#include <unicode/normalizer2.h>
#include <unicode/numberformatter.h>
#include <unicode/plurrule.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "engine/unit_vocabulary.h"
#include "engine/unit_vocabulary_data.h"

using namespace zelvar;

namespace {

std::string utf8(const icu::UnicodeString& text) {
    std::string out;
    text.toUTF8String(out);
    return out;
}

// ICU's own reading of a code point, as foldedCharacters() promises it.
std::string icuFolded(UChar32 c) {
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString text(c), before, kept;
    do {
        before = text;
        text = icu::Normalizer2::getNFKDInstance(status)->normalize(text, status).foldCase(U_FOLD_CASE_DEFAULT);
    } while (text != before);
    for (int32_t i = 0; i < text.length(); i = text.moveIndex32(i, 1))
        if (text.char32At(i) < 0x300 || text.char32At(i) > 0x36F)
            kept.append(text.char32At(i));
    return c == 0x130 ? "i" : utf8(kept);
}

// The overlay's lines of a kind, as language, unit and then the category of a
// "name" line or each folded word of a "drop" line.
std::set<std::string> overlayKeys(const std::string& kind) {
    std::ifstream in(ZELVAR_OVERLAY);
    std::set<std::string> keys;
    for (std::string line; std::getline(in, line);) {
        std::string lineKind, language, unit, category;
        const auto colon = line.find(':');
        std::istringstream(line.substr(0, colon)) >> lineKind >> language >> unit >> category;
        std::istringstream list(line.substr(colon + 1, line.find(" #") - colon - 1));
        for (std::string text; lineKind == kind && std::getline(list, text, ',');)
            keys.insert(language + unit +
                        (kind == "name" ? category
                                        : foldedForMatching(QByteArray::fromStdString(text).trimmed().toStdString())));
    }
    return keys;
}

using enum LengthUnit;
// clang-format off
const std::map<std::string, LengthUnit> kIcuUnits = {
    {"mile", Miles}, {"furlong", Furlong}, {"yard", Yards}, {"foot", Feet}, {"inch", Inches},
    {"kilometer", Kilometers}, {"hectometer", Hectometers}, {"dekameter", Dekameters}, {"meter", Meters},
    {"decimeter", Decimeters}, {"centimeter", Centimeters}, {"millimeter", Millimeters},
};
// Latin, Greek, Cyrillic, the spaces NFKD makes plain, the full and half widths.
constexpr std::pair<char32_t, char32_t> kTypedBlocks[] = {
    {0x80, 0x24F}, {0x370, 0x3FF}, {0x400, 0x4FF}, {0x2000, 0x200A}, {0x202F, 0x202F}, {0x3000, 0x3000}, {0xFF00, 0xFFEF}};
// clang-format on

// Folded word -> unit, over the languages as the reader takes them together.
std::multimap<std::string, LengthUnit> wordsOf(const std::set<std::string_view>& languages) {
    std::multimap<std::string, LengthUnit> words;
    for (const VocabularyWord& w : vocabularyWords())
        if (languages.count(w.language))
            words.emplace(foldedForMatching(w.word), w.unit);
    return words;
}

bool reads(const std::multimap<std::string, LengthUnit>& words, const std::string& word, LengthUnit unit) {
    const auto [first, last] = words.equal_range(foldedForMatching(word));
    return std::any_of(first, last, [&](const auto& entry) { return entry.second == unit; });
}

// The unit's part of a formatted length.
std::vector<std::string> unitTexts(const icu::number::FormattedNumber& result) {
    UErrorCode status = U_ZERO_ERROR;
    icu::ConstrainedFieldPosition field;
    field.constrainField(UFIELD_CATEGORY_NUMBER, UNUM_MEASURE_UNIT_FIELD);
    std::vector<std::string> texts;
    while (result.nextPosition(field, status))
        texts.push_back(utf8(result.toString(status).tempSubStringBetween(field.getStart(), field.getLimit()).trim()));
    return texts;
}

// ICU's locales, read as the engine names their languages.
const char* const kLocales[] = {"en", "en_GB", "de", "fr", "es", "it", "pt_BR", "pt_PT", "nl",
                                "sv", "pl",    "cs", "ru", "uk", "tr", "ja",    "zh",    "zh_Hant"};

}  // namespace

class TstUnitWordsIcu : public QObject {
    Q_OBJECT

    static void languages() {
        QTest::addColumn<QByteArray>("locale");
        for (const char* locale : kLocales)
            QTest::newRow(locale) << QByteArray(locale);
    }

private slots:
    // Every unit text ICU writes after a number, in every plural category, width
    // and grammatical case, is read unless the overlay drops it; answers name
    // each unit in each category as ICU does, unless the overlay renames it.
    void icuForms_data() { languages(); }
    void icuForms() {
        QFETCH(QByteArray, locale);
        const std::string tag(*vocabularyLanguage(locale.toStdString()));
        const auto words = wordsOf({tag});
        const std::set<std::string> dropped = overlayKeys("drop"), renamed = overlayKeys("name");
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::PluralRules> rules(icu::PluralRules::forLocale(locale.constData(), status));
        const std::unique_ptr<icu::StringEnumeration> keywords(rules->getKeywords(status));
        const std::array<std::string, 6> categories = {"zero", "one", "two", "few", "many", "other"};
        const auto names = unitDisplayNames();
        int checked = 0;
        for (const auto& [name, unit] : kIcuUnits) {
            const auto plain = icu::number::NumberFormatter::withLocale(locale.constData())
                                   .unit(icu::MeasureUnit::forIdentifier(name.c_str(), status));
            std::vector<icu::number::LocalizedNumberFormatter> forms = {plain.unitWidth(UNUM_UNIT_WIDTH_FULL_NAME),
                                                                        plain.unitWidth(UNUM_UNIT_WIDTH_SHORT),
                                                                        plain.unitWidth(UNUM_UNIT_WIDTH_NARROW)};
            for (int c = UDISPOPT_GRAMMATICAL_CASE_ABLATIVE; c <= UDISPOPT_GRAMMATICAL_CASE_VOCATIVE; ++c)
                forms.push_back(forms[0].displayOptions(
                    icu::DisplayOptions::builder().setGrammaticalCase(UDisplayOptionsGrammaticalCase(c)).build()));
            keywords->reset(status);
            while (const icu::UnicodeString* keyword = keywords->snext(status)) {
                double samples[64];
                const int32_t count = rules->getSamples(*keyword, samples, 64, status);
                const double* sample = std::find_if(samples, samples + count, [&](double n) {
                    return rules->select(plain.formatDouble(n, status), status) == *keyword;
                });
                QVERIFY2(sample != samples + count, utf8(*keyword).c_str());
                for (const auto& form : forms)
                    for (const std::string& text : unitTexts(form.formatDouble(*sample, status))) {
                        if (!dropped.count(tag + name + foldedForMatching(text)))
                            QVERIFY2(reads(words, text, unit), (name + ": " + text).c_str());
                        ++checked;
                    }
                const auto display = std::find_if(names.begin(), names.end(), [&](const UnitDisplayName& d) {
                    return d.language == tag && d.unit == unit && categories[int(d.category)] == utf8(*keyword);
                });
                QVERIFY2(display != names.end(), (name + " " + utf8(*keyword)).c_str());
                if (locale != "en_GB" && !renamed.count(tag + name + utf8(*keyword)))
                    QCOMPARE(display->name, unitTexts(forms[0].formatDouble(*sample, status)).front());
            }
        }
        QVERIFY2(U_SUCCESS(status), u_errorName(status));
        // One text for each unit, category and form: no form went unchecked.
        QCOMPARE(checked, int(kIcuUnits.size()) * keywords->count(status) * 17);
    }

    // Read with English, as the reader always does: no word names two units,
    // none is a unit and a connector unless English pairs them so ("in"), a
    // refused word is read in no other way; feet and inches read back.
    void noCollisions_data() { languages(); }
    void noCollisions() {
        QFETCH(QByteArray, locale);
        const std::string tag(*vocabularyLanguage(locale.toStdString()));
        const auto english = wordsOf({"en"}), words = wordsOf({"en", tag});
        for (auto it = words.begin(); it != words.end(); it = words.upper_bound(it->first))
            QVERIFY2(std::all_of(it, words.upper_bound(it->first), [&](auto& w) { return w.second == it->second; }),
                     it->first.c_str());
        std::set<std::string> englishConnectors;
        for (const VocabularyConnector& c : vocabularyConnectors())
            if (c.language == "en")
                englishConnectors.insert(foldedForMatching(c.word));
        for (const VocabularyConnector& c : vocabularyConnectors()) {
            const auto unit = words.find(foldedForMatching(c.word));
            if ((c.language == tag || c.language == "en") && unit != words.end())
                QVERIFY2(englishConnectors.count(foldedForMatching(c.word)) &&
                             reads(english, std::string(c.word), unit->second),
                         std::string(c.word).c_str());
        }
        std::string refused;
        for (const VocabularyRefusal& r : vocabularyRefusals())
            if (r.language == tag && !words.count(foldedForMatching(r.word)))
                refused += r.word;
        QCOMPARE(refused, tag == "sv" ? "mil" : "");  // ten kilometres, not a mile
        const auto symbols = std::find_if(feetAndInchesSymbols().begin(), feetAndInchesSymbols().end(),
                                          [&](const FeetAndInchesSymbols& s) { return s.language == tag; });
        QVERIFY(symbols != feetAndInchesSymbols().end());
        QVERIFY(reads(words, std::string(symbols->feet), Feet));
        QVERIFY(reads(words, std::string(symbols->inches), Inches));
    }

    // Each code point as ICU reads it, in order; ASCII left to the reader.
    void foldedTable() {
        const auto table = foldedCharacters();
        char32_t previous = 0x7F;
        for (const FoldedCharacter& entry : table) {
            QVERIFY2(entry.codePoint > previous, QByteArray::number(uint(entry.codePoint), 16));
            QCOMPARE(std::string(entry.folded), icuFolded(UChar32(entry.codePoint)));
            previous = entry.codePoint;
        }
        // No character people type in these languages, nor any of a word,
        // reads otherwise than ICU reads it; the reader keeps ¼ ½ ¾ whole,
        // and what ICU makes digits of ("²", "₂") but full-width digits.
        std::set<char32_t> needed;
        for (const auto& [first, last] : kTypedBlocks)
            for (char32_t c = first; c <= last; ++c)
                needed.insert(c);
        for (const VocabularyWord& w : vocabularyWords()) {
            const icu::UnicodeString u = icu::UnicodeString::fromUTF8(w.word);
            for (int32_t i = 0; i < u.length(); i = u.moveIndex32(i, 1))
                needed.insert(char32_t(u.char32At(i)));
        }
        for (const char32_t c : needed) {
            const std::string folded = icuFolded(UChar32(c));
            const bool intoDigits =
                folded.find_first_of("0123456789") != std::string::npos && (c < 0xFF10 || c > 0xFF19);
            if (c >= 0x80 && (c < 0xBC || c > 0xBE))
                QVERIFY2(foldedForMatching(utf8(UChar32(c))) == (intoDigits ? utf8(UChar32(c)) : folded),
                         QByteArray::number(uint(c), 16));
        }
    }
};

QTEST_APPLESS_MAIN(TstUnitWordsIcu)
#include "tst_unit_words_icu.moc"
