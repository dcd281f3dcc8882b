#include "DivisionTask.h"
#include "OwnCount.h"
#include "ProgramState.h"
#include "Rechnen2.h"
#include "ResidentMemory.h"
#include "ScreenSession.h"
#include "SoakAnswers.h"
#include "SoakPlan.h"

#include <QApplication>
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
    void SetUp() override
    {
        ScreenTest::SetUp();
        ProgramState& state = programState();
        state.currentMode = ExerciseMode::Divide;
        state.tally.reset();
        state.random.seed(2026);
        drawing([this] { session.open(); });
    }

    // The screen keeps its task to itself: the task an action draws is predicted from a copy of the random source.
    template <class Action>
    void drawing(Action action)
    {
        RandomSource copy = programState().random;
        const DivisionTask next = makeDivisionTask(copy);
        action();
        task = next;
    }

    QLineEdit& input(std::size_t which) { return *session.screen().control<QLineEdit>(kInputs.at(which)); }

    // Whatever the kind, the verdict due is whether all three inputs hold exactly the numbers of the task.
    bool answer(AnswerKind kind)
    {
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

TEST_F(Rechnen2Soak, KeepsTheTallyExactAndTheMemoryFlatOverManyChecks)
{
    const int checks = plannedChecks();
    const int warmUp = warmUpChecks(checks);
    OwnCount count;
    std::size_t steadyMemory = 0;
    for (int check = 0; check < checks; ++check) {
        if (dueBefore(check, kReopenEvery))
            drawing([this] { session.reopen(); });
        if (dueBefore(check, kRulePageEvery))
            session.visitRulePage(kRuleButton);
        if (dueBefore(check, kResetEvery)) {
            drawing([this] { session.click(kResetButton); });
            count.reset();
        }
        if (dueBefore(check, kNewTaskEvery))
            drawing([this] { session.click(kNewTaskButton); });
        ASSERT_EQ(shownDividend().toStdString(), task.dividend.text) << "before check " << check;

        count.count(answer(picker.kindFor(check)));
        ASSERT_EQ(programState().tally.wrong(), count.wrong) << "after check " << check;
        ASSERT_EQ(programState().tally.right(), static_cast<double>(count.right)) << "after check " << check;

        if (check % kEventsEvery == 0)
            QApplication::processEvents();
        if (check + 1 == warmUp)
            steadyMemory = residentBytes();
    }
    QApplication::processEvents();

    expectTallyShows(session.screen(), count);
    ASSERT_GT(steadyMemory, 0u);
    expectFlatMemory(steadyMemory, residentBytes());
}

} // namespace
