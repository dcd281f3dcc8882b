// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

class QPalette;
class QWidget;

namespace tessaro {

inline const QColor kScreenBackground{224, 223, 227};
inline const QColor kTitleRed{215, 56, 53};
inline const QColor kWrongRed{255, 0, 0};
inline const QColor kRightGreen{69, 112, 52};
// What the worked solution finds wrong with an answer: a red of its own, dark enough to read as text on the screen
// background (a contrast above 4.5 : 1).
inline const QColor kDiagnosisRed{168, 0, 28};

// Black text on the screen background, for a dialog and for its texts and fields; push buttons keep the
// toolkit's colours.
void applyScreenColours(QWidget& widget);

// Gives a field its own text colour on the screen background.
void setTextColour(QWidget& field, const QColor& colour);

}  // namespace tessaro
