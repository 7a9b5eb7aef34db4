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
#include "engine/unit_words.h"

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

// What the table reads a code point as.
std::string tableFolded(char32_t c) {
    const auto table = foldedCharacters();
    const auto entry = std::lower_bound(table.begin(), table.end(), c,
                                        [](const FoldedCharacter& e, char32_t key) { return e.codePoint < key; });
    return entry != table.end() && entry->codePoint == c ? std::string(entry->folded) : utf8(UChar32(c));
}

struct OverlayLine {
    std::string kind, language, unit, category;
    std::vector<std::string> texts;
};

std::vector<OverlayLine> overlay(const std::string& kind) {
    std::ifstream in(ZELVAR_OVERLAY);
    std::vector<OverlayLine> lines;
    for (std::string line; std::getline(in, line);) {
        const auto colon = line.find(':'), why = line.find(" #");
        OverlayLine entry;
        std::istringstream(line.substr(0, colon)) >> entry.kind >> entry.language >> entry.unit >> entry.category;
        if (entry.kind != kind)
            continue;
        std::istringstream list(line.substr(colon + 1, why - colon - 1));
        for (std::string text; std::getline(list, text, ',');)
            entry.texts.push_back(QByteArray::fromStdString(text).trimmed().toStdString());
        lines.push_back(entry);
    }
    return lines;
}

const std::map<std::string, LengthUnit> kIcuUnits = {
    {"mile", LengthUnit::Miles},
    {"furlong", LengthUnit::Furlong},
    {"yard", LengthUnit::Yards},
    {"foot", LengthUnit::Feet},
    {"inch", LengthUnit::Inches},
    {"kilometer", LengthUnit::Kilometers},
    {"hectometer", LengthUnit::Hectometers},
    {"dekameter", LengthUnit::Dekameters},
    {"meter", LengthUnit::Meters},
    {"decimeter", LengthUnit::Decimeters},
    {"centimeter", LengthUnit::Centimeters},
    {"millimeter", LengthUnit::Millimeters},
};

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

const char* const kLanguages[][2] = {
    {"en", "en"},    {"en", "en_GB"},    {"de", "de"}, {"fr", "fr"}, {"es", "es"},      {"it", "it"},
    {"pt_BR", "pt"}, {"pt_PT", "pt_PT"}, {"nl", "nl"}, {"sv", "sv"}, {"pl", "pl"},      {"cs", "cs"},
    {"ru", "ru"},    {"uk", "uk"},       {"tr", "tr"}, {"ja", "ja"}, {"zh_Hans", "zh"}, {"zh_Hant", "zh_Hant"},
};

}  // namespace

class TstUnitWordsIcu : public QObject {
    Q_OBJECT

