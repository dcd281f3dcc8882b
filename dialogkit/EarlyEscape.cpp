// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogkit/EarlyEscape.h"

#include <QDialog>
#include <QShortcut>

namespace tessaro {

void closeOnEarlyEscape(QDialog& screen) {
    new QShortcut(QKeySequence(Qt::Key_Escape), &screen, &screen, &QDialog::reject, Qt::ApplicationShortcut);
}

}  // namespace tessaro
