// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DivisionTask.h"
#include "ProgramState.h"
#include "Rechnen2.h"
#include "ScreenSession.h"
#include "SoakAnswers.h"
#include "SoakPlan.h"
#include "SoakRun.h"

#include <QLineEdit>

#include <array>

using namespace tessaro;
using namespace tessaro::soak;

namespace {

constexpr std::array<int, 3> kInputs = {1012, 1020, 1013};  // real numerator, denominator, imaginary numerator
constexpr int kDividendField = 1025;
constexpr int kComputeButton = 1021;
constexpr int kNewTaskButton = 1010;
constexpr int kResetButton = 1024;
constexpr int kRuleButton = 1029;

class Rechnen2Soak : public tessaro::testing::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ProgramState& state = programState();
        state.currentMode = ExerciseMode::Divide;
        state.tally.reset();
        state.random.seed(2026);
        drawing([this] { session.open(); });
    }

    // The screen keeps its task to itself: the task an action draws is predicted from a copy of the random source.
    template <class Action>
    void drawing(Action action) {
        RandomSource copy = programState().random;
        const DivisionTask next = makeDivisionTask(copy);
        action();
        task = next;
    }

    QLineEdit& input(std::size_t which) { return *session.screen().control<QLineEdit>(kInputs.at(which)); }

    // Whatever the kind, the verdict due is whether all three inputs hold exactly the numbers of the task.
    bool answer(AnswerKind kind) {
        const std::array<QString, 3> right = {QString::number(task.realNumerator), QString::number(task.denominator),
                                              QString::number(task.imagNumerator)};
        for (std::size_t which = 0; which < 3; ++which)
            input(which).setText(right.at(which));
        const auto spoilt = static_cast<std::size_t>(picker.pick(3));
        switch (kind) {
        case AnswerKind::Right:
            break;
        case AnswerKind::Wrong:
            input(spoilt).setText(picker.nearMiss(right.at(spoilt)));
            break;
        case AnswerKind::Empty:
            input(spoilt).clear();
            break;
        case AnswerKind::Huge:
            for (std::size_t which = 0; which < 3; ++which)
                input(which).setText(hugeAnswer(right.at(which)));
            break;
        case AnswerKind::NonAscii:
            input(spoilt).setText(picker.nonAscii());
            break;
        }
        bool due = true;
        for (std::size_t which = 0; which < 3; ++which)
            due = due && input(which).text() == right.at(which);
        if (due)
            drawing([this] { session.click(kComputeButton); });
        else
            session.click(kComputeButton);
        return due;
    }

    QString shownDividend() { return session.screen().control<QLineEdit>(kDividendField)->text(); }

    ScreenSession<Rechnen2> session;
    AnswerPicker picker{2};
    DivisionTask task{};
};

TEST_F(Rechnen2Soak, KeepsTheTallyExactAndTheMemoryFlatOverManyChecks) {
    playSoak({
        .reopen = [this] { drawing([this] { session.reopen(); }); },
        .visitRulePage = [this] { session.visitRulePage(kRuleButton); },
        .reset = [this] { drawing([this] { session.click(kResetButton); }); },
        .newTask = [this] { drawing([this] { session.click(kNewTaskButton); }); },
        .beforeCheck =
            [this](int check) {
                ASSERT_EQ(shownDividend().toStdString(), task.dividend.text) << "before check " << check;
            },
        .answer = [this](int check) { return answer(picker.kindFor(check)); },
        .screen = [this]() -> const TemplateDialog& { return session.screen(); },
    });
}

}  // namespace
