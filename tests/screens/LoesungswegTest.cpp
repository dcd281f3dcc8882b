// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The page "Lösungsweg" with the longest numbers of every mode and every word it can say about an answer, in both
// languages: every line whole, inside the page and above "Zurück".

#include "dialogkit/DialogMetrics.h"
#include "dialogkit/Language.h"
#include "logic/Explanation.h"
#include "logic/ModeLogic.h"
#include "resources/templates/LoesungswegTemplate.h"
#include "screens/Loesungsweg.h"
#include "tests/support/ScreenTesting.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>

namespace tessaro::testing {
namespace {

// The tasks with the longest texts and numbers of each mode, answered with the widest text each screen takes.
struct Longest {
    const char* name;
    ExerciseMode mode;
    ExerciseTask task;
    TypedAnswer typed;
};
const std::string kFlood(100, 'W');
const Longest kLongest[] = {
    {"AddSubtract",
     ExerciseMode::AddSubtract,
     {{"[-100  -  j (-100)] - [-100  +  j (-100)]"},
      {{"-200-j200", "-200-j200"}},
      {Operation::Subtract, {-100, -100}, {100, 100}}},
     {kFlood}},
    {"Modulus",
     ExerciseMode::Modulus,
     {{"15  -  j (8)"}, {{"17", "17"}}, {Operation::Modulus, {15, -8}, {}}},
     {kFlood}},
    {"Multiply",
     ExerciseMode::Multiply,
     {{"[-10  +  j (-10)] * [-10  +  j (-10)]"}, {{"0+j200", "0+j200"}}, {Operation::Multiply, {-10, -10}, {-10, -10}}},
     {kFlood}},
    {"Divide",
     ExerciseMode::Divide,
     {{"  -10  +  j (-10)", "  -10  -  j (-10)"},
      {{"-100", "-100"}, {"200", "200"}, {"-100", "+ j (-100)"}},
      {Operation::Divide, {-10, 0}, {10, -10}}},
     {"WWWW", "WWWW", "WWWW"}},
};

void PrintTo(const Longest& longest, std::ostream* out) { *out << longest.name; }

// Every diagnosis the page can put into words, with the longest lists of parts.
std::vector<Diagnosis> everyDiagnosis(AnswerForm form) {
    std::vector<Diagnosis> all;
    const auto add = [&all, form](Finding finding, std::vector<AnswerPart> parts = {}) {
        Diagnosis diagnosis;
        diagnosis.finding = finding;
        diagnosis.form = form;
        diagnosis.parts = std::move(parts);
        all.push_back(diagnosis);
        return &all.back();
    };
    for (Finding finding : {Finding::Right, Finding::Nothing, Finding::Unreadable, Finding::JSquaredAsPlusOne,
                            Finding::DivisorNotConjugated, Finding::PartsSwapped})
        add(finding);
    for (FormSlip slip : {FormSlip::Blanks, FormSlip::Brackets, FormSlip::UnitAfterNumber, FormSlip::UnitLetter,
                          FormSlip::MissingPart, FormSlip::NumberForm, FormSlip::Other})
        add(Finding::FormOnly)->slip = slip;
    add(Finding::FormOnly)->reducedFraction = true;
    add(Finding::RootMissing)->detail = root(math("289")) + math(" = 17");
    for (AnswerPart part : {AnswerPart::Real, AnswerPart::Imaginary, AnswerPart::Modulus, AnswerPart::RealNumerator,
                            AnswerPart::ImaginaryNumerator, AnswerPart::Denominator})
        add(Finding::SignTurned, {part});
    add(Finding::WrongParts, {AnswerPart::Real, AnswerPart::Imaginary});
    add(Finding::WrongParts, {AnswerPart::RealNumerator, AnswerPart::ImaginaryNumerator, AnswerPart::Denominator});
    return all;
}

class EveryPage : public ScreenTest, public ::testing::WithParamInterface<std::tuple<Longest, QString>> {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        useLanguage({std::get<QString>(GetParam())});
    }
    void TearDown() override { useLanguage({QStringLiteral("de")}); }
};

TEST_P(EveryPage, ShowsEveryLineWholeInsideThePageAboveZurueck) {
    const Longest& longest = std::get<Longest>(GetParam());
    const ModeLogic& logic = *modeLogic(longest.mode);
    const WorkedSolution solution = workThrough(logic, longest.task, judge(logic, longest.task, longest.typed));
    const QRect body = toPixels(loesungsweg::kBody);
    for (const Diagnosis& diagnosis : everyDiagnosis(solution.diagnosis.form)) {
        WorkedSolution said = solution;
        said.diagnosis = diagnosis;
        said.explanation = explainCartesian(diagnosis, said.result);
        Loesungsweg page(said);
        page.show();
        QApplication::processEvents();
        const QRect button = page.control(loesungsweg::BackButton)->geometry();
        const int contentWidth = body.width() - page.findChild<QGridLayout*>()->cellRect(0, 1).left();
        for (QLabel* line : page.findChildren<QLabel*>()) {
            const QRect place(line->mapTo(&page, QPoint(0, 0)), line->size());
            const std::string what =
                line->text().toStdString() + " (finding " + std::to_string(static_cast<int>(diagnosis.finding)) + ")";
            EXPECT_TRUE(body.contains(place)) << what;
            EXPECT_LT(place.bottom(), button.top()) << what;
            if (auto* formula = qobject_cast<FormulaLine*>(line))
                EXPECT_LE(formula->naturalWidth(), contentWidth) << what;
            else if (line->wordWrap())
                EXPECT_LE(line->heightForWidth(line->width()), line->height()) << what;
            else
                EXPECT_LE(line->sizeHint().width(), line->width()) << what;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, EveryPage,
                         ::testing::Combine(::testing::ValuesIn(kLongest), ::testing::ValuesIn(programLanguages())),
                         [](const auto& info) {
                             return std::string(std::get<Longest>(info.param).name) + "_" +
                                    std::get<QString>(info.param).toStdString();
                         });

}  // namespace
}  // namespace tessaro::testing
