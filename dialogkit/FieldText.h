// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <string_view>

class QFont;
class QLineEdit;

namespace tessaro {

QString toQString(std::string_view utf8);

// Puts a text into a field so that it shows from its beginning, as it is read, even when it is wider than the field.
void showText(QLineEdit& field, const QString& text);
void showText(QLineEdit& field, std::string_view utf8);

// Shows every text of a read-only field whole: a text wider than the field at `font` is shown in that font made
// smaller by whole pixels until it fits, and the next text starts from `font` again.
void keepTextsWhole(QLineEdit& field, const QFont& font);

}  // namespace tessaro
