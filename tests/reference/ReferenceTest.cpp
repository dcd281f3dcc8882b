// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Every screen, in the states a student sees, pixel for pixel as in its reference picture, and what a screen reader
// reads of it word for word as in its reference text. Both were checked once by eye against the description of the
// screens; scripts/update-references.sh writes them anew after an intended change.

#include "app/AboutDialog.h"
#include "app/MainMenuDialog.h"
#include "dialogkit/Language.h"
#include "dialogkit/ProgramState.h"
#include "logic/DecimalMark.h"
#include "logic/ModeLogic.h"
#include "screens/ExerciseModes.h"
#include "screens/ExerciseScreen.h"
#include "screens/Loesungsweg.h"
#include "screens/RulePages.h"
#include "screens/RulesMenu.h"
#include "screens/SpokenMath.h"
#include "tests/support/ScreenTesting.h"

#include <QAccessible>
#include <QMetaEnum>
#include <QTest>

namespace tessaro::testing {
namespace {

// Role, name, description and value of every node of the screen's accessible tree, one node a line.
void describe(QAccessibleInterface* node, int depth, QString& out) {
    const QMetaEnum roles = QMetaEnum::fromType<QAccessible::Role>();
    out += QString(2 * depth, QLatin1Char(' ')) + QString::fromLatin1(roles.valueToKey(node->role()));
    for (const QAccessible::Text part : {QAccessible::Name, QAccessible::Description, QAccessible::Value})
        if (const QString text = node->text(part); !text.isEmpty())
            out += QStringLiteral(" | ") + text;
    out += QLatin1Char('\n');
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* child = node->child(i))
            describe(child, depth + 1, out);
}

template <class Screen>
std::unique_ptr<QWidget> shown() {
    auto screen = std::make_unique<Screen>();
    showAndPaint(*screen);
    return screen;
}

// An exercise screen opened in `mode` and answered: "right" stands for the right answer, nothing for no answer.
std::unique_ptr<QWidget> answered(ExerciseMode mode, QStringList typed = {}) {
    prepareExercise(mode);
    std::unique_ptr<ExerciseScreen> screen = exerciseModeRow(mode)->makeScreen(nullptr);
    showAndPaint(*screen);
    if (typed == QStringList{"right"})
        typed = rightAnswerOn(*screen);
    for (qsizetype i = 0; i < typed.size(); ++i) {
        QTest::keyClicks(screen->focusWidget(), typed[i]);
        if (i + 1 < typed.size())
            QTest::keyClick(screen->focusWidget(), Qt::Key_Tab);
    }
    if (!typed.isEmpty())
        QTest::keyClick(screen->focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
    return screen;
}

// The worked solution of the task an exercise screen of `mode` opens with, for an answer made from its numbers.
std::unique_ptr<QWidget> workedSolution(ExerciseMode mode, TypedAnswer (*typed)(const TaskNumbers& task)) {
    prepareExercise(mode);
    const ModeLogic& logic = *modeLogic(mode);
    const ExerciseTask task = logic.makeTask(programState().random);
    auto page = std::make_unique<Loesungsweg>(
        withDecimalMark(workThrough(logic, task, judge(logic, task, typed(task.numbers))), decimalMark()));
    showAndPaint(*page);
    return page;
}

// Answers with a typical slip: the right value with blanks, the sum of the squares, j² taken as +1, the divisor
// not made conjugate.
TypedAnswer withBlanks(const TaskNumbers& t) {
    const int re = t.operation == Operation::Add ? t.first.re + t.second.re : t.first.re - t.second.re;
    const int im = t.operation == Operation::Add ? t.first.im + t.second.im : t.first.im - t.second.im;
    return {std::to_string(re) + (im < 0 ? " - j" : " + j") + std::to_string(std::abs(im))};
}
TypedAnswer sumOfSquares(const TaskNumbers& t) {
    return {std::to_string(t.first.re * t.first.re + t.first.im * t.first.im)};
}
TypedAnswer jSquaredPlusOne(const TaskNumbers& t) {
    const ComplexValue a = t.first, b = t.second;
    return {formatCartesian(a.re * b.re + a.im * b.im, a.re * b.im + a.im * b.re)};
}
TypedAnswer divisorNotConjugated(const TaskNumbers& t) {
    const ComplexValue a = t.first, c = t.second;
    return {std::to_string(a.re * c.re - a.im * c.im), std::to_string(c.re * c.re + c.im * c.im),
            std::to_string(a.re * c.im + a.im * c.re)};
}

struct State {
    const char* name;
    std::unique_ptr<QWidget> (*make)();
    bool readAloud;  // also compare what a screen reader gets
};

void PrintTo(const State& state, std::ostream* out) { *out << state.name; }

// States whose name ends in "-en" are shown in English.
class EveryScreen : public ScreenTest, public ::testing::WithParamInterface<State> {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        english = QString::fromLatin1(GetParam().name).endsWith(QLatin1String("-en"));
        useLanguage({english ? QStringLiteral("en") : QStringLiteral("de")});
    }
    void TearDown() override { useLanguage({QStringLiteral("de")}); }
    bool english = false;
};

TEST_P(EveryScreen, LooksAndReadsAsItsReference) {
    const std::unique_ptr<QWidget> screen = GetParam().make();
    expectReferenceImage(screenImage(*screen), QString::fromLatin1(GetParam().name));
    if (!GetParam().readAloud)
        return;
    QString text;
    describe(QAccessible::queryAccessibleInterface(screen.get()), 0, text);
    expectReferenceText(text, QString::fromLatin1(GetParam().name));
}

using M = ExerciseMode;
// One state a row.
// clang-format off
INSTANTIATE_TEST_SUITE_P(States, EveryScreen, ::testing::Values(
    State{"main-menu", shown<MainMenuDialog>, true},
    State{"about", shown<AboutDialog>, true},
    State{"rules-menu", shown<Regeln>, true},
    State{"page-iundj", shown<iundj>, true},
    State{"page-definition", shown<Definition>, true},
    State{"page-betrag", shown<Betrag>, true},
    State{"page-addition", shown<Addition>, true},
    State{"page-multiplikation", shown<Multiplikatioin>, true},
    State{"page-division", shown<Division>, true},
    State{"page-polarform", shown<Polarform>, true},
    State{"rechnen1-addsubtract-open", [] { return answered(M::AddSubtract); }, false},
    State{"rechnen1-modulus-right", [] { return answered(M::Modulus, {"right"}); }, false},
    State{"rechnen1-multiply-wrong", [] { return answered(M::Multiply, {"-1+j1"}); }, true},
    State{"rechnen2-right", [] { return answered(M::Divide, {"right"}); }, false},
    State{"rechnen2-wrong", [] { return answered(M::Divide, {"12", "-3", "0"}); }, true},
    State{"rechnen3-topolar-open", [] { return answered(M::ToPolar); }, true},
    State{"loesungsweg-topolar", [] { return workedSolution(M::ToPolar, [](const TaskNumbers&) { return TypedAnswer{"8.25", "76"}; }); }, true},
    State{"loesungsweg-tocartesian", [] { return workedSolution(M::ToCartesian, [](const TaskNumbers&) { return TypedAnswer{"3,2+j4"}; }); }, true},
    State{"loesungsweg-multiplydivide", [] { return workedSolution(M::PolarMultiplyDivide, [](const TaskNumbers&) { return TypedAnswer{"12", "30"}; }); }, true},
    State{"loesungsweg-addphasors", [] { return workedSolution(M::AddPhasors, [](const TaskNumbers&) { return TypedAnswer{"9", "125"}; }); }, true},
    State{"rechnen3-topolar-wrong", [] { return answered(M::ToPolar, {"5", "53,1"}); }, true},
    State{"rechnen3-tocartesian-wrong", [] { return answered(M::ToCartesian, {"3,2+j4"}); }, true},
    State{"rechnen3-multiplydivide-right", [] { return answered(M::PolarMultiplyDivide, {"right"}); }, true},
    State{"rechnen3-multiplydivide-wrong", [] { return answered(M::PolarMultiplyDivide, {"12", "30"}); }, true},
    State{"rechnen3-addphasors-wrong", [] { return answered(M::AddPhasors, {"7", "40"}); }, true},
    State{"loesungsweg-addsubtract", [] { return workedSolution(M::AddSubtract, withBlanks); }, true},
    State{"loesungsweg-modulus", [] { return workedSolution(M::Modulus, sumOfSquares); }, true},
    State{"loesungsweg-multiply", [] { return workedSolution(M::Multiply, jSquaredPlusOne); }, true},
    State{"loesungsweg-divide", [] { return workedSolution(M::Divide, divisorNotConjugated); }, true},
    State{"main-menu-en", shown<MainMenuDialog>, true},
    State{"about-en", shown<AboutDialog>, false},
    State{"rules-menu-en", shown<Regeln>, false},
    State{"page-definition-en", shown<Definition>, true},
    State{"page-polarform-en", shown<Polarform>, true},
    State{"rechnen1-addsubtract-wrong-en", [] { return answered(M::AddSubtract, {"1+j1"}); }, true},
    State{"rechnen1-modulus-right-en", [] { return answered(M::Modulus, {"right"}); }, false},
    State{"rechnen2-wrong-en", [] { return answered(M::Divide, {"12", "-3", "0"}); }, true},
    State{"rechnen2-right-en", [] { return answered(M::Divide, {"right"}); }, false},
    State{"rechnen3-topolar-wrong-en", [] { return answered(M::ToPolar, {"5", "53.1"}); }, true},
    State{"rechnen3-tocartesian-wrong-en", [] { return answered(M::ToCartesian, {"3.2+j4"}); }, true},
    State{"rechnen3-addphasors-wrong-en", [] { return answered(M::AddPhasors, {"7", "40"}); }, true},
    State{"loesungsweg-addphasors-en", [] { return workedSolution(M::AddPhasors, [](const TaskNumbers&) { return TypedAnswer{"9", "125"}; }); }, true},
    State{"rechnen3-multiplydivide-wrong-en", [] { return answered(M::PolarMultiplyDivide, {"12", "30"}); }, true},
    State{"loesungsweg-topolar-en",
          [] { return workedSolution(M::ToPolar, [](const TaskNumbers&) { return TypedAnswer{"8.25", "76"}; }); }, true},
    State{"loesungsweg-tocartesian-en",
          [] { return workedSolution(M::ToCartesian, [](const TaskNumbers&) { return TypedAnswer{"3.2+j4"}; }); }, true},
    State{"loesungsweg-multiplydivide-en",
          [] { return workedSolution(M::PolarMultiplyDivide, [](const TaskNumbers&) { return TypedAnswer{"12", "30"}; }); },
          true},
    State{"loesungsweg-addsubtract-en", [] { return workedSolution(M::AddSubtract, withBlanks); }, true},
    State{"loesungsweg-modulus-en", [] { return workedSolution(M::Modulus, sumOfSquares); }, true},
    State{"loesungsweg-multiply-en", [] { return workedSolution(M::Multiply, jSquaredPlusOne); }, true},
    State{"loesungsweg-divide-en", [] { return workedSolution(M::Divide, divisorNotConjugated); }, true}),
    [](const auto& info) { return QString::fromLatin1(info.param.name).remove(QLatin1Char('-')).toStdString(); });
// clang-format on

// Mathematics reads left to right in every layout direction. The exercise screens place their controls and painted
// texts as the description does, and the worked solution is a calculation set line by line: under Qt's -reverse each
// looks exactly as its reference.
class MirroredLayout : public EveryScreen {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIntValue("TESSARO_UPDATE_REFERENCES") == 1)
            GTEST_SKIP() << "the references are written in the layout direction of their language";
        EveryScreen::SetUp();
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    }
    void TearDown() override {
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        EveryScreen::TearDown();
    }
};

