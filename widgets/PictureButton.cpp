// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/PictureButton.h"

#include "widgets/ApplicationOwned.h"
#include "widgets/ButtonStyle.h"
#include "widgets/EdgePainting.h"
#include "widgets/PictureButtonLayout.h"
#include "widgets/PngResource.h"
#include "widgets/SystemColours.h"

#include <QEnterEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace tessaro {

namespace {

constexpr int kCaptionFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
constexpr std::size_t kStateColourCount = 4;

QSize smallestStoredSize(const QIcon& icon) {
    const QList<QSize> sizes = icon.availableSizes();
    const auto smallest = std::min_element(sizes.begin(), sizes.end(), [](const QSize& a, const QSize& b) {
        return a.width() * a.height() < b.width() * b.height();
    });
    return smallest == sizes.end() ? QSize() : *smallest;
}

QIcon iconResource(std::uint16_t id) {
    // One icon per id, so that the toolkit's pixmap cache holds each image once, however many buttons show it.
    QHash<std::uint16_t, QIcon>& loaded = applicationOwned<ApplicationTable<std::uint16_t, QIcon>>().entries;
    if (const auto found = loaded.constFind(id); found != loaded.constEnd())
        return *found;
    const QIcon icon = id != 0 ? pngResourceIcon(QStringLiteral(":/icons/icon%1.png").arg(id)) : QIcon();
    loaded.insert(id, icon);
    return icon;
}

bool isLeftButtonDown(Qt::MouseButtons buttons) { return buttons.testFlag(Qt::LeftButton); }

}  // namespace

PictureButton::PictureButton(QWidget* parent) : PictureButton(QString(), parent) {}

PictureButton::PictureButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    // Moves over the button, not only entering it, turn a light left from a press back into a real one.
    setMouseTracking(true);
    ResetStateColours(false);
}

void PictureButton::BindToControl() {
    defaultLook_ = isDefault() || property(kDefaultStyleProperty).toBool();
    checkboxMode_ = isCheckable();
    bound_ = true;
    update();
}

PictureButtonResult PictureButton::LoadIcons(std::uint16_t hotIconId, std::uint16_t restIconId) {
    return AdoptIcons(iconResource(hotIconId), iconResource(restIconId));
}

PictureButtonResult PictureButton::AdoptIcons(const QIcon& hotIcon, const QIcon& restIcon) {
    icons_ = {};
    const auto take = [this](IconSlot slot, const QIcon& icon) {
        icons_[slot] = {icon, smallestStoredSize(icon)};
        return !icons_[slot].size.isEmpty();
    };
    if (!hotIcon.isNull()) {
        if (!take(HotIcon, hotIcon) || (!restIcon.isNull() && !take(RestIcon, restIcon))) {
            icons_ = {};
            return PictureButtonResult::BadImage;
        }
    }
    repaintNow();
    return PictureButtonResult::Ok;
}

PictureButtonResult PictureButton::SetStateColour(std::uint8_t index, const QColor& colour, bool repaint) {
    if (index >= kStateColourCount)
        return PictureButtonResult::BadIndex;
    stateColours_[index] = colour;
    if (repaint)
        requestRepaint();
    return PictureButtonResult::Ok;
}

PictureButtonResult PictureButton::ResetStateColours(bool repaint) {
    const SystemColours colours = systemColours(palette());
    stateColours_ = {colours.buttonFace, colours.buttonText, colours.buttonFace, colours.buttonText};
    if (repaint)
        requestRepaint();
    return PictureButtonResult::Ok;
}

void PictureButton::SetFlatLook(bool flat) {
    flat_ = flat;
    // The 3-D look never tracks the pointer, so it must not keep a light left over from the flat look.
    if (!flat_)
        hover_.reset();
    requestRepaint();
}

void PictureButton::EndHover() {
    if (flat_ && hover_.endHover())
        requestRepaint();
}

void PictureButton::PaintButton(QPainter& canvas, const PaintRequest& request) {
    pressed_ = request.selected || (checkboxMode_ && isChecked());
    focused_ = request.focus;
    disabled_ = request.disabled;
    const SystemColours colours = systemColours(palette());

    QRect inside = request.item;
    if (!flat_ && (focused_ || defaultLook_)) {
        drawFrame(canvas, inside, Qt::black);
        inside.adjust(1, 1, -1, -1);
    }
    PaintFace(canvas, inside);
    paintEdge(canvas, inside, colours);

    const QString caption = text();
    const QRect captionSpace = paintIcon(canvas, request.item, !caption.isEmpty());
    if (!caption.isEmpty())
        paintCaption(canvas, captionSpace, caption, colours);
    if (!flat_ && focused_)
        drawDottedFrame(canvas, inside.adjusted(3, 3, -3, -3), colours.buttonText);
}

