// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

namespace tessaro::testing {

// Starts every screen test from the state the program starts with.
class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override;
};

// Shows a screen modally, as the program runs every screen, and waits until it has been painted.
void showAndPaint(QWidget& screen);

// A fresh paint of a screen, as when it is uncovered.
void repaintNow(QWidget& screen);

// A double click as the window system delivers it: press, release, double-click press, release.
void doubleClick(QWidget& control);

// The text a control shows: caption, label, title or field content.
QString shownText(const QWidget& control);

// The screen as a user sees it, one image pixel per logical pixel.
QImage screenImage(QWidget& screen);

}  // namespace tessaro::testing
