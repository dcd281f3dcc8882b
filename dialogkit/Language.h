// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace tessaro {

// The languages the desktop prefers, best first: Qt's reading of LANGUAGE, LC_ALL, LC_MESSAGES and LANG, but none in
// the C or POSIX locale whatever LANGUAGE says, as gettext has it.
QStringList desktopLanguages();

// Speaks, from now on, the first of `preferred` that the program has a translation for (German, its own language,
// counts as one); German where it has none. Qt's own texts and the rule pictures follow. Screens opened before keep
// their texts.
void useLanguage(const QStringList& preferred);

// The language the program speaks now, as a code: "de", "en".
QString currentLanguage();

// The picture of a resource path in the program's language: its version in ":/pictures/<language>/" where there is
// one, else the German picture itself.
QString localisedPicture(const QString& resourcePath);

}  // namespace tessaro
