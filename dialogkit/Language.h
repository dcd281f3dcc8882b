// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace tessaro {

// German is the program's own language; English is its translation.
enum class Language { German, English };

// English when the user's preferred languages name English before German, German in every other case.
Language preferredLanguage(const QStringList& uiLanguages);
// The language the desktop asks for: its preferred languages, but German in the C or POSIX locale whatever
// LANGUAGE says, as gettext has it.
Language desktopLanguage();

// Speaks `language` from now on: the program's texts, Qt's own (where Debian's translations are installed) and the
// rule pictures. Screens opened before keep their texts.
void useLanguage(Language language);

// The picture of a resource path in the program's language: its English version, where there is one, in English.
QString localisedPicture(const QString& resourcePath);

}  // namespace tessaro
