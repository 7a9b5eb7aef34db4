// SPDX-License-Identifier: GPL-3.0-or-later
#include "user_languages.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>

namespace zelvar {

std::vector<std::string> userLanguages() {
    QByteArray locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (!(locale = qgetenv(name)).isEmpty())
            break;
    }
    // As gettext: LANGUAGE counts under any locale but C and POSIX (C.UTF-8 is
    // one it counts under).
    const bool plainLocale = locale.isEmpty() || locale == "C" || locale == "POSIX";
    const QByteArray listed = qgetenv("LANGUAGE");
    const QList<QByteArray> names = !plainLocale && !listed.isEmpty() ? listed.split(':') : QList<QByteArray>{locale};
    std::vector<std::string> languages;
    for (const QByteArray& name : names) {
        if (const std::optional<std::string_view> language = vocabularyLanguage(name.toStdString()))
            languages.emplace_back(*language);
    }
    return languages;
}

const UnitVocabulary& userVocabulary() {
    static const UnitVocabulary vocabulary(userLanguages());
    return vocabulary;
}

}  // namespace zelvar
