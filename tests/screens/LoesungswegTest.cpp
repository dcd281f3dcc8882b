// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The page "Lösungsweg": with the longest numbers of every mode and every word it can say about an answer, in both
// languages, every line whole, inside the page and above "Zurück", the page no larger than its lines need; what is
// wrong under a heading of its own, in a colour that reads on the page, the line of the slip marked; the words in
// English as in German; room beside the lines for a picture.

#include "dialogkit/DialogMetrics.h"
#include "dialogkit/Language.h"
#include "dialogkit/ScreenColours.h"
#include "logic/Explanation.h"
#include "logic/ModeLogic.h"
#include "resources/templates/LoesungswegTemplate.h"
#include "screens/Loesungsweg.h"
#include "tests/support/ScreenTesting.h"
#include "widgets/ComplexPlane.h"

#include <QApplication>
#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace tessaro::testing {
namespace {

// The tasks with the longest texts and numbers of each mode, both operands printed with a double sign, answered with
// the widest text each screen takes.
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
      {{"0+j200", "0+j200"}},
      {Operation::Subtract, {-100, 100}, {-100, -100}, true, false}},
     {kFlood}},
    {"Modulus",
     ExerciseMode::Modulus,
     {{"15  -  j (-8)"}, {{"17", "17"}}, {Operation::Modulus, {15, 8}, {}, true}},
     {kFlood}},
    {"Multiply",
     ExerciseMode::Multiply,
     {{"[-10  +  j (-10)] * [-10  +  j (-10)]"}, {{"0+j200", "0+j200"}}, {Operation::Multiply, {-10, -10}, {-10, -10}}},
     {kFlood}},
    {"Divide",
     ExerciseMode::Divide,
     {{"  -10  +  j (-10)", "  -10  -  j (-10)"},
      {{"0", "0"}, {"200", "200"}, {"200", "+ j (200)"}},
      {Operation::Divide, {-10, -10}, {-10, 10}, false, true}},
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
    using P = AnswerPart;
    for (Finding finding :
         {Finding::Right, Finding::Nothing, Finding::Unreadable, Finding::DivisorNotConjugated,
          Finding::JSquaredAsPlusOne, Finding::ReversedDifference, Finding::AddedInsteadOfSubtracted,
          Finding::SubtractedInsteadOfAdded, Finding::ProductPartByPart, Finding::DenominatorAsModulus,
          Finding::PartsAdded, Finding::ModulusOfPartsAdded, Finding::SquaresSubtracted, Finding::UnitForgotten,
          Finding::Negated, Finding::PartsSwapped})
        add(finding);
    add(Finding::JSquaredAsPlusOne, {P::RealNumerator, P::Denominator});
    // Every slip a text of this form can show at once: the longest list of sentences.
    std::vector<FormSlip> slips{FormSlip::Blanks,     FormSlip::Brackets,  FormSlip::TypographicMinus,
                                FormSlip::DoubleSign, FormSlip::TimesSign, FormSlip::NegativeZero,
                                FormSlip::NumberForm};
    if (form == AnswerForm::Cartesian)
        slips.insert(slips.end(), {FormSlip::UnitLetter, FormSlip::UnitAfterNumber, FormSlip::SignAfterUnit,
                                   FormSlip::ImaginaryFirst, FormSlip::MissingPart});
    slips.push_back(form == AnswerForm::WholeNumber ? FormSlip::ExtraPart
                    : form == AnswerForm::Fraction  ? FormSlip::UnitInField
                                                    : FormSlip::Other);
    add(Finding::FormOnly)->slips = slips;
    add(Finding::FormOnly)->reducedFraction = true;
    add(Finding::RootMissing)->detail = root(math("289")) + math(" = 17");
    add(Finding::RootNotTaken)->detail = root(math("289")) + math(" = 17");
    add(Finding::OperandSignMisread)->detail = math("−100 − j(−100) = −100 + j100");
    add(Finding::EmptyFields, {P::RealNumerator, P::ImaginaryNumerator});
    add(Finding::Unreadable, {P::RealNumerator, P::ImaginaryNumerator, P::Denominator});
    for (AnswerPart part : {P::Real, P::Imaginary, P::Modulus, P::RealNumerator, P::ImaginaryNumerator, P::Denominator})
        add(Finding::SignTurned, {part});
    add(Finding::WrongParts, {P::Real, P::Imaginary});
    add(Finding::WrongParts, {P::ImaginaryNumerator, P::Denominator});
    add(Finding::WrongParts, {P::RealNumerator, P::ImaginaryNumerator, P::Denominator});
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

// The highest a page may be: it stays on a screen of 768 pixels with a panel and a title bar of 24 pixels each.
constexpr int kHighestPage = 720;

TEST_P(EveryPage, ShowsEveryLineWholeInsideAPageOfTheSizeItsLinesNeed) {
    const Longest& longest = std::get<Longest>(GetParam());
    const ModeLogic& logic = *modeLogic(longest.mode);
    const WorkedSolution solution = workThrough(logic, longest.task, judge(logic, longest.task, longest.typed));
    const QRect body = toPixels(loesungsweg::kBody);
    for (const Diagnosis& diagnosis : everyDiagnosis(solution.diagnosis.form)) {
        WorkedSolution said = solution;
        said.diagnosis = diagnosis;
        said.explanation = explainCartesian(diagnosis, said.result);
        said.steps.back().slipHere = true;  // a mark takes room too
        said.picture = {};                  // the lines alone: the picture has a test of its own
        Loesungsweg page(said);
        page.show();
        QApplication::processEvents();
        const std::string finding = " (finding " + std::to_string(static_cast<int>(diagnosis.finding)) + ")";
        const QRect button = page.control(loesungsweg::BackButton)->geometry();
        const QRect inside =
            page.rect().adjusted(body.left(), body.top(), -body.left(), -(page.height() - button.top()));
        EXPECT_LE(page.width(), page.dialogTemplate().width * 3 / 2 + 1) << finding;
        EXPECT_LE(page.height(), kHighestPage) << finding;
        EXPECT_NEAR(button.center().x(), page.width() / 2, 1) << finding;
        int lowest = 0, rightmost = 0;
        for (QLabel* line : page.findChildren<QLabel*>()) {
            const QRect place(line->mapTo(&page, QPoint(0, 0)), line->size());
            const std::string what = line->text().toStdString() + finding;
            EXPECT_TRUE(inside.contains(place)) << what;
            lowest = std::max(lowest, place.bottom());
            rightmost = std::max(rightmost, place.right());
            if (auto* formula = qobject_cast<FormulaLine*>(line))
                EXPECT_LE(formula->naturalWidth(), formula->width()) << what;
            else if (line->wordWrap())
                EXPECT_LE(line->heightForWidth(line->width()), line->height()) << what;
            else
                EXPECT_LE(line->sizeHint().width(), line->width()) << what;
        }
        // No more room than the lines need: the last line near "Zurück", the widest near the right edge.
        EXPECT_GE(lowest, button.top() - 12) << finding;
        EXPECT_GE(rightmost, page.width() - body.left() - 1 - 12) << finding;
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, EveryPage,
                         ::testing::Combine(::testing::ValuesIn(kLongest), ::testing::ValuesIn(programLanguages())),
                         [](const auto& info) {
                             return std::string(std::get<Longest>(info.param).name) + "_" +
                                    std::get<QString>(info.param).toStdString();
                         });

TEST(DiagnosisColour, ReadsAsTextOnThePage) {
    // WCAG 2's contrast of two colours, from their relative luminance.
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const auto contrast = [&luminance](const QColor& a, const QColor& b) {
        return (std::max(luminance(a), luminance(b)) + 0.05) / (std::min(luminance(a), luminance(b)) + 0.05);
    };
    // The formula is checked against WCAG's own example: black on white is 21 : 1.
    EXPECT_NEAR(contrast(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_GE(contrast(kDiagnosisRed, kScreenBackground), 4.5);
    // A colour of its own: neither the black of the calculation nor the red of the title.
    EXPECT_NE(kDiagnosisRed, QColor(Qt::black));
    EXPECT_NE(kDiagnosisRed, kTitleRed);
}

// Pages of (2 + j)(−1 + j9) and of the longest quotient, in the program's language.
class ThePage : public ScreenTest {
protected:
    void TearDown() override { useLanguage({QStringLiteral("de")}); }
    // The page of a task; `withPicture` false leaves out the complex plane, for the tests of the lines alone.
    std::unique_ptr<Loesungsweg> pageFor(ExerciseMode mode, const ExerciseTask& task, const TypedAnswer& typed,
                                         bool withPicture = false) {
        const ModeLogic& logic = *modeLogic(mode);
        WorkedSolution solution = workThrough(logic, task, judge(logic, task, typed));
        if (!withPicture)
            solution.picture = {};
        auto page = std::make_unique<Loesungsweg>(solution);
        showAndPaint(*page);
        return page;
    }
    const ExerciseTask product{{"[2  +  j (1)] * [-1  -  j (-9)]"},
                               {{"-11+j17", "-11+j17"}},
                               {Operation::Multiply, {2, 1}, {-1, 9}, false, true}};
    const ExerciseTask quotient{{"  -10  +  j (-10)", "  -10  -  j (-10)"},
                                {{"-100", "-100"}, {"200", "200"}, {"-100", "+ j (-100)"}},
                                {Operation::Divide, {-10, -10}, {-10, 10}, false, true}};
};

QLabel* lineSaying(QWidget& page, const QString& text) {
    for (QLabel* line : page.findChildren<QLabel*>())
        if (line->text() == text)
            return line;
    return nullptr;
}

TEST_F(ThePage, SaysWhatIsWrongUnderAHeadingInItsOwnColourAndMarksTheLineOfTheSlip) {
    const std::unique_ptr<Loesungsweg> page = pageFor(ExerciseMode::Multiply, product, {"7+j17"});
    const QImage shown = screenImage(*page);
    QLabel* heading = lineSaying(*page, QStringLiteral("Was nicht stimmt"));
    ASSERT_TRUE(heading);
    QLabel* said = lineSaying(
        *page, QStringLiteral("Es sieht so aus, als wäre beim Ausmultiplizieren j²\u00A0=\u00A0+1 gerechnet worden; es "
                              "gilt aber j²\u00A0=\u00A0−1."));
    ASSERT_TRUE(said);
    EXPECT_LT(heading->geometry().bottom(), said->mapTo(page.get(), QPoint()).y());
    for (QLabel* line : {heading, said})
        EXPECT_TRUE(showsColour(shown, QRect(line->mapTo(page.get(), QPoint()), line->size()), kDiagnosisRed))
            << line->text().toStdString();
    // The calculation stays black; only the line with j² = −1, where the slip happens, is marked, in the same red.
    std::vector<FormulaLine*> marked;
    for (FormulaLine* line : page->findChildren<FormulaLine*>()) {
        const QRect place(line->mapTo(page.get(), QPoint()), line->size());
        EXPECT_EQ(showsColour(shown, place, kDiagnosisRed), line->isMarked()) << line->text().toStdString();
        if (line->isMarked())
            marked.push_back(line);
    }
    ASSERT_EQ(marked.size(), 1u);
    EXPECT_EQ(marked.front()->text(), QStringLiteral("= −2 + j18 − j − 9"));
    EXPECT_EQ(marked.front()->accessibleName(), QStringLiteral("Hier liegt der Fehler: = −2 + j18 − j − 9"));
}

TEST_F(ThePage, TakesTheSizeItsLinesNeed) {
    const QSize product = pageFor(ExerciseMode::Multiply, this->product, {"7+j17"})->size();
    const QSize quotient = pageFor(ExerciseMode::Divide, this->quotient, {"1", "2", "3"})->size();
    EXPECT_LT(product.height() + 150, quotient.height());
    EXPECT_LE(quotient.height(), kHighestPage);
    const QSize wide = toPixels(loesungsweg::kBody).size();
    EXPECT_LT(product.width(), wide.width() + 24);
    // A short calculation gives a small page, no narrower than its sentences allow.
    const ExerciseTask modulus{{"3  +  j (4)"}, {{"5", "5"}}, {Operation::Modulus, {3, 4}, {}}};
    const QSize small = pageFor(ExerciseMode::Modulus, modulus, {"7"})->size();
    EXPECT_LT(small.height(), product.height());
    EXPECT_LT(small.width(), product.width());
    EXPECT_GE(small.width(), 400 + 96);
}

// The task in the complex plane stands beside the lines, widening the page to their right, and a screen reader hears
// what it shows after them.
TEST_F(ThePage, ShowsTheTaskInTheComplexPlaneBesideTheLines) {
    const QSize linesAlone = pageFor(ExerciseMode::Multiply, product, {"7+j17"})->size();
    const std::unique_ptr<Loesungsweg> page = pageFor(ExerciseMode::Multiply, product, {"7+j17"}, true);
    const auto* plane = page->findChild<ComplexPlane*>();
    ASSERT_NE(plane, nullptr);
    EXPECT_GT(plane->geometry().left(), page->findChild<QGridLayout*>()->geometry().right());
    EXPECT_TRUE(page->rect().contains(plane->geometry()));
    EXPECT_GE(page->width(), linesAlone.width() + plane->width());
    EXPECT_EQ(page->height(), linesAlone.height()) << "the lines are higher than the picture";
    EXPECT_TRUE(page->findChildren<FormulaLine*>().back()->isVisible());
    // (2 + j)(−1 + j9) = −11 + j17, and the typed 7 + j17 beside it.
    const std::vector<PlaneArrow>& arrows = plane->sketch().arrows;
    const auto endOf = [&arrows](PlaneRole role) {
        const auto arrow = std::ranges::find(arrows, role, &PlaneArrow::role);
        return arrow == arrows.end() ? std::pair(0.0, 0.0) : std::pair(arrow->to.re, arrow->to.im);
    };
    EXPECT_EQ(endOf(PlaneRole::Result), std::pair(-11.0, 17.0));
    EXPECT_EQ(endOf(PlaneRole::Typed), std::pair(7.0, 17.0));
    EXPECT_TRUE(plane->accessibleDescription().contains(QStringLiteral("7 + j17")))
        << plane->accessibleDescription().toStdString();
}

// The English page says what the German one says: each sentence names the part it means.
TEST_F(ThePage, SaysInEnglishWhatItSaysInGerman) {
    useLanguage({QStringLiteral("en")});
    const std::pair<TypedAnswer, QString> cases[] = {
        {{"11+j17"}, "The real part has the wrong sign."},
        {{"-11-j17"}, "The imaginary part has the wrong sign."},
        {{"12+j17"}, "The real part is wrong."},
        {{"-11-j16"}, "The imaginary part is wrong."},
        {{"7+j18"}, "The real part and the imaginary part are both wrong."},
        {{"17-j11"}, "The real and the imaginary part are swapped."},
        {{"-11 + j17"}, "The value is right, only the way it is written is not. Spaces do not belong in the answer."},
        {{"-11+j+17"},
         "The value is right, only the way it is written is not. The sign of the imaginary part goes "
         "before the j: 3-j4, not 3+j-4."},
    };
    for (const auto& [typed, said] : cases) {
        const std::unique_ptr<Loesungsweg> page = pageFor(ExerciseMode::Multiply, product, typed);
        EXPECT_TRUE(lineSaying(*page, said)) << typed.front();
        EXPECT_TRUE(lineSaying(*page, QStringLiteral("What went wrong"))) << typed.front();
    }
    const std::unique_ptr<Loesungsweg> page = pageFor(ExerciseMode::Divide, quotient, {"-100", "", "-100"});
    EXPECT_TRUE(lineSaying(*page, QStringLiteral("The field for the denominator is empty. Three whole numbers are "
                                                 "asked for: the real and the imaginary part of the numerator, and "
                                                 "the denominator.")));
}

}  // namespace
}  // namespace tessaro::testing
