// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPalette>

namespace tessaro {

// The system colours the picture button is drawn with, as the widget's palette provides them.
struct SystemColours {
    QColor buttonFace;  // QPalette::Button
    QColor buttonText;  // QPalette::ButtonText
    QColor highlight;   // QPalette::Light: outer bright edge, raised side of the flat edge, lower caption copy
    QColor light3d;     // QPalette::Midlight: inner bright edge
    QColor shadow;      // QPalette::Dark: inner dark edge, pressed frame, upper caption copy
    QColor darkShadow;  // QPalette::Shadow: outer dark edge
};

// Read from the active group: system colours do not change when a button is disabled or its window inactive;
// a disabled button shows its state by the greyed icon and the embossed caption alone.
SystemColours systemColours(const QPalette& palette);

}  // namespace tessaro
