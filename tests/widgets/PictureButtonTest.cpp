// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureButton.h"
#include "QtValuePrinting.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <ranges>
#include <vector>

namespace tessaro {
namespace {

const QColor kIconColour(255, 0, 255), kFace(204, 255, 255), kHotFace(255, 230, 180), kText(0, 0, 160);
// System colours all distinct, so that each pixel tells which one painted it.
const QColor kHighlight(250, 250, 240), kLight3d(200, 200, 190), kShadow(120, 120, 110), kDarkShadow(60, 60, 50);
const QColor kFocusDots(20, 20, 120), kBlack(0, 0, 0);

QIcon solidIcon(int side = 32) {
    QPixmap pixmap(side, side);
    pixmap.fill(kIconColour);
    return QIcon(pixmap);
}

// An icon that can paint but has no stored image to tell its size.
struct SizelessIconEngine : QIconEngine {
    void paint(QPainter*, const QRect&, QIcon::Mode, QIcon::State) override {}
    QIconEngine* clone() const override { return new SizelessIconEngine; }
};

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
    const std::vector<QPoint> found = pixelsOf(image, kIconColour);
    return found.empty() ? std::nullopt : std::optional(found.front());
}

TEST(PictureButtonTest, StateColoursGoToTheirStateAndABadIndexChangesNothing) {
    const QColor marker(1, 2, 3);
    for (const std::uint8_t index : {0, 1, 2, 3}) {
        const bool hot = index == PictureButton::HotFace || index == PictureButton::HotText;
        for (const bool down : {false, true}) {
            auto button = boundButton();
            button->setDown(down);
            EXPECT_EQ(button->SetStateColour(index, marker, false), PictureButtonResult::Ok);
            EXPECT_EQ(pixelsOf(shot(*button), marker).empty(), hot != down) << int(index) << (down ? " down" : " up");
        }
    }
    auto button = boundButton();
    const QImage before = shot(*button);
    for (const std::uint8_t index : {4, 255})
        EXPECT_EQ(button->SetStateColour(index, marker, true), PictureButtonResult::BadIndex);
    EXPECT_EQ(shot(*button), before);
}

TEST(PictureButtonTest, LoadIconsShowsAResourceIconOnlyWithAHotOne) {
    if (!QFile::exists(QStringLiteral(":/icons/icon150.png")))
        GTEST_SKIP() << "icon 150 is not in the resources yet";
    const std::tuple<std::uint16_t, std::uint16_t, QSize, QSize> cases[] = {
        {150, 0, {32, 32}, {}}, {150, 150, {32, 32}, {32, 32}}, {0, 150, {}, {}}, {65535, 150, {}, {}}};
    for (const auto& [hot, rest, hotSize, restSize] : cases) {
        PictureButton button;
        EXPECT_EQ(button.LoadIcons(hot, rest), PictureButtonResult::Ok) << hot << ", " << rest;
        EXPECT_EQ(button.iconSlotSize(PictureButton::HotIcon), hotSize) << hot << ", " << rest;
        EXPECT_EQ(button.iconSlotSize(PictureButton::RestIcon), restSize) << hot << ", " << rest;
    }
}

TEST(PictureButtonTest, AdoptIconsEmptiesBothSlotsWhenASizeCannotBeRead) {
    const QIcon sizeless(new SizelessIconEngine);
    const std::tuple<QIcon, QIcon, PictureButtonResult, QSize, QSize> cases[] = {
        {solidIcon(32), solidIcon(16), PictureButtonResult::Ok, {32, 32}, {16, 16}},
        {QIcon(), solidIcon(), PictureButtonResult::Ok, {}, {}},
        {sizeless, solidIcon(), PictureButtonResult::BadImage, {}, {}},
        {solidIcon(), sizeless, PictureButtonResult::BadImage, {}, {}},
    };
    for (const auto& [hot, rest, result, hotSize, restSize] : cases) {
        auto button = boundButton();
        EXPECT_EQ(button->AdoptIcons(hot, rest), result);
        EXPECT_EQ(button->iconSlotSize(PictureButton::HotIcon), hotSize);
        EXPECT_EQ(button->iconSlotSize(PictureButton::RestIcon), restSize);
        EXPECT_EQ(iconCorner(shot(*button)).has_value(), hotSize.isValid());
    }
}

TEST(PictureButtonTest, PlacesTheIconAndCentresTheCaptionBesideItMovingBothWhenPressed) {
    const std::tuple<QString, int, QPoint> cases[] = {
        {QStringLiteral("Rechenregel ansehen"), 100, {3, 4}}, {QString(), 100, {34, 4}}, {QString(), 101, {34, 4}}};
    for (const auto& [caption, width, corner] : cases) {
        auto button = boundButton({.caption = caption, .width = width});
        const QImage rest = shot(*button);
        button->setDown(true);
        const QImage pressed = shot(*button);
        EXPECT_EQ(iconCorner(rest), corner) << width;
        EXPECT_EQ(iconCorner(pressed), corner + QPoint(1, 1)) << width;

        std::vector<QPoint> text = pixelsOf(rest, kText);
        ASSERT_EQ(text.empty(), caption.isEmpty());
        if (text.empty())
            continue;
        const auto [leftmost, rightmost] = std::ranges::minmax(text, {}, &QPoint::x);
        const int left = leftmost.x();
        const int right = rightmost.x();
        EXPECT_GE(left, corner.x() + 32);
        EXPECT_NEAR((left + right + 1) / 2.0, (35 + 100) / 2.0, 2.0);  // centred in the space right of the icon
        std::ranges::for_each(text, [](QPoint& at) { at += QPoint(1, 1); });
        EXPECT_EQ(pixelsOf(pressed, kText), text);
    }
}

TEST(PictureButtonTest, PaintsFrameEdgeAndFocusRectangleOfEachLookAndState) {
    struct Case {
        const char* name;
        ButtonSetup setup;
        bool selected, focus;
        std::vector<std::pair<QPoint, QColor>> pixels;
    };
    const ButtonSetup plain{.withIcon = false}, byDefault{.withIcon = false, .isDefault = true};
    const ButtonSetup flat{.withIcon = false, .isDefault = true, .flat = true};
    const Case cases[] = {
        {"plain",
         plain,
         false,
         false,
         {{{0, 0}, kHighlight},
          {{98, 0}, kHighlight},
          {{99, 0}, kDarkShadow},
          {{0, 38}, kHighlight},
          {{0, 39}, kDarkShadow},
          {{1, 1}, kLight3d},
          {{97, 1}, kLight3d},
          {{98, 1}, kShadow},
          {{1, 38}, kShadow},
          {{98, 38}, kShadow},
          {{99, 39}, kDarkShadow},
          {{2, 2}, kFace},
          {{4, 4}, kFace}}},
        {"plain focused",
         plain,
         false,
         true,
         {{{0, 0}, kBlack},
          {{99, 39}, kBlack},
          {{1, 1}, kHighlight},
          {{2, 2}, kLight3d},
          {{97, 37}, kShadow},
          {{98, 38}, kDarkShadow},
          {{3, 3}, kFace},
          {{4, 4}, kFocusDots},
          {{5, 4}, kFace},
          {{95, 35}, kFocusDots}}},
        {"default",
         byDefault,
         false,
         false,
         {{{0, 0}, kBlack}, {{1, 1}, kHighlight}, {{98, 38}, kDarkShadow}, {{4, 4}, kFace}}},
        {"plain pressed", plain, true, false, {{{0, 0}, kShadow}, {{99, 39}, kShadow}, {{1, 1}, kFace}}},
        {"default pressed",
         byDefault,
         true,
         false,
         {{{0, 0}, kBlack}, {{1, 1}, kShadow}, {{98, 38}, kShadow}, {{2, 2}, kFace}}},
        {"flat focused", flat, false, true, {{{0, 0}, kFace}, {{99, 39}, kFace}, {{4, 4}, kFace}}},
        {"flat pressed",
         flat,
         true,
         false,
         {{{0, 0}, kShadow},
          {{98, 0}, kShadow},
          {{99, 0}, kHighlight},
          {{0, 38}, kShadow},
          {{0, 39}, kHighlight},
          {{1, 1}, kHotFace}}},
    };
    for (const Case& c : cases) {
        auto button = boundButton(c.setup);
        EXPECT_EQ(button->IsDefaultLook(), c.setup.isDefault) << c.name;
        QImage image(button->size(), QImage::Format_RGB32);
        QPainter canvas(&image);
        button->PaintButton(canvas, {.item = button->rect(), .selected = c.selected, .focus = c.focus});
        for (const auto& [at, colour] : c.pixels)
            EXPECT_EQ(image.pixelColor(at), colour) << c.name << " at " << testing::PrintToString(at);
    }
}

TEST(PictureButtonTest, DisabledShowsAGreyedIconAndAnEmbossedCaption) {
    auto button = boundButton({.caption = QStringLiteral("Regeln")});
    QFont font = button->font();
    font.setPixelSize(20);  // strokes thicker than a pixel, so that the two copies of the caption overlap
    font.setBold(true);
    button->setFont(font);
    button->setEnabled(false);
    const QImage image = shot(*button);
    const QColor icon = image.pixelColor(19, 20);
    EXPECT_NE(icon, kIconColour);
    EXPECT_TRUE(icon.red() == icon.green() && icon.green() == icon.blue()) << testing::PrintToString(icon);
    EXPECT_TRUE(pixelsOf(image, kText).empty());

    const QRect insideEdges(35, 2, 63, 36);
    const std::vector<QPoint> lower = pixelsOf(image, kHighlight, insideEdges);
    ASSERT_FALSE(lower.empty());
    ASSERT_FALSE(pixelsOf(image, kShadow, insideEdges).empty());
    // The highlight copy lies one pixel right and down, under the shadow copy: what shows of it has shadow up-left.
    EXPECT_TRUE(
        std::ranges::all_of(lower, [&image](QPoint at) { return image.pixelColor(at - QPoint(1, 1)) == kShadow; }));
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

TEST(PictureButtonTest, FlatLookLightsWhileThePointerIsOverAndStaysDarkUntilItComesBack) {
    const std::pair<Step, bool> steps[] = {{Step::Enter, true},     {Step::Leave, false},    {Step::Enter, true},
                                           {Step::DragOut, false},  {Step::Enter, false},    {Step::Leave, false},
                                           {Step::Enter, true},     {Step::FocusOut, false}, {Step::Enter, false},
                                           {Step::Leave, false},    {Step::Enter, true},     {Step::Release, true},
                                           {Step::FocusOut, false}, {Step::Enter, true},     {Step::Disable, false}};
    auto button = boundButton({.flat = true});
    for (std::size_t index = 0; index < std::size(steps); ++index) {
        const auto [step, lit] = steps[index];
        send(*button, step);
        const QImage image = shot(*button);
        EXPECT_EQ(button->isPointerOver(), lit) << "step " << index;
        EXPECT_EQ(image.pixelColor(0, 0), lit ? kHighlight : kFace) << "step " << index;
        EXPECT_EQ(image.pixelColor(1, 1), lit ? kHotFace : kFace) << "step " << index;
    }
    auto raised = boundButton();
    send(*raised, Step::Enter);
    EXPECT_FALSE(raised->isPointerOver());
}

TEST(PictureButtonTest, DoubleClickReportsTwoClicks) {
    auto button = boundButton();
    QSignalSpy clicks(button.get(), &QAbstractButton::clicked);
    QTest::mouseClick(button.get(), Qt::LeftButton);
    QTest::mouseDClick(button.get(), Qt::LeftButton);
    QTest::mouseRelease(button.get(), Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 2);
}

TEST(PictureButtonTest, CheckBoxModeTogglesAndDrawsTheSetStatePressedWithoutMoving) {
    auto button = boundButton({.checkable = true});
    for (const bool checked : {true, false}) {
        QTest::mouseClick(button.get(), Qt::LeftButton);
        const QImage image = shot(*button);
        EXPECT_EQ(button->isChecked(), checked);
        EXPECT_EQ(image.pixelColor(0, 0), checked ? kShadow : kHighlight);
        EXPECT_EQ(iconCorner(image), QPoint(3, 4));
    }
}

}  // namespace
}  // namespace tessaro
