// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "logic/MathTerm.h"

#include <QFont>
#include <QLabel>

#include <vector>

namespace tessaro {

// The fonts a formula is set in: mathematics, and the texts an exercise screen shows as it shows them.
struct FormulaFonts {
    QFont math;
    QFont verbatim;
};

// One line of mathematics set as text: its sides joined by "=", roots with their bar, fractions built up. A line that
// continues a calculation is indented and begins with "="; sides that do not fit `width` go on to further rows in
// the same way. Its accessible text reads the line in
// one piece, so a screen reader reads the page line by line.
class FormulaLine : public QLabel {
    Q_OBJECT
public:
    FormulaLine(std::vector<MathTerm> sides, bool continues, int width, const FormulaFonts& fonts,
                QWidget* parent = nullptr);

    // The width of the widest row, with the frame of a mark; more than the width given when one side alone is wider.
    int naturalWidth() const { return naturalWidth_; }

    // The baseline of the first row, from the top: where text beside the line stands.
    int firstBaseline() const { return placed_.empty() ? 0 : placed_.front().origin.y(); }

    // Marks the line as a teacher circles a slip on the board: a frame around it in `colour`, within the same width.
    void setMarked(const QColor& colour);
    bool isMarked() const { return mark_.isValid(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Placed {
        const MathTerm* term;
        QString prefix;  // "= " or " = " before the term
        QPoint origin;   // left end of the prefix on the baseline
    };
    void layOut(int width);

    std::vector<MathTerm> sides_;
    bool continues_;
    int width_;
    QColor mark_;
    FormulaFonts fonts_;
    std::vector<Placed> placed_;
    int naturalWidth_ = 0;
    int markLeft_ = 0;  // where the frame of a mark begins: after the indent of a continuing line
};

}  // namespace tessaro