void PictureButton::PaintFace(QPainter& canvas, const QRect& area) {
    canvas.fillRect(area, stateColours_[isHot() ? HotFace : RestFace]);
}

void PictureButton::PaintFlatEdge(QPainter& canvas, const QRect& area) {
    const SystemColours colours = systemColours(palette());
    if (pressed_)
        drawTwoColourFrame(canvas, area, colours.shadow, colours.highlight);
    else
        drawTwoColourFrame(canvas, area, colours.highlight, colours.shadow);
}

void PictureButton::paintEdge(QPainter& canvas, const QRect& area, const SystemColours& colours) {
    if (!flat_) {
        if (pressed_)
            drawFrame(canvas, area, colours.shadow);
        else
            drawRaisedEdge(canvas, area, colours);
    } else if (pressed_ || hover_.pointerOver()) {
        PaintFlatEdge(canvas, area);
    }
}

const PictureButton::Icon& PictureButton::chosenIcon() const {
    // In check-box mode the pointer does not count, only the press or the set check state.
    const bool hot = checkboxMode_ ? pressed_ : isHot();
    const Icon& rest = icons_[RestIcon];
    return hot || rest.image.isNull() ? icons_[HotIcon] : rest;
}

QRect PictureButton::paintIcon(QPainter& canvas, const QRect& item, bool hasCaption) {
    if (icons_[HotIcon].image.isNull())
        return captionRect(item, QSize(), isShiftedWhenPressed());
    const Icon& icon = chosenIcon();
    const QPoint topLeft = iconTopLeft(item, icon.size, hasCaption, isShiftedWhenPressed());
    icon.image.paint(&canvas, QRect(topLeft, icon.size), Qt::AlignCenter, disabled_ ? QIcon::Disabled : QIcon::Normal);
    return captionRect(item, icon.size, isShiftedWhenPressed());
}

void PictureButton::paintCaption(QPainter& canvas, const QRect& space, const QString& caption,
                                 const SystemColours& colours) {
    const QSize measured =
        canvas.fontMetrics().boundingRect(QRect(QPoint(), space.size()), kCaptionFlags, caption).size();
    const QRect block = centredBlock(space, measured);
    const auto draw = [&](const QRect& where, const QColor& colour) {
        canvas.setPen(colour);
        canvas.drawText(where, kCaptionFlags, caption);
    };
    if (disabled_) {
        draw(block.translated(1, 1), colours.highlight);
        draw(block, colours.shadow);
    } else {
        draw(block, stateColours_[isHot() ? HotText : RestText]);
    }
}

void PictureButton::paintEvent(QPaintEvent* event) {
    if (!bound_) {
        QPushButton::paintEvent(event);
        return;
    }
    QPainter canvas(this);
    PaintButton(canvas, {.item = rect(), .selected = isDown(), .focus = hasFocus(), .disabled = !isEnabled()});
}

void PictureButton::enterEvent(QEnterEvent* event) {
    QPushButton::enterEvent(event);
    trackPointer(true, isLeftButtonDown(QGuiApplication::mouseButtons()));
}

void PictureButton::leaveEvent(QEvent* event) {
    QPushButton::leaveEvent(event);
    trackPointer(false, isLeftButtonDown(QGuiApplication::mouseButtons()));
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
    QPushButton::mouseMoveEvent(event);
    // While the left button is down Qt keeps sending moves here even with the pointer outside the button.
    trackPointer(rect().contains(event->position().toPoint()), isLeftButtonDown(event->buttons()));
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    // Before the click is reported, which may open a modal screen and return only when that closes.
    if (bound_ && flat_ && event->button() == Qt::LeftButton && hover_.pressTrackingEnded())
        requestRepaint();
    QPushButton::mouseReleaseEvent(event);
}

void PictureButton::focusOutEvent(QFocusEvent* event) {
    QPushButton::focusOutEvent(event);
    EndHover();
}

void PictureButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    const bool deactivated = event->type() == QEvent::ActivationChange && !isActiveWindow();
    const bool disabled = event->type() == QEvent::EnabledChange && !isEnabled();
    if (deactivated || disabled)
        EndHover();
}

void PictureButton::trackPointer(bool overButton, bool leftButtonDown) {
    if (bound_ && flat_ && hover_.pointerMoved(overButton, leftButtonDown))
        requestRepaint();
}

void PictureButton::requestRepaint() {
    // Before binding Qt paints the plain push button; the stored settings show at the first paint after it.
    if (bound_)
        update();
}

void PictureButton::repaintNow() {
    if (bound_)
        repaint();
}

}  // namespace tessaro
