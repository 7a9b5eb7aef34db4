#pragma once

#include <QString>
#include <cstdint>
#include <functional>

class QWidget;

namespace zelvar {

// A program's static description, read once at start: who it is, which
// version, and which form comes up first.
struct ProjectHeader {
    QString title;            // the application title: message boxes, the main window
    QString executableName;   // the binary's name, also the application's name
    QString desktopFileName;  // its desktop entry, without ".desktop"
    QString icon;             // the application's icon, as a resource path

    std::int16_t major = 0;
    std::int16_t minor = 0;
    std::int16_t revision = 0;

    QString description;
    // The language the program's own texts are written in (a Windows language
    // identifier); numbers still follow the user's own settings.
    std::uint16_t languageId = 0x0409;

    // Loads the start-up form (running its Form_Load) and returns it, not yet shown.
    std::function<QWidget&()> startupForm;
};

// Major, minor and revision as "1.5.2".
QString versionText(const ProjectHeader& project);

}  // namespace zelvar
