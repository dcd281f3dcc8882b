// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogkit/PictureButtonSetup.h"

#include "widgets/PictureButton.h"

namespace tessaro {

void setUpPictureButton(PictureButton& button, std::uint16_t iconId, const QColor& face) {
    button.LoadIcons(iconId, 0);
    button.SetStateColour(PictureButton::HotFace, face, true);
    button.SetStateColour(PictureButton::RestFace, face, true);
    button.SetStateColour(PictureButton::HotText, Qt::black, true);
    button.SetStateColour(PictureButton::RestText, Qt::black, true);
    button.SetFlatLook(false);
}

}  // namespace tessaro