    static void languages() {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QByteArray>("locale");
        for (const auto& [language, locale] : kLanguages)
            QTest::newRow(locale) << QByteArray(language) << QByteArray(locale);
    }

private slots:
    // Every unit text ICU writes after a number, in every plural category,
    // width and grammatical case, is read, unless the overlay removes it; and
    // answers name every unit in every category, as ICU does unless the
    // overlay renames it.
    void icuForms_data() { languages(); }
    void icuForms() {
        QFETCH(QByteArray, language);
        QFETCH(QByteArray, locale);
        const std::string tag = language.toStdString();
        const auto words = wordsOf({tag});
        std::set<std::string> dropped, renamed;
        for (const OverlayLine& line : overlay("drop"))
            for (const std::string& text : line.texts)
                dropped.insert(line.language + line.unit + foldedForMatching(text));
        for (const OverlayLine& line : overlay("name"))
            renamed.insert(line.language + line.unit + line.category);
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::PluralRules> rules(icu::PluralRules::forLocale(locale.constData(), status));
        const std::unique_ptr<icu::StringEnumeration> keywords(rules->getKeywords(status));
        const std::array<std::string, 6> categories = {"zero", "one", "two", "few", "many", "other"};
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
                const auto names = unitDisplayNames();
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
    // none is refused and read, none is a unit and a connector unless English
    // pairs them so ("in"); the answers' feet and inches read back.
    void noCollisions_data() { languages(); }
    void noCollisions() {
        QFETCH(QByteArray, language);
        const std::string tag = language.toStdString();
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
        for (const VocabularyRefusal& r : vocabularyRefusals())
            QVERIFY2(r.language != tag || !words.count(foldedForMatching(r.word)), std::string(r.word).c_str());
        const auto symbols = std::find_if(feetAndInchesSymbols().begin(), feetAndInchesSymbols().end(),
                                          [&](const FeetAndInchesSymbols& s) { return s.language == tag; });
        QVERIFY(symbols != feetAndInchesSymbols().end());
        QVERIFY(reads(words, std::string(symbols->feet), LengthUnit::Feet));
        QVERIFY(reads(words, std::string(symbols->inches), LengthUnit::Inches));
    }

    // English keeps every word the program read before; Swedish refuses its
    // own mil.
    void englishAndRefusals() {
        const auto english = wordsOf({"en"});
        for (const UnitWord& w : unitWords())
            QVERIFY2(reads(english, std::string(w.word), w.unit), std::string(w.word).c_str());
        const auto refusals = vocabularyRefusals();
        QVERIFY(std::any_of(refusals.begin(), refusals.end(),
                            [](const VocabularyRefusal& r) { return r.language == "sv" && r.word == "mil"; }));
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
        // reads otherwise than ICU reads it.
        std::set<char32_t> needed;
        for (const auto& [first, last] : {std::pair<char32_t, char32_t>{0x80, 0x24F},
                                          {0x370, 0x3FF},
                                          {0x400, 0x4FF},
                                          {0x2000, 0x200A},
                                          {0x202F, 0x202F},
                                          {0x3000, 0x3000},
                                          {0xFF00, 0xFFEF}})
            for (char32_t c = first; c <= last; ++c)
                needed.insert(c);
        auto need = [&](std::string_view word) {
            const icu::UnicodeString u = icu::UnicodeString::fromUTF8(word);
            for (int32_t i = 0; i < u.length(); i = u.moveIndex32(i, 1))
                if (u.char32At(i) >= 0x80)
                    needed.insert(char32_t(u.char32At(i)));
        };
        for (const VocabularyWord& w : vocabularyWords())
            need(w.word);
        for (const VocabularyConnector& c : vocabularyConnectors())
            need(c.word);
        for (const char32_t c : needed)
            QVERIFY2(tableFolded(c) == icuFolded(UChar32(c)), QByteArray::number(uint(c), 16));
    }

    void folding_data() {
        QTest::addColumn<QByteArray>("typed");
        QTest::addColumn<QByteArray>("read");
        QTest::newRow("sharp s") << QByteArray("FUSS Fuß fuss") << QByteArray("fuss fuss fuss");
        QTest::newRow("dotted capital I") << QByteArray("MİL İNÇ") << QByteArray("mil inc");
        QTest::newRow("full width") << QByteArray("５ＦＴ ｉｎ") << QByteArray("5ft in");
        QTest::newRow("spaces") << QByteArray("1\u00a0m 2\u202fm 3\u2009m 4\u3000m") << QByteArray("1 m 2 m 3 m 4 m");
        QTest::newRow("accents, precomposed or not")
            << QByteArray("Décamètre de\xcc\x81") << QByteArray("decametre de");
        QTest::newRow("Cyrillic") << QByteArray("МЕТРЫ Ёлка") << QByteArray("метры елка");
        QTest::newRow("voiced kana kept") << QByteArray("ド ﾄﾞ ヤード") << QByteArray("ト\u3099 ト\u3099 ヤート\u3099");
        QTest::newRow("squares and ligatures") << QByteArray("㎞ ㎝ ﬁ") << QByteArray("km cm fi");
    }
    void folding() {
        QFETCH(QByteArray, typed);
        QTEST(QByteArray::fromStdString(foldedForMatching(typed.toStdString())), "read");
    }
};

QTEST_APPLESS_MAIN(TstUnitWordsIcu)
#include "tst_unit_words_icu.moc"
