// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogkit/Language.h"

#include "widgets/ApplicationOwned.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tessaro {

namespace {

// The program's own language: its texts in the code are German.
const QString kSourceLanguage = QStringLiteral("de");

QString current = kSourceLanguage;

// Two kinds, so that each is one object of its own, owned by the application.
class ProgramTranslator : public QTranslator {
    using QTranslator::QTranslator;
};
class QtTranslator : public QTranslator {
    using QTranslator::QTranslator;
};

QTranslator& programTranslator() { return applicationOwned<ProgramTranslator>(); }

QTranslator& qtTranslator() { return applicationOwned<QtTranslator>(); }

}  // namespace

QStringList desktopLanguages() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString locale = qEnvironmentVariable(variable);
        if (locale == QLatin1String("C") || locale.startsWith(QLatin1String("C.")) || locale == QLatin1String("POSIX"))
            return {};
        if (!locale.isEmpty())
            break;
    }
    return QLocale::system().uiLanguages();
}

void useLanguage(const QStringList& preferred) {
    QCoreApplication::removeTranslator(&programTranslator());
    QCoreApplication::removeTranslator(&qtTranslator());
    current = kSourceLanguage;
    // Each translation is compiled in as ":/i18n/tessaro_<language>.qm"; the German one is empty, so that a desktop
    // preferring German to a language the program also speaks gets German.
    for (const QString& name : preferred) {
        if (programTranslator().load(QLocale(name), QStringLiteral("tessaro"), QStringLiteral("_"),
                                     QStringLiteral(":/i18n"))) {
            QCoreApplication::installTranslator(&programTranslator());
            current = QLocale(programTranslator().language()).name().section(QLatin1Char('_'), 0, 0);
            break;
        }
    }
    if (qtTranslator().load(QLocale(current), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator());
}

QString currentLanguage() { return current; }

QString localisedPicture(const QString& resourcePath) {
    if (current == kSourceLanguage)
        return resourcePath;
    QString translated = resourcePath;
    translated.replace(QLatin1String(":/pictures/"), QStringLiteral(":/pictures/%1/").arg(current));
    return QFile::exists(translated) ? translated : resourcePath;
}

}  // namespace tessaro