TEST_P(MirroredLayout, LooksAsItsReference) {
    ASSERT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    const std::unique_ptr<QWidget> screen = GetParam().make();
    expectReferenceImage(screenImage(*screen), QString::fromLatin1(GetParam().name));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Mirrored, MirroredLayout, ::testing::Values(
    State{"rechnen1-addsubtract-open", [] { return answered(M::AddSubtract); }, false},
    State{"rechnen1-multiply-wrong", [] { return answered(M::Multiply, {"-1+j1"}); }, false},
    State{"rechnen1-addsubtract-wrong-en", [] { return answered(M::AddSubtract, {"1+j1"}); }, false},
    State{"rechnen2-wrong", [] { return answered(M::Divide, {"12", "-3", "0"}); }, false},
    State{"rechnen2-right-en", [] { return answered(M::Divide, {"right"}); }, false},
    State{"loesungsweg-addsubtract", [] { return workedSolution(M::AddSubtract, withBlanks); }, false},
    State{"loesungsweg-modulus", [] { return workedSolution(M::Modulus, sumOfSquares); }, false},
    State{"loesungsweg-multiply", [] { return workedSolution(M::Multiply, jSquaredPlusOne); }, false},
    State{"loesungsweg-divide-en", [] { return workedSolution(M::Divide, divisorNotConjugated); }, false}),
    [](const auto& info) { return QString::fromLatin1(info.param.name).remove(QLatin1Char('-')).toStdString(); });
// clang-format on

}  // namespace
}  // namespace tessaro::testing
