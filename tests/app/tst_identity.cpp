// SPDX-License-Identifier: GPL-3.0-or-later
// The version and identity agree everywhere they are written: the generated
// header, the project header, the AppStream metadata, the desktop entry, the
// changelog and the manual page.

#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QXmlStreamReader>
#include <QtTest>

#include "zelvar_identity.h"
#include "zelvar_project.h"

using namespace zelvar;

namespace {

QString readText(const char* path) {
    QFile file(QString::fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll());
}

}  // namespace

class TstIdentity : public QObject {
    Q_OBJECT

private slots:
    void generatedHeader() {
        QCOMPARE(QStringLiteral(ZELVAR_VERSION_TEXT), QStringLiteral("%1.%2.%3")
                                                          .arg(ZELVAR_VERSION_MAJOR)
                                                          .arg(ZELVAR_VERSION_MINOR)
                                                          .arg(ZELVAR_VERSION_REVISION));
    }

    void projectHeader() {
        const ProjectHeader project = zelvarProject();
        QCOMPARE(project.title, QStringLiteral("Zelvar"));
        QCOMPARE(int(project.major), ZELVAR_VERSION_MAJOR);
        QCOMPARE(int(project.minor), ZELVAR_VERSION_MINOR);
        QCOMPARE(int(project.revision), ZELVAR_VERSION_REVISION);
        QCOMPARE(versionText(project), QStringLiteral(ZELVAR_VERSION_TEXT));
        QCOMPARE(project.executableName, QStringLiteral(ZELVAR_EXECUTABLE_NAME));
        QCOMPARE(project.desktopFileName, QStringLiteral(ZELVAR_APP_ID));
        QVERIFY(project.startupForm);
    }

    void metainfo() {
        QXmlStreamReader xml(readText(ZELVAR_METAINFO_FILE));
        QStringList releases;
        QString id, launchable, binary, icon;
        int screenshots = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const auto name = xml.name();
            if (name == QLatin1String("release"))
                releases << xml.attributes().value(QLatin1String("version")).toString();
            else if (name == QLatin1String("id"))
                id = xml.readElementText();
            else if (name == QLatin1String("launchable"))
                launchable = xml.readElementText();
            else if (name == QLatin1String("binary"))
                binary = xml.readElementText();
            else if (name == QLatin1String("icon"))
                icon = xml.readElementText();
            else if (name == QLatin1String("screenshot"))
                ++screenshots;
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(releases.value(0), QStringLiteral(ZELVAR_VERSION_TEXT));  // the newest comes first
        QCOMPARE(id, QStringLiteral(ZELVAR_APP_ID));
        QCOMPARE(launchable, QStringLiteral(ZELVAR_APP_ID ".desktop"));
        QCOMPARE(binary, QStringLiteral(ZELVAR_EXECUTABLE_NAME));
        QCOMPARE(icon, QStringLiteral(ZELVAR_EXECUTABLE_NAME));
        QVERIFY(screenshots >= 1);
    }

    // The changelog and the manual page carry the project's version, and the
    // manual page the date of the newest release the metadata lists.
    void documents() {
        const QString changelog = readText(ZELVAR_CHANGELOG);
        QVERIFY2(changelog.startsWith(QStringLiteral(ZELVAR_EXECUTABLE_NAME " (" ZELVAR_VERSION_TEXT ") ")),
                 qPrintable(changelog));
        const auto newest = QRegularExpression(QStringLiteral("<release version=\"([^\"]*)\" date=\"([^\"]*)\""))
                                .match(readText(ZELVAR_METAINFO_FILE));
        const auto th = QRegularExpression(QStringLiteral("^\\.TH ZELVAR 1 \"([^\"]*)\" \"Zelvar ([^\"]*)\""),
                                           QRegularExpression::MultilineOption)
                            .match(readText(ZELVAR_MANUAL_PAGE));
        QVERIFY(newest.hasMatch() && th.hasMatch());
        QCOMPARE(newest.captured(1), QStringLiteral(ZELVAR_VERSION_TEXT));
        QCOMPARE(th.captured(2), QStringLiteral(ZELVAR_VERSION_TEXT));
        QCOMPARE(th.captured(1), newest.captured(2));
    }

    void desktopEntry() {
        QSettings entry(QString::fromUtf8(ZELVAR_DESKTOP_FILE), QSettings::IniFormat);
        entry.beginGroup(QStringLiteral("Desktop Entry"));
        QCOMPARE(entry.value("Type").toString(), QStringLiteral("Application"));
        QCOMPARE(entry.value("Name").toString(), QStringLiteral("Zelvar"));
        QVERIFY(!entry.value("Comment").toString().isEmpty());
        QCOMPARE(entry.value("Exec").toString(), QStringLiteral(ZELVAR_EXECUTABLE_NAME));
        QCOMPARE(entry.value("Icon").toString(), QStringLiteral(ZELVAR_EXECUTABLE_NAME));
        // Where Qt's WM_CLASS is the application name, this ties windows to the entry.
        QCOMPARE(entry.value("StartupWMClass").toString(), QStringLiteral(ZELVAR_EXECUTABLE_NAME));
        QVERIFY(readText(ZELVAR_DESKTOP_FILE).contains(QStringLiteral("\nCategories=Utility;Calculator;\n")));
    }
};

QTEST_GUILESS_MAIN(TstIdentity)
#include "tst_identity.moc"
