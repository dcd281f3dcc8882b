// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogkit/Language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tessaro {

namespace {

Language current = Language::German;

QTranslator& programTranslator() {
    static QTranslator translator;
    return translator;
}

QTranslator& qtTranslator() {
    static QTranslator translator;
    return translator;
}

}  // namespace

Language preferredLanguage(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        if (name.startsWith(QLatin1String("en")))
            return Language::English;
        if (name.startsWith(QLatin1String("de")))
            return Language::German;
    }
    return Language::German;
}

void useLanguage(Language language) {
    current = language;
    QCoreApplication::removeTranslator(&programTranslator());
    QCoreApplication::removeTranslator(&qtTranslator());
    const QString code = language == Language::English ? QStringLiteral("en") : QStringLiteral("de");
    if (language == Language::English && programTranslator().load(QStringLiteral(":/i18n/tessaro_en.qm")))
        QCoreApplication::installTranslator(&programTranslator());
    if (qtTranslator().load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator());
}

Language desktopLanguage() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString locale = qEnvironmentVariable(variable);
        if (locale == QLatin1String("C") || locale.startsWith(QLatin1String("C.")) || locale == QLatin1String("POSIX"))
            return Language::German;
        if (!locale.isEmpty())
            break;
    }
    return preferredLanguage(QLocale::system().uiLanguages());
}

QString localisedPicture(const QString& resourcePath) {
    if (current == Language::German)
        return resourcePath;
    QString english = resourcePath;
    english.replace(QLatin1String(":/pictures/"), QLatin1String(":/pictures/en/"));
    return QFile::exists(english) ? english : resourcePath;
}

}  // namespace tessaro
