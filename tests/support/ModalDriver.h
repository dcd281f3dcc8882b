// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>

#include <functional>

namespace tessaro::testing {

// Acts on the next modal screen that opens above `below` while the caller is blocked in a modal run.
// If none opens within a few seconds the test fails and the topmost modal screen is closed.
void whenModalOpens(QWidget* below, std::function<void(QWidget& screen)> action);

// Closes the next modal screen that opens and records its runtime class name and title.
struct OpenedScreen {
    QString className;
    QString title;
};
void recordAndCloseNextModal(QWidget* below, OpenedScreen& record);

}  // namespace tessaro::testing
