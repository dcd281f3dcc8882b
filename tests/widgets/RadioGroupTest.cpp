// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// A group of radios framed by two boxes, between two buttons, played with the keyboard and the mouse: one exclusive
// group across the boxes, one tab stop, arrow keys that move round through all radios and check them.

#include "widgets/RadioGroup.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace tessaro {
namespace {

class RadioGroupTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(before);
        for (QGroupBox* box : {new QGroupBox(QStringLiteral("cartesian")), new QGroupBox(QStringLiteral("polar"))}) {
            auto* boxLayout = new QVBoxLayout(box);
            for (int i = 0; i < 2; ++i) {
                auto* radio = new QRadioButton(QStringLiteral("%1 %2").arg(box->title()).arg(i + 1));
                radio->setFocusPolicy(Qt::ClickFocus);
                boxLayout->addWidget(radio);
                radios << radio;
            }
            layout->addWidget(box);
        }
        layout->addWidget(after);
        for (QRadioButton* radio : radios)
            group->addRadio(radio);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        before->setFocus();
    }

    QWidget* focus() const { return QApplication::focusWidget(); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(focus(), key, modifiers);
    }
    // The index of each checked radio.
    std::vector<int> checked() const {
        std::vector<int> indices;
        for (int i = 0; i < radios.size(); ++i)
            if (radios[i]->isChecked())
                indices.push_back(i);
        return indices;
    }

    QWidget window;
    QPushButton* before = new QPushButton(QStringLiteral("before"));
    QPushButton* after = new QPushButton(QStringLiteral("after"));
    QList<QRadioButton*> radios;
    RadioGroup* group = new RadioGroup(&window);
};

TEST_F(RadioGroupTest, TabStopsAtTheFirstRadioWhileNoneIsChecked) {
    for (QWidget* next : std::initializer_list<QWidget*>{radios[0], after, before}) {
        press(Qt::Key_Tab);
        EXPECT_EQ(focus(), next);
    }
    press(Qt::Key_Tab, Qt::ShiftModifier);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focus(), radios[0]);
    EXPECT_EQ(checked(), std::vector<int>());
}

// The arrows cross from one box into the other and round from the last radio to the first; each radio they reach is
// clicked, so whatever a click does happens, and it alone is checked.
TEST_F(RadioGroupTest, ArrowKeysMoveRoundThroughBothBoxesAndClickTheRadioTheyReach) {
    press(Qt::Key_Tab);
    QSignalSpy clicks(group, &QButtonGroup::buttonClicked);
    const std::pair<Qt::Key, int> steps[] = {{Qt::Key_Down, 1}, {Qt::Key_Down, 2}, {Qt::Key_Right, 3},
                                             {Qt::Key_Down, 0}, {Qt::Key_Up, 3},   {Qt::Key_Left, 2},
                                             {Qt::Key_Up, 1},   {Qt::Key_Left, 0}, {Qt::Key_Right, 1}};
    for (const auto& [key, reached] : steps) {
        press(key);
        EXPECT_EQ(focus(), radios[reached]) << reached;
        EXPECT_EQ(checked(), std::vector<int>{reached});
        ASSERT_FALSE(clicks.isEmpty());
        EXPECT_EQ(clicks.takeLast().at(0).value<QAbstractButton*>(), radios[reached]);
    }
}

// On a mirrored screen the left arrow goes on and the right one back, as the text runs; up and down stay.
TEST_F(RadioGroupTest, LeftAndRightFollowTheDirectionOfReading) {
    window.setLayoutDirection(Qt::RightToLeft);
    press(Qt::Key_Tab);
    for (const auto& [key, reached] : std::initializer_list<std::pair<Qt::Key, int>>{
             {Qt::Key_Left, 1}, {Qt::Key_Left, 2}, {Qt::Key_Right, 1}, {Qt::Key_Down, 2}, {Qt::Key_Right, 1}}) {
        press(key);
        EXPECT_EQ(checked(), std::vector<int>{reached});
    }
}

// Tab and Shift+Tab meet the checked radio, whichever box holds it and whatever checked it, and no other radio.
TEST_F(RadioGroupTest, TabStopsOnlyAtTheCheckedRadio) {
    QTest::mouseClick(radios[2], Qt::LeftButton);
    EXPECT_EQ(checked(), std::vector<int>{2});
    before->setFocus();
    for (QWidget* next : std::initializer_list<QWidget*>{radios[2], after, before}) {
        press(Qt::Key_Tab);
        EXPECT_EQ(focus(), next);
    }
    radios[1]->setChecked(true);
    EXPECT_EQ(checked(), std::vector<int>{1}) << "one exclusive group across both boxes";
    for (QWidget* previous : std::initializer_list<QWidget*>{after, radios[1], before}) {
        press(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(focus(), previous);
    }
}

// Other keys keep their own meaning: the space bar checks the radio that has the focus, Tab leaves the group.
TEST_F(RadioGroupTest, LeavesOtherKeysToTheRadio) {
    press(Qt::Key_Tab);
    press(Qt::Key_Space);
    EXPECT_EQ(checked(), std::vector<int>{0});
    press(Qt::Key_Tab);
    EXPECT_EQ(focus(), after);
}

}  // namespace
}  // namespace tessaro
