// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/SpokenMath.h"

#include "dialogkit/Language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

namespace tessaro {

namespace {
QString said(const char* words) { return QCoreApplication::translate("SpokenMath", words); }
}  // namespace

QString spokenMath(QString text) {
    text.replace(QStringLiteral("\u2212"), QStringLiteral("-"));
    text.replace(QStringLiteral("e^("), said(QT_TRANSLATE_NOOP("SpokenMath", "e hoch ")));
    text.remove(QLatin1Char(')'));
    text.replace(QStringLiteral("\u2220"), said(QT_TRANSLATE_NOOP("SpokenMath", ", Winkel ")));
    text.replace(QStringLiteral("\u00B0"), said(QT_TRANSLATE_NOOP("SpokenMath", " Grad")));
    text.replace(QStringLiteral("\u00B7"), said(QT_TRANSLATE_NOOP("SpokenMath", " mal ")));
    // A minus before a number or before j, not between two terms, is said as a word.
    static const QRegularExpression sign(QStringLiteral("(^|[\\s,(])-\\s*(?=[0-9j])"));
    text.replace(sign, QStringLiteral("\\1") + said(QT_TRANSLATE_NOOP("SpokenMath", "minus ")));
    return text.simplified();
}

char decimalMark() { return QLocale(currentLanguage()).decimalPoint().at(0).toLatin1(); }

}  // namespace tessaro
