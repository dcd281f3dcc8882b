// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The main menu played with the keyboard alone, as a student without a mouse or with a screen reader plays it: Tab
// reaches the group of modes at one stop, the arrow keys choose a mode, Enter or "Üben" practises it.

#include "app/MainMenuDialog.h"
#include "dialogkit/ProgramState.h"
#include "tests/support/ScreenTesting.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace tessaro::testing {
namespace {

// The modes as the menu lists them, top to bottom, and the screen "Üben" opens for each.
struct Mode {
    const char* caption;
    ExerciseMode mode;
    const char* screenClass;
};
const Mode kAddSubtract{"Addition und Subtraktion komplexer Zahlen üben", ExerciseMode::AddSubtract, "Rechnen1"};
const Mode kModulus{"Betrag einer komplexen Zahl bilden üben", ExerciseMode::Modulus, "Rechnen1"};
const Mode kMultiply{"Multiplikation üben", ExerciseMode::Multiply, "Rechnen1"};
const Mode kDivide{"Division üben", ExerciseMode::Divide, "Rechnen2"};
const Mode kToPolar{"In Polarform umrechnen", ExerciseMode::ToPolar, "Rechnen3"};
const Mode kToCartesian{"In kartesische Form umrechnen", ExerciseMode::ToCartesian, "Rechnen3"};
const Mode kPolarMultiplyDivide{"Multiplikation und Division in Polarform", ExerciseMode::PolarMultiplyDivide,
                                "Rechnen3"};
const Mode kAddPhasors{"Zeiger addieren", ExerciseMode::AddPhasors, "Rechnen3"};

class MainMenuKeyboardTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        showAndPaint(menu);
    }

    QWidget* focus() const { return QApplication::focusWidget(); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(focus(), key, modifiers);
    }
    // The name a keyboard user hears of the control that has the focus: a button's or a radio's caption.
    QString focusCaption() const {
        const auto* button = qobject_cast<QAbstractButton*>(focus());
        return button ? button->text() : QStringLiteral("(no button)");
    }
    QStringList checkedCaptions() const {
        QStringList checked;
        for (const auto* radio : menu.findChildren<QRadioButton*>())
            if (radio->isChecked())
                checked << radio->text();
        return checked;
    }
    // From the focus the menu opens with to the group of modes: "Beenden", "Regeln", then the group.
    void tabToTheModes() {
        ASSERT_EQ(focusCaption(), QStringLiteral("Üben"));
        for (int i = 0; i < 3; ++i)
            press(Qt::Key_Tab);
        ASSERT_TRUE(qobject_cast<QRadioButton*>(focus())) << focusCaption().toStdString();
    }

    MainMenuDialog menu;
};

TEST_F(MainMenuKeyboardTest, TabStopsOnceInTheModesOnTheFirstWhileNoneIsChosenAndChoosesNothing) {
    const QStringList forward{"Beenden", "Regeln", QString::fromUtf8(kAddSubtract.caption), "über Tessaro", "Üben"};
    for (const QString& next : forward) {
        press(Qt::Key_Tab);
        EXPECT_EQ(focusCaption(), next);
    }
    for (qsizetype i = forward.size() - 2; i >= 0; --i) {
        press(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(focusCaption(), forward[i]);
    }
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focusCaption(), QStringLiteral("Üben"));
    EXPECT_EQ(checkedCaptions(), QStringList());
    EXPECT_EQ(programState().currentMode, ExerciseMode::None);
}

// Up and Left go to the mode above, Down and Right to the one below, round from the last to the first; the mode
// they reach is checked and chosen, as a click on it chooses it.
TEST_F(MainMenuKeyboardTest, ArrowKeysMoveThroughTheModesRoundAndChooseTheOneTheyReach) {
    tabToTheModes();
    // The modes of the polar form in their own box follow those of the cartesian form.
    const std::pair<Qt::Key, Mode> steps[] = {{Qt::Key_Down, kModulus},      {Qt::Key_Right, kMultiply},
                                              {Qt::Key_Down, kDivide},       {Qt::Key_Down, kToPolar},
                                              {Qt::Key_Right, kToCartesian}, {Qt::Key_Down, kPolarMultiplyDivide},
                                              {Qt::Key_Down, kAddPhasors},   {Qt::Key_Down, kAddSubtract},
                                              {Qt::Key_Up, kAddPhasors},     {Qt::Key_Left, kPolarMultiplyDivide},
                                              {Qt::Key_Up, kToCartesian},    {Qt::Key_Up, kToPolar},
                                              {Qt::Key_Left, kDivide},       {Qt::Key_Up, kMultiply},
                                              {Qt::Key_Left, kModulus},      {Qt::Key_Up, kAddSubtract},
                                              {Qt::Key_Right, kModulus}};
    for (const auto& [key, reached] : steps) {
        press(key);
        const QString caption = QString::fromUtf8(reached.caption);
        EXPECT_EQ(focusCaption(), caption);
        EXPECT_EQ(checkedCaptions(), QStringList{caption});
        EXPECT_EQ(programState().currentMode, reached.mode) << reached.caption;
    }
}

