// SPDX-License-Identifier: GPL-3.0-or-later
#include "user_number.h"

#include "engine/read_number.h"
#include "locale_number.h"

namespace zelvar {
namespace {

std::optional<float> readWhole(std::string_view text) {
    if (const std::optional<double> value = ReadWholeNumber(text))
        return static_cast<float>(*value);
    return std::nullopt;
}

}  // namespace

UserNumberReader::UserNumberReader(const QLocale& locale) : form_(numberFormOf(locale)) {
    for (const char mark : asciiNumberMarks(form_))
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
    if (!needsLocale(text))
        return readWhole(text);
    const std::optional<double> value = readUserNumber(text, form_);
    return value ? std::optional(static_cast<float>(*value)) : std::nullopt;
}

}  // namespace zelvar
