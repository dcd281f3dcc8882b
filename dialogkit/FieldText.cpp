// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FieldText.h"

#include <QLineEdit>

namespace tessaro {

QString toQString(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

void showText(QLineEdit& field, const QString& text) {
    field.setText(text);
    field.home(false);
}

void showText(QLineEdit& field, std::string_view utf8) { showText(field, toQString(utf8)); }

}  // namespace tessaro
