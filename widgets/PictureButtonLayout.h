// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tessaro {

// Where the picture button puts its icon and caption. Everything is laid out on the whole button, not
// inside its frame, so the frame of a focused or default button does not move them. Halves round toward zero.

// Gap between the button's left edge and the icon, and between the icon and the caption space.
inline constexpr int kIconInset = 3;

// With a caption the icon sits near the left edge, otherwise in the middle; always vertically centred.
// `shifted` moves it one pixel right and down, as a pressed button does.
QPoint iconTopLeft(const QRect& button, const QSize& icon, bool hasCaption, bool shifted);

// The space the caption is centred in: right of the icon, or the whole button when `icon` is empty (no icon).
QRect captionRect(const QRect& button, const QSize& icon, bool shifted);

// A measured text block of `measured` size, centred in `space`; it overhangs both sides when too large.
QRect centredBlock(const QRect& space, const QSize& measured);

}  // namespace tessaro
