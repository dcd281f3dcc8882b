// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ProgramState.h"
#include "Rechnen1.h"
#include "ScreenSession.h"
#include "SoakAnswers.h"
#include "SoakPlan.h"
#include "SoakRun.h"

#include <QLineEdit>

using namespace tessaro;
using namespace tessaro::soak;

namespace {

constexpr int kAnswerField = 1012;
constexpr int kComputeButton = 1002;
constexpr int kResetButton = 1009;
constexpr int kNewTaskButton = 1015;
constexpr int kRuleButton = 1028;

class Rechnen1Soak : public tessaro::testing::ScreenTest, public ::testing::WithParamInterface<ExerciseMode> {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ProgramState& state = programState();
        state.currentMode = GetParam();
        state.tally.reset();
        state.random.seed(2026);
        session.open();
    }

    // Whatever the kind, the verdict due is whether the field holds exactly the expected answer.
    bool answer(AnswerKind kind) {
        const QString right = QString::fromStdString(programState().expectedAnswer);
        QLineEdit& field = *session.screen().control<QLineEdit>(kAnswerField);
        switch (kind) {
        case AnswerKind::Right:
            field.setText(right);
            break;
        case AnswerKind::Wrong:
            field.setText(picker.nearMiss(right));
            break;
        case AnswerKind::Empty:
            field.clear();
            break;
        case AnswerKind::Huge:
            field.setText(hugeAnswer(right));
            break;
        case AnswerKind::NonAscii:
            field.setText(picker.nonAscii());
            break;
        }
        const bool due = field.text() == right;
        session.click(kComputeButton);
        return due;
    }

    ScreenSession<Rechnen1> session;
    AnswerPicker picker{1};
};

TEST_P(Rechnen1Soak, KeepsTheTallyExactAndTheMemoryFlatOverManyChecks) {
    playSoak({
        .reopen = [this] { session.reopen(); },
        .visitRulePage = [this] { session.visitRulePage(kRuleButton); },
        .reset = [this] { session.click(kResetButton); },
        .newTask = [this] { session.click(kNewTaskButton); },
        .beforeCheck = {},
        .answer = [this](int check) { return answer(picker.kindFor(check)); },
        .screen = [this]() -> const TemplateDialog& { return session.screen(); },
    });
}

INSTANTIATE_TEST_SUITE_P(Modes, Rechnen1Soak,
                         ::testing::Values(ExerciseMode::AddSubtract, ExerciseMode::Modulus, ExerciseMode::Multiply),
                         [](const auto& info) {
                             switch (info.param) {
                             case ExerciseMode::AddSubtract:
                                 return "AddSubtract";
                             case ExerciseMode::Modulus:
                                 return "Modulus";
                             default:
                                 return "Multiply";
                             }
                         });

}  // namespace
