// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

#include <cstdint>

namespace tessaro {

class PictureButton;

// The one look of the program's picture buttons: an icon, a face colour, black captions, the 3-D edge.
void setUpPictureButton(PictureButton& button, std::uint16_t iconId, const QColor& face);

}  // namespace tessaro