// Tab comes back to the group at the mode that is chosen, whether a key or the mouse chose it, and at no other.
TEST_F(MainMenuKeyboardTest, TabStopsOnceInTheModesOnTheChosenOne) {
    tabToTheModes();
    press(Qt::Key_Up);
    press(Qt::Key_Tab);
    EXPECT_EQ(focusCaption(), QStringLiteral("über Tessaro"));
    for (const char* next : {"Üben", "Beenden", "Regeln", kAddPhasors.caption, "über Tessaro"}) {
        press(Qt::Key_Tab);
        EXPECT_EQ(focusCaption(), QString::fromUtf8(next));
    }
    for (auto* radio : menu.findChildren<QRadioButton*>())
        if (radio->text() == QString::fromUtf8(kModulus.caption))
            QTest::mouseClick(radio, Qt::LeftButton);
    EXPECT_EQ(programState().currentMode, kModulus.mode);
    for (const char* next : {"über Tessaro", "Üben", "Beenden", "Regeln", kModulus.caption}) {
        press(Qt::Key_Tab);
        EXPECT_EQ(focusCaption(), QString::fromUtf8(next));
    }
    for (const char* previous : {"Regeln", "Beenden", "Üben", "über Tessaro", kModulus.caption}) {
        press(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(focusCaption(), QString::fromUtf8(previous));
    }
}

// Every mode chosen by keys alone and practised: by Enter on its radio, or by "Üben" reached with Tab and pressed
// with the space bar. Space checks the first mode where Tab stops while none is chosen.
TEST(MainMenuKeyboard, PractisesEveryModeChosenByKeysAloneOnItsScreen) {
    struct Play {
        std::vector<Qt::Key> keys;
        bool byEnter;
        Mode chosen;
    };
    const Play plays[] = {{{Qt::Key_Space}, true, kAddSubtract},
                          {{Qt::Key_Down}, false, kModulus},
                          {{Qt::Key_Down, Qt::Key_Down}, true, kMultiply},
                          {{Qt::Key_Up}, false, kAddPhasors},
                          {{Qt::Key_Right, Qt::Key_Left, Qt::Key_Left}, true, kAddPhasors},
                          {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}, true, kDivide},
                          {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}, false, kToPolar},
                          {{Qt::Key_Up, Qt::Key_Up, Qt::Key_Up}, true, kToCartesian},
                          {{Qt::Key_Up, Qt::Key_Up}, true, kPolarMultiplyDivide}};
    for (const Play& play : plays) {
        resetProgramState();
        MainMenuDialog menu;
        showAndPaint(menu);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_TRUE(qobject_cast<QRadioButton*>(QApplication::focusWidget())) << "Tab reaches the modes";
        for (Qt::Key key : play.keys)
            QTest::keyClick(QApplication::focusWidget(), key);
        const QString opened = classOfScreenOpenedBy(&menu, [&play] {
            if (play.byEnter)
                return QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            auto* practise = qobject_cast<QPushButton*>(QApplication::focusWidget());
            ASSERT_TRUE(practise && practise->text() == QStringLiteral("Üben")) << "Tab reaches Üben";
            QTest::keyClick(practise, Qt::Key_Space);
        });
        EXPECT_EQ(opened, QString::fromLatin1(play.chosen.screenClass)) << play.chosen.caption;
        EXPECT_EQ(programState().currentMode, play.chosen.mode) << play.chosen.caption;
    }
}

}  // namespace
}  // namespace tessaro::testing
