// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/SystemColours.h"

namespace tessaro {

SystemColours systemColours(const QPalette& palette) {
    const auto colour = [&palette](QPalette::ColorRole role) { return palette.color(QPalette::Active, role); };
    return {
        .buttonFace = colour(QPalette::Button),
        .buttonText = colour(QPalette::ButtonText),
        .highlight = colour(QPalette::Light),
        .light3d = colour(QPalette::Midlight),
        .shadow = colour(QPalette::Dark),
        .darkShadow = colour(QPalette::Shadow),
    };
}

}  // namespace tessaro
