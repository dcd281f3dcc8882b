// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QButtonGroup>

class QRadioButton;

namespace tessaro {

// Radio buttons that a keyboard chooses as on every desktop: one exclusive group, however many boxes frame its
// radios, with one tab stop, on the checked radio or, while none is checked, on the first. The arrow keys move to
// the previous (Up, Left) or next (Down, Right) radio, round from the last to the first, and check it as a click
// does.
class RadioGroup : public QButtonGroup {
    Q_OBJECT
public:
    explicit RadioGroup(QObject* parent);

    // The arrow keys follow the order in which the radios were added.
    void addRadio(QRadioButton* radio);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeTabStop();
};

}  // namespace tessaro
