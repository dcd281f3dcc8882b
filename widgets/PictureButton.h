// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/HoverTracker.h"

#include <QColor>
#include <QIcon>
#include <QPushButton>
#include <QRect>
#include <QSize>

#include <array>
#include <cstdint>

class QPainter;

namespace tessaro {

struct SystemColours;

// Returned by the setters; no caller needs to look at it. The value 2 does not occur.
enum class PictureButtonResult : int { Ok = 0, BadImage = 1, BadIndex = 3 };

// A push button that paints every pixel itself: a face in a chosen colour, a raised or pressed 3-D edge
// (or the flat look's edge while the pointer is over it), an icon near its left edge and the caption
// word-wrapped and centred beside the icon.
//
// A double click reports two clicks: QWidget hands the double click to mousePressEvent, as a second press.
//
// Until BindToControl() it paints as a plain QPushButton and its setters only store: the settings, made before
// or after binding, show at the first paint after binding.
class PictureButton : public QPushButton {
    Q_OBJECT

public:
    enum StateColourIndex : std::uint8_t { HotFace = 0, HotText = 1, RestFace = 2, RestText = 3 };
    enum IconSlot { HotIcon = 0, RestIcon = 1 };

    // What one paint needs to know of the button's state.
    struct PaintRequest {
        QRect item;
        bool selected = false;
        bool focus = false;
        bool disabled = false;
    };

    explicit PictureButton(QWidget* parent = nullptr);
    explicit PictureButton(const QString& caption, QWidget* parent = nullptr);

    // Takes over the painting. The default look comes from isDefault() and the check-box mode from isCheckable(),
    // both as they are at this moment.
    void BindToControl();

    // Icon resources :/icons/icon<id>.png; 0, or an id naming no resource, gives no icon.
    PictureButtonResult LoadIcons(std::uint16_t hotIconId, std::uint16_t restIconId);
    // A null icon is none. Without a hot icon there is no icon at all. An icon's size is its smallest stored
    // image (the 1x one); BadImage, and no icon, when a given icon has no stored image to take a size from.
    PictureButtonResult AdoptIcons(const QIcon& hotIcon, const QIcon& restIcon);

    PictureButtonResult SetStateColour(std::uint8_t index, const QColor& colour, bool repaint);
    PictureButtonResult ResetStateColours(bool repaint);
    void SetFlatLook(bool flat);
    void EndHover();
    bool IsDefaultLook() const { return defaultLook_; }

    void PaintButton(QPainter& canvas, const PaintRequest& request);
    virtual void PaintFace(QPainter& canvas, const QRect& area);
    virtual void PaintFlatEdge(QPainter& canvas, const QRect& area);

    bool isPointerOver() const { return hover_.pointerOver(); }
    // Empty when the slot holds no icon.
    QSize iconSlotSize(IconSlot slot) const { return icons_[slot].size; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Icon {
        QIcon image;
        QSize size;
    };

    bool isHot() const { return hover_.pointerOver() || pressed_; }
    bool isShiftedWhenPressed() const { return pressed_ && !checkboxMode_; }
    const Icon& chosenIcon() const;
    void paintEdge(QPainter& canvas, const QRect& area, const SystemColours& colours);
    QRect paintIcon(QPainter& canvas, const QRect& item, bool hasCaption);
    void paintCaption(QPainter& canvas, const QRect& space, const QString& caption, const SystemColours& colours);
    void trackPointer(bool overButton, bool leftButtonDown);
    void requestRepaint();
    void repaintNow();

    bool bound_ = false;
    bool pressed_ = false;
    bool focused_ = false;
    bool disabled_ = false;
    bool flat_ = true;
    bool defaultLook_ = false;
    bool checkboxMode_ = false;
    HoverTracker hover_;
    std::array<QColor, 4> stateColours_;
    std::array<Icon, 2> icons_;
};

}  // namespace tessaro
