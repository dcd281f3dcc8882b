// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture button on its own, in every look and state, with system colours that tell each pixel's painter.

#include "widgets/PictureButton.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QEnterEvent>
#include <QIconEngine>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

inline void PrintTo(const QColor& colour, std::ostream* out) { *out << colour.name().toStdString(); }
inline void PrintTo(const QPoint& p, std::ostream* out) { *out << "(" << p.x() << ", " << p.y() << ")"; }

namespace tessaro {
namespace {

const QColor kIcon(255, 0, 255), kFace(204, 255, 255), kHotFace(255, 230, 180), kText(0, 0, 160);
const QColor kHighlight(250, 250, 240), kLight3d(200, 200, 190), kShadow(120, 120, 110), kDarkShadow(60, 60, 50);
const QColor kFocusDots(20, 20, 120), kBlack(0, 0, 0);

QIcon solidIcon(int side = 32) {
    QPixmap pixmap(side, side);
    pixmap.fill(kIcon);
    return QIcon(pixmap);
}

struct ButtonSetup {
    QString caption = QStringLiteral("Rechenregel ansehen");
    int width = 100;
    bool withIcon = true, isDefault = false, checkable = false, flat = false;
};

// Configured as the screens do it, before binding; an unsmoothed font keeps the caption's colours pure.
std::unique_ptr<PictureButton> boundButton(const ButtonSetup& setup = {}) {
    auto button = std::make_unique<PictureButton>(setup.caption);
    QPalette palette = button->palette();
    for (const auto& [role, colour] : {std::pair{QPalette::Light, kHighlight},
                                       {QPalette::Midlight, kLight3d},
                                       {QPalette::Dark, kShadow},
                                       {QPalette::Shadow, kDarkShadow},
                                       {QPalette::ButtonText, kFocusDots}})
        palette.setColor(role, colour);
    button->setPalette(palette);
    QFont font = button->font();
    font.setStyleStrategy(QFont::NoAntialias);
    button->setFont(font);
    button->resize(setup.width, 40);
    button->setDefault(setup.isDefault);
    button->setCheckable(setup.checkable);
    if (setup.withIcon)
        button->AdoptIcons(solidIcon(), QIcon());
    button->SetStateColour(PictureButton::HotFace, setup.flat ? kHotFace : kFace, true);
    button->SetStateColour(PictureButton::RestFace, kFace, true);
    button->SetStateColour(PictureButton::HotText, kText, true);
    button->SetStateColour(PictureButton::RestText, kText, true);
    button->SetFlatLook(setup.flat);
    button->BindToControl();
    return button;
}

QImage shot(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

// Row by row, so that the first pixel of a uniformly coloured square is its top-left corner.
std::vector<QPoint> pixelsOf(const QImage& image, const QColor& colour, const QRect& area = {}) {
    const QRect scanned = area.isNull() ? image.rect() : area;
    std::vector<QPoint> found;
    for (int y = scanned.top(); y <= scanned.bottom(); ++y)
        for (int x = scanned.left(); x <= scanned.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                found.emplace_back(x, y);
    return found;
}

std::optional<QPoint> iconCorner(const QImage& image) {
    const std::vector<QPoint> found = pixelsOf(image, kIcon);
    return found.empty() ? std::nullopt : std::optional(found.front());
}

// An icon that can paint but has no stored image to tell its size.
struct SizelessIconEngine : QIconEngine {
    void paint(QPainter*, const QRect&, QIcon::Mode, QIcon::State) override {}
    QIconEngine* clone() const override { return new SizelessIconEngine; }
};

TEST(PictureButton, TakesIconsOnlyWithAHotOneAndNoneWhoseSizeCannotBeReadAndRefusesABadColourIndex) {
    for (const auto& [hot, rest, restSize] :
         {std::tuple{150, 146, QSize(32, 32)}, {0, 150, QSize()}, {65535, 150, QSize()}}) {
        PictureButton button;  // 0 and 65535 name no icon: without a hot icon the button has none
        EXPECT_EQ(button.LoadIcons(hot, rest), PictureButtonResult::Ok);
        EXPECT_EQ(button.iconSlotSize(PictureButton::HotIcon), hot == 150 ? QSize(32, 32) : QSize()) << hot;
        EXPECT_EQ(button.iconSlotSize(PictureButton::RestIcon), restSize) << hot;
    }
    const QIcon sizeless(new SizelessIconEngine);
    const std::tuple<QIcon, QIcon, PictureButtonResult, bool> adopted[] = {
        {solidIcon(32), solidIcon(16), PictureButtonResult::Ok, true},
        {sizeless, solidIcon(), PictureButtonResult::BadImage, false},
        {solidIcon(), sizeless, PictureButtonResult::BadImage, false}};
    for (const auto& [hot, rest, result, shown] : adopted) {
        auto button = boundButton();
        EXPECT_EQ(button->AdoptIcons(hot, rest), result);
        EXPECT_EQ(button->iconSlotSize(PictureButton::HotIcon).isValid(), shown);
        EXPECT_EQ(iconCorner(shot(*button)).has_value(), shown);
    }
    auto button = boundButton();
    const QImage before = shot(*button);
    EXPECT_EQ(button->SetStateColour(4, kBlack, true), PictureButtonResult::BadIndex);
    EXPECT_EQ(shot(*button), before);
}

TEST(PictureButton, PlacesTheIconAndCentresTheCaptionBesideItMovingBothWhenPressed) {
    for (const auto& [caption, width, corner] : {std::tuple{QString("Rechenregel ansehen"), 100, QPoint(3, 4)},
                                                 {QString(), 100, QPoint(34, 4)},
                                                 {QString(), 101, QPoint(34, 4)}}) {
        auto button = boundButton({.caption = caption, .width = width});
        const QImage rest = shot(*button);
        button->setDown(true);
        const QImage pressed = shot(*button);
        EXPECT_EQ(iconCorner(rest), corner) << width;
        EXPECT_EQ(iconCorner(pressed), corner + QPoint(1, 1)) << width;
        std::vector<QPoint> text = pixelsOf(rest, kText);
        EXPECT_EQ(text.empty(), caption.isEmpty());
        int left = 1000, right = 0;
        for (const QPoint& at : text)
            std::tie(left, right) = std::pair(std::min(left, at.x()), std::max(right, at.x()));
        EXPECT_TRUE(text.empty() || std::abs(left + right + 1 - (35 + 100)) <= 4) << "centred right of the icon";
        std::ranges::for_each(text, [](QPoint& at) { at += QPoint(1, 1); });
        EXPECT_EQ(pixelsOf(pressed, kText), text);
    }
}

TEST(PictureButton, PaintsFrameEdgeAndFocusRectangleOfEachLookAndState) {
    const ButtonSetup plain{.withIcon = false}, byDefault{.withIcon = false, .isDefault = true};
    const ButtonSetup flat{.withIcon = false, .isDefault = true, .flat = true};
    const struct {
        const char* name;
        ButtonSetup setup;
        bool selected, focus;
        std::vector<std::pair<QPoint, QColor>> pixels;
    } cases[] = {
        // One state a row; the plain and the default button at rest are held by the screens' reference pictures.
        // clang-format off
        {"plain focused", plain, false, true,
         {{{0, 0}, kBlack}, {{99, 39}, kBlack}, {{1, 1}, kHighlight}, {{2, 2}, kLight3d}, {{97, 37}, kShadow},
          {{98, 38}, kDarkShadow}, {{3, 3}, kFace}, {{4, 4}, kFocusDots}, {{5, 4}, kFace}, {{95, 35}, kFocusDots}}},
        {"plain pressed", plain, true, false, {{{0, 0}, kShadow}, {{99, 39}, kShadow}, {{1, 1}, kFace}}},
        {"default pressed", byDefault, true, false, {{{0, 0}, kBlack}, {{1, 1}, kShadow}, {{98, 38}, kShadow}}},
        {"flat focused", flat, false, true, {{{0, 0}, kFace}, {{99, 39}, kFace}, {{4, 4}, kFace}}},
        {"flat pressed", flat, true, false,
         {{{0, 0}, kShadow}, {{98, 0}, kShadow}, {{99, 0}, kHighlight}, {{0, 39}, kHighlight}, {{1, 1}, kHotFace}}},
        // clang-format on
    };
    for (const auto& c : cases) {
        auto button = boundButton(c.setup);
        EXPECT_EQ(button->IsDefaultLook(), c.setup.isDefault) << c.name;
        QImage image(button->size(), QImage::Format_RGB32);
        QPainter canvas(&image);
        button->PaintButton(canvas, {.item = button->rect(), .selected = c.selected, .focus = c.focus});
        for (const auto& [at, colour] : c.pixels)
            EXPECT_EQ(image.pixelColor(at), colour) << c.name << " at " << ::testing::PrintToString(at);
    }
}

TEST(PictureButton, DisabledShowsAGreyedIconAndAnEmbossedCaption) {
    auto button = boundButton({.caption = QStringLiteral("Regeln")});
    QFont font = button->font();
    font.setPixelSize(20);  // strokes thicker than a pixel, so that the two copies of the caption overlap
    font.setBold(true);
    button->setFont(font);
    button->setEnabled(false);
    const QImage image = shot(*button);
    const QColor icon = image.pixelColor(19, 20);
    EXPECT_TRUE(icon != kIcon && icon.red() == icon.green() && icon.green() == icon.blue())
        << icon.name().toStdString();
    EXPECT_TRUE(pixelsOf(image, kText).empty());
    // The highlight copy lies one pixel right and down, under the shadow copy.
    const std::vector<QPoint> lower = pixelsOf(image, kHighlight, QRect(35, 2, 63, 36));
    ASSERT_FALSE(lower.empty());
    EXPECT_TRUE(std::ranges::all_of(lower, [&](QPoint at) { return image.pixelColor(at - QPoint(1, 1)) == kShadow; }));
}

enum class Step { Enter, Leave, DragOut, Release, FocusOut, Disable };

void send(PictureButton& button, Step step) {
    const QPointF inside(5, 5), outside(-5, -5);
    QEnterEvent enter(inside, inside, button.mapToGlobal(inside));
    QEvent leave(QEvent::Leave);
    QMouseEvent drag(QEvent::MouseMove, outside, button.mapToGlobal(outside), Qt::NoButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, inside, button.mapToGlobal(inside), Qt::LeftButton, {}, {});
    QFocusEvent focusOut(QEvent::FocusOut);
    QEvent* const events[] = {&enter, &leave, &drag, &release, &focusOut};
    if (step == Step::Disable)
        button.setEnabled(false);
    else
        QApplication::sendEvent(&button, events[static_cast<int>(step)]);
}

TEST(PictureButton, FlatLookLightsWhileThePointerIsOverAndStaysDarkUntilItComesBack) {
    using enum Step;
    const std::pair<Step, bool> steps[] = {{Enter, true},     {Leave, false}, {Enter, true},   {DragOut, false},
                                           {Enter, false},    {Leave, false}, {Enter, true},   {FocusOut, false},
                                           {Enter, false},    {Leave, false}, {Enter, true},   {Release, true},
                                           {FocusOut, false}, {Enter, true},  {Disable, false}};
    auto button = boundButton({.flat = true});
    for (std::size_t index = 0; index < std::size(steps); ++index) {
        send(*button, steps[index].first);
        const bool lit = steps[index].second;
        const QImage image = shot(*button);
        EXPECT_EQ(button->isPointerOver(), lit) << "step " << index;
        EXPECT_EQ(image.pixelColor(0, 0), lit ? kHighlight : kFace) << "step " << index;
        EXPECT_EQ(image.pixelColor(1, 1), lit ? kHotFace : kFace) << "step " << index;
    }
    auto raised = boundButton();
    send(*raised, Enter);
    EXPECT_FALSE(raised->isPointerOver());
}

TEST(PictureButton, ReportsADoubleClickAsTwoClicksAndTogglesInCheckBoxMode) {
    auto button = boundButton();
    QSignalSpy clicks(button.get(), &QAbstractButton::clicked);
    QTest::mouseClick(button.get(), Qt::LeftButton);
    QTest::mouseDClick(button.get(), Qt::LeftButton);
    QTest::mouseRelease(button.get(), Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 2);

    auto checkable = boundButton({.checkable = true});
    for (const bool checked : {true, false}) {
        QTest::mouseClick(checkable.get(), Qt::LeftButton);
        const QImage image = shot(*checkable);
        EXPECT_EQ(checkable->isChecked(), checked);
        EXPECT_EQ(image.pixelColor(0, 0), checked ? kShadow : kHighlight);  // drawn pressed,
        EXPECT_EQ(iconCorner(image), QPoint(3, 4));                         // but the icon stays
    }
}

}  // namespace
}  // namespace tessaro
