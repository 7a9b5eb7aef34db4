// SPDX-License-Identifier: GPL-3.0-or-later
#include "user_number.h"

#include <QString>
#include <string>

#include "engine/read_number.h"
#include "locale_number.h"
#include "qt_text.h"

namespace zelvar {
namespace {

std::optional<float> readWhole(std::string_view text) {
    if (const std::optional<double> value = ReadWholeNumber(text))
        return static_cast<float>(*value);
    return std::nullopt;
}

}  // namespace

bool fitsEntry(std::string_view utf8) {
    // No character takes fewer bytes than UTF-16 units.
    return utf8.size() <= std::size_t(kLongestEntry) || qtText(utf8).size() <= kLongestEntry;
}

UserNumberReader::UserNumberReader(const QLocale& locale) : locale_(locale) {
    for (const char mark : asciiNumberMarks(locale_))
        needsLocale_[static_cast<unsigned char>(mark)] = true;
    for (std::size_t byte = 0x80; byte < needsLocale_.size(); ++byte)
        needsLocale_[byte] = true;
}

bool UserNumberReader::needsLocale(std::string_view text) const {
    for (const char c : text) {
        if (needsLocale_[static_cast<unsigned char>(c)])
            return true;
    }
    return false;
}

std::optional<float> UserNumberReader::read(std::string_view text) const {
    if (!fitsEntry(text))
        return std::nullopt;
    if (needsLocale(text)) {
        if (const std::optional<QString> rewritten = numberForReader(qtText(text), locale_))
            return readWhole(rewritten->toStdString());
    }
    return readWhole(text);
}

}  // namespace zelvar
