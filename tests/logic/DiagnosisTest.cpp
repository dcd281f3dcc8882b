// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// What the worked solution says about a typed answer: every finding with an answer that shows it and a close one
// that does not, the words of each, the faults students met, the findings whose numbers coincide in their pinned
// order, and a sweep that applies each wrong rule to drawn tasks and expects the diagnosis to name it (the words of a
// finding do not depend on the task: they are pinned once).

#include "tests/logic/StepCheck.h"
#include "tests/logic/WorkedTasks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numeric>
#include <string>
#include <vector>

namespace tessaro {
namespace {

using namespace testing_tasks;
using F = Finding;
using P = AnswerPart;
using S = FormSlip;

struct Expected {
    Finding finding;
    std::vector<AnswerPart> parts = {};
    std::vector<FormSlip> slips = {};
    bool reduced = false;
};

std::string joined(const TypedAnswer& typed) {
    std::string text;
    for (const std::string& field : typed)
        text += (text.empty() ? "" : " | ") + field;
    return text;
}

// The mode whose tasks have the task's operation, and the page it shows for an answer.
WorkedSolution worked(const ExerciseTask& task, const TypedAnswer& typed) {
    const Operation operation = task.numbers.operation;
    const M mode = operation == Operation::Modulus    ? M::Modulus
                   : operation == Operation::Multiply ? M::Multiply
                   : operation == Operation::Divide   ? M::Divide
                                                      : M::AddSubtract;
    return work(mode, task, typed);
}

void expectDiagnosis(const ExerciseTask& task, const TypedAnswer& typed, const Expected& expected) {
    const Diagnosis diagnosis = worked(task, typed).diagnosis;
    EXPECT_EQ(diagnosis.finding, expected.finding) << joined(typed);
    EXPECT_EQ(diagnosis.parts, expected.parts) << joined(typed);
    if (expected.finding == F::FormOnly) {
        EXPECT_EQ(diagnosis.slips, expected.slips) << joined(typed);
        EXPECT_EQ(diagnosis.slip, expected.slips.front()) << joined(typed);
        EXPECT_EQ(diagnosis.reducedFraction, expected.reduced) << joined(typed);
    }
}

// |4 + j3| = 5, where x² − y² = 7 is positive.
const ExerciseTask kModulusOfFourAndThree = task(Operation::Modulus, {4, 3}, {}, {"4  +  j (3)"}, {{"5", "5"}});
// (1 + j2) / (3 + j4) = (11 + j2) / 25: a divisor whose modulus 5 is whole.
const ExerciseTask kWholeModulusDivisor = task(Operation::Divide, {1, 2}, {3, 4}, {"  1  +  j (2)", "  3  +  j (4)"},
                                               {{"11", "11"}, {"25", "25"}, {"2", "+ j (2)"}});
// [5 + j(−4)] − [5 − j(−8)] = 0 − j12.
const ExerciseTask kImaginaryDifference =
    task(Operation::Subtract, {5, -4}, {5, 8}, {"[5  +  j (-4)] - [5  -  j (-8)]"}, {{"0-j12", "0-j12"}}, false, true);

// Each finding with an answer that shows it, followed by a close answer that shows another. A finding whose words are
// pinned in SaysWhatIsWrongInTheWordsOfATeacher is named there, a slip the sweep below applies to drawn tasks there.
TEST(Diagnosis, NamesTheMostSpecificFaultOfAnAnswer) {
    const struct {
        const ExerciseTask& task;
        TypedAnswer typed;
        Expected expected;
    } cases[] = {
        // (2 + j)(−1 + j9) = −11 + j17; the first operand misread gives 7 + j19, the second 7 − j19.
        {kProduct, {"-11+j17"}, {F::Right}},
        {kProduct, {" "}, {F::Unreadable}},
        {kProduct, {"(2+j1)*(-1+j9)"}, {F::Unreadable}},
        {kProduct, {"(-11+j17)"}, {F::FormOnly, {}, {S::Brackets}}},
        {kProduct, {"-11 + j17"}, {F::FormOnly, {}, {S::Blanks}}},
        {kProduct, {"-11 + j18"}, {F::WrongParts, {P::Imaginary}}},
        {kProduct, {"-11+17j"}, {F::FormOnly, {}, {S::UnitAfterNumber}}},
        {kProduct, {"-11+18"}, {F::Unreadable}},  // not the value with a j before the 18
        {kProduct, {"-11+i17"}, {F::FormOnly, {}, {S::UnitLetter}}},
        {kProduct, {"-11+j017"}, {F::FormOnly, {}, {S::NumberForm}}},
        {kProduct, {"-11.0+j17"}, {F::FormOnly, {}, {S::NumberForm}}},
        {kProduct, {"−11+j17"}, {F::FormOnly, {}, {S::TypographicMinus}}},
        {kProduct, {"-11+j+17"}, {F::FormOnly, {}, {S::SignAfterUnit}}},
        {kProduct, {"17+j11"}, {F::WrongParts, {P::Real, P::Imaginary}}},
        // (3 − j4) + (−2 + j4) = 1 + j0.
        {kSum, {"1-j0"}, {F::FormOnly, {}, {S::NegativeZero}}},
        {kSum, {"-1+j0"}, {F::SignTurned, {P::Real}}},
        {kSum, {"0+j1"}, {F::PartsSwapped}},
        // [30 + j(−45)] + [−12 − j(−20)] = 18 − j25.
        {kDoubleSigns, {"18\u2013j25"}, {F::FormOnly, {}, {S::TypographicMinus}}},
        {kDoubleSigns, {"18+-j25"}, {F::FormOnly, {}, {S::DoubleSign}}},
        {kDoubleSigns, {"18-j*25"}, {F::FormOnly, {}, {S::TimesSign}}},
        {kDoubleSigns,
         {"(+18) − j(25)"},
         {F::FormOnly, {}, {S::Blanks, S::Brackets, S::TypographicMinus, S::NumberForm}}},
        // (−37 + j5) − (12 + j8) = −49 − j3.
        {kDifference, {"-j3-49"}, {F::FormOnly, {}, {S::ImaginaryFirst}}},
        {kDifference, {"+-49-j3"}, {F::FormOnly, {}, {S::DoubleSign}}},
        // |3 − j4| = √25 = 5.
        {kModulus, {"5,0"}, {F::FormOnly, {}, {S::NumberForm}}},
        {kModulus, {"+5"}, {F::FormOnly, {}, {S::NumberForm}}},
        {kModulus, {"Wurzel 25"}, {F::RootNotTaken}},
        {kModulus, {"√26"}, {F::WrongParts, {P::Modulus}}},
        {kModulus, {"√x"}, {F::Unreadable}},
        // (2 + j) / (−1 + j9) = (7 − j19) / 82.
        {kQuotient, {"7", "82", "-19"}, {F::Right}},
        {kQuotient, {"", "", ""}, {F::Nothing}},
        {kQuotient, {"", "", "0"}, {F::EmptyFields, {P::RealNumerator, P::Denominator}}},
        {kQuotient, {"+7", "82", "-19"}, {F::FormOnly, {}, {S::NumberForm}}},
        {kQuotient, {"7", "82", "j-19"}, {F::FormOnly, {}, {S::UnitInField}}},
        {kQuotient, {"7", "82", "j19"}, {F::SignTurned, {P::ImaginaryNumerator}}},
        {kQuotient, {"14", "164", "-39"}, {F::WrongParts, {P::ImaginaryNumerator}}},
        {kQuotient, {"-7", "82", "19"}, {F::WrongParts, {P::RealNumerator, P::ImaginaryNumerator}}},
        // (2 + j4) / (1 + j) = (6 + j2) / 2: the reduced fraction has the value but not the form.
        {kReducible, {"3", "1", "1"}, {F::FormOnly, {}, {S::Other}, true}},
    };
    for (const auto& c : cases)
        expectDiagnosis(c.task, c.typed, c.expected);
    EXPECT_EQ(worked(kProduct, {"7+j19"}).diagnosis.operand, 1);
    EXPECT_EQ(worked(kProduct, {"7-j19"}).diagnosis.operand, 2);
}

TEST(Diagnosis, ComparesDecimalsExactlyAsFractionsOfWholeNumbers) {
    // (−1 − j(−7)) / (−1 + j(−7)) = (−48 − j14) / 50 = −0.96 − j0.28, neither of them exact in binary.
    const ExerciseTask quotient = task(Operation::Divide, {-1, 7}, {-1, -7}, {"  -1  -  j (-7)", "  -1  +  j (-7)"},
                                       {{"-48", "-48"}, {"50", "50"}, {"-14", "+ j (-14)"}}, true, false);
    expectDiagnosis(quotient, {"-0.96", "1", "-0.28"}, {F::FormOnly, {}, {S::Other}, true});
    expectDiagnosis(quotient, {"-4.8", "5", "-1.4"}, {F::FormOnly, {}, {S::Other}, true});
    // A decimal that is not the value is wrong in its own part.
    expectDiagnosis(quotient, {"-.97", "1", "-.28"}, {F::WrongParts, {P::RealNumerator}});
}

TEST(Diagnosis, PointsAtTheDenominatorsJSquaredWhereItIsWorkedOut) {
    // (3 + j4) / (1 − j2) = (−5 + j10) / 5; with j² = +1 in the denominator 1 − 4 = −3.
    const ExerciseTask quotient = task(Operation::Divide, {3, 4}, {1, -2}, {"  3  +  j (4)", "  1  -  j (2)"},
                                       {{"-5", "-5"}, {"5", "5"}, {"10", "+ j (10)"}}, false, true);
    const WorkedSolution solution = worked(quotient, {"-5", "-3", "10"});
    EXPECT_EQ(said(solution), "Es sieht so aus, als wäre im Nenner j² = +1 gerechnet worden; es gilt aber j² = −1.");
    std::vector<std::string> shown;
    for (const Step& step : solution.steps)
        shown.push_back((step.slipHere ? "> " : "") + stepcheck::line(step));
    EXPECT_NE(std::ranges::find(shown, "(1 − j2) · (1 + j2) = 1² − j² · (−2)²"), shown.end());
    EXPECT_NE(std::ranges::find(shown, "> = 1² + (−2)² = 1 + 4 = 5"), shown.end());
}

// Where the numbers of two findings coincide, the page names the one pinned first.
TEST(Diagnosis, PinsTheOrderOfFindingsWhoseNumbersCoincide) {
    // [3 + j(−4)] − [−2 + j(1)] = 5 − j5: −5 + j5 is b − a, also both signs turned and the parts swapped.
    expectDiagnosis(
        task(Operation::Subtract, {3, -4}, {-2, 1}, {"[3  +  j (-4)] - [-2  +  j (1)]"}, {{"5-j5", "5-j5"}}), {"-5+j5"},
        {F::ReversedDifference});
    // (3 − j4) + (2 − j) = 5 − j5: −5 + j5 is both signs turned and the parts swapped.
    expectDiagnosis(task(Operation::Add, {3, -4}, {2, -1}, {"[3  +  j (-4)] + [2  +  j (-1)]"}, {{"5-j5", "5-j5"}}),
                    {"-5+j5"}, {F::Negated});
    // j2 · (3 + j4) = −8 + j6: with ac = 0, j² = +1 gives 8 + j6, the real part's sign turned.
    expectDiagnosis(task(Operation::Multiply, {0, 2}, {3, 4}, {"[0  +  j (2)] * [3  +  j (4)]"}, {{"-8+j6", "-8+j6"}}),
                    {"8+j6"}, {F::JSquaredAsPlusOne});
    // j3 / (1 + j2) = (6 + j3) / 5: with a purely imaginary dividend the divisor itself gives −6 + j3, and so does
    // j² = +1 in the numerator.
    expectDiagnosis(task(Operation::Divide, {0, 3}, {1, 2}, {"  0  +  j (3)", "  1  +  j (2)"},
                         {{"6", "6"}, {"5", "5"}, {"3", "+ j (3)"}}),
                    {"-6", "5", "3"}, {F::DivisorNotConjugated});
    // |0 − j7| = 7: x + y = −7 is the modulus negative; |3 + j4|: x + y = |x| + |y| = 7.
    expectDiagnosis(task(Operation::Modulus, {0, -7}, {}, {"0  -  j (7)"}, {{"7", "7"}}, true), {"-7"},
                    {F::SignTurned, {P::Modulus}});
    expectDiagnosis(task(Operation::Modulus, {3, 4}, {}, {"3  +  j (4)"}, {{"5", "5"}}), {"7"}, {F::PartsAdded});
}

// The words, pinned: a sentence that names the real part where it means the imaginary part fails here. Each also
// pins its finding, its parts and its slips.
TEST(Diagnosis, SaysWhatIsWrongInTheWordsOfATeacher) {
    const std::string kLooks = "Es sieht so aus, als ";
    const std::string kFormOnly = "Der Wert stimmt, nur die Schreibweise nicht. ";
    const std::string kAskedCartesian = " Verlangt ist die Form x+jy bzw. x-jy, ohne Leerzeichen und Klammern.";
    const std::string kAskedFraction =
        " Verlangt sind drei ganze Zahlen: Realteil und Imaginärteil des Zählers und der Nenner.";
    const std::string kQuotientAsked = " In der verlangten Form: (7  + j (-19)) / (82)";
    const struct {
        struct {
            const ExerciseTask& task;
            TypedAnswer typed;
        } answer;
        std::string said;
    } cases[] = {
        // j² = +1 gives 7 + j17, part by part −2 + j9, the second operand misread 7 − j19.
        {{kProduct, {"11+j17"}}, "Der Realteil hat das falsche Vorzeichen."},
        {{kProduct, {"-11-j17"}}, "Der Imaginärteil hat das falsche Vorzeichen."},
        {{kProduct, {"12+j17"}}, "Der Realteil stimmt nicht."},
        {{kProduct, {"-11-j16"}}, "Der Imaginärteil stimmt nicht."},
        {{kProduct, {"7+j18"}}, "Realteil und Imaginärteil stimmen beide nicht."},
        {{kProduct, {"17-j11"}}, "Realteil und Imaginärteil sind vertauscht."},
        {{kProduct, {"11-j17"}}, "Realteil und Imaginärteil haben beide das falsche Vorzeichen."},
        {{kProduct, {"7+j17"}}, kLooks + "wäre beim Ausmultiplizieren j² = +1 gerechnet worden; es gilt aber j² = −1."},
        {{kProduct, {"-2+j9"}},
         kLooks + "wären nur Realteil mal Realteil und Imaginärteil mal Imaginärteil gerechnet worden. "
                  "Beim Ausmultiplizieren wird aber jeder Teil mit jedem Teil multipliziert."},
        {{kProduct, {"7-j19"}},
         kLooks + "wäre bei einer Zahl der Aufgabe das Vorzeichen vor dem j falsch gelesen worden. "
                  "Sie lautet: −1 − j(−9) = −1 + j9"},
        {{kProduct, {""}}, "Es wurde nichts eingegeben." + kAskedCartesian},
        {{kProduct, {"-11+j17x"}}, "Die Eingabe lässt sich nicht als Zahl lesen." + kAskedCartesian},
        {{kSum, {"1"}},
         kFormOnly + "Beide Teile gehören in die Eingabe, auch ein Teil, der null ist. In der verlangten Form: 1+j0"},
        {{kSum, {"5-j8"}}, kLooks + "wäre subtrahiert worden; die Aufgabe verlangt aber die Summe."},
        {{kDifference, {"49+j3"}},
         kLooks +
             "wäre die erste Zahl von der zweiten abgezogen worden; abgezogen wird aber die zweite von der ersten."},
        {{kDifference, {"-25+j13"}}, kLooks + "wäre addiert worden; die Aufgabe verlangt aber die Differenz."},
        // A number without its j, where the real part is 0.
        {{kImaginaryDifference, {"-12"}}, kLooks + "fehlte das j vor dem Imaginärteil. In der verlangten Form: 0-j12"},
        // The answers that students gave and the page misjudged: x + j−y, the typographic minus that looks right.
        {{kDoubleSigns, {"18+j-25"}},
         kFormOnly +
             "Das Vorzeichen des Imaginärteils steht vor dem j: 3-j4, nicht 3+j-4. In der verlangten Form: 18-j25"},
        {{kDoubleSigns, {"18\u2212j25"}},
         kFormOnly + "Das Minus ist ein typografisches Zeichen (− oder –); getippt wird das Minus der Tastatur (-). "
                     "In der verlangten Form: 18-j25"},
        {{kDoubleSigns, {"18 - 25i"}},
         kFormOnly + "Leerzeichen gehören nicht in die Eingabe. Die imaginäre Einheit wird als kleines j geschrieben. "
                     "Das j steht vor der Zahl: j4, nicht 4j. In der verlangten Form: 18-j25"},
        // |3 − j4| = √25 = 5; x + y = −1, |x| + |y| = 7.
        {{kModulus, {"25"}}, "Das ist die Summe der Quadrate; der Betrag ist ihre Wurzel: √(25) = 5"},
        {{kModulus, {"√25"}}, "Der Wert stimmt, nur ist die Wurzel noch zu ziehen: √(25) = 5"},
        {{kModulus, {"-5"}}, "Ein Betrag ist nie negativ."},
        {{kModulus, {"6"}}, "Der Betrag stimmt nicht."},
        {{kModulus, {"-1"}},
         kLooks + "wären Realteil und Imaginärteil addiert worden. "
                  "Der Betrag ist aber die Wurzel aus der Summe ihrer Quadrate."},
        {{kModulus, {"7"}},
         kLooks + "wären die Beträge von Realteil und Imaginärteil addiert worden. "
                  "Der Betrag ist aber die Wurzel aus der Summe ihrer Quadrate."},
        {{kModulusOfFourAndThree, {"√7"}},
         kLooks + "wäre das Quadrat des Imaginärteils abgezogen worden. "
                  "Unter der Wurzel steht die Summe der Quadrate; das j gehört nicht zum Imaginärteil."},
        {{kModulus, {"5+j0"}},
         kFormOnly + "Der Betrag ist eine reelle Zahl; er wird ohne j geschrieben. In der verlangten Form: 5"},
        {{kModulus, {"x"}}, "Die Eingabe lässt sich nicht als Zahl lesen. Verlangt ist der Betrag als ganze Zahl."},
        // (2 + j) / (−1 + j9) = (7 − j19) / 82; the divisor itself gives −11 + j17, j² = +1 gives −11 and −80.
        {{kQuotient, {"-7", "82", "-19"}}, "Der Realteil des Zählers hat das falsche Vorzeichen."},
        {{kQuotient, {"7", "82", "19"}}, "Der Imaginärteil des Zählers hat das falsche Vorzeichen."},
        {{kQuotient, {"7", "-82", "-19"}}, "Der Nenner hat das falsche Vorzeichen."},
        {{kQuotient, {"8", "82", "-19"}}, "Der Realteil des Zählers stimmt nicht."},
        {{kQuotient, {"7", "82", "-18"}}, "Der Imaginärteil des Zählers stimmt nicht."},
        {{kQuotient, {"7", "81", "-19"}}, "Der Nenner stimmt nicht."},
        {{kQuotient, {"-11", "82", "-18"}}, "Realteil und Imaginärteil des Zählers stimmen beide nicht."},
        {{kQuotient, {"8", "81", "-19"}}, "Der Realteil des Zählers und der Nenner stimmen nicht."},
        {{kQuotient, {"7", "81", "-18"}}, "Der Imaginärteil des Zählers und der Nenner stimmen nicht."},
        {{kQuotient, {"8", "81", "-18"}}, "Keine der drei Zahlen stimmt."},
        {{kQuotient, {"-19", "82", "7"}}, "Realteil und Imaginärteil des Zählers sind vertauscht."},
        {{kQuotient, {"-11", "82", "-19"}}, kLooks + "wäre im Zähler j² = +1 gerechnet worden; es gilt aber j² = −1."},
        {{kQuotient, {"-11", "-80", "-19"}},
         kLooks + "wäre im Zähler und im Nenner j² = +1 gerechnet worden; es gilt aber j² = −1."},
        {{kQuotient, {"-11", "82", "17"}},
         kLooks + "wären Zähler und Nenner mit dem Divisor selbst erweitert worden. "
                  "Erweitert wird mit dem konjugiert komplexen Divisor: das Vorzeichen seines Imaginärteils wechselt."},
        {{kWholeModulusDivisor, {"11", "5", "2"}},
         kLooks + "stünde im Nenner der Betrag des Divisors. Beim Erweitern entsteht aber sein Quadrat: c² + d²."},
        {{kQuotient, {"x", "82", "y"}},
         "Die Felder für den Realteil des Zählers und den Imaginärteil des Zählers lassen sich nicht als Zahl lesen." +
             kAskedFraction},
        {{kQuotient, {"x", "y", "z"}},
         "Die Felder für den Realteil des Zählers, den Imaginärteil des Zählers und den Nenner lassen sich nicht als "
         "Zahl lesen." +
             kAskedFraction},
        {{kQuotient, {"7", "x", "-19"}}, "Das Feld für den Nenner lässt sich nicht als Zahl lesen." + kAskedFraction},
        {{kQuotient, {"7", "", "-19"}}, "Das Feld für den Nenner ist leer." + kAskedFraction},
        {{kQuotient, {"", "82", ""}},
         "Die Felder für den Realteil des Zählers und den Imaginärteil des Zählers sind leer." + kAskedFraction},
        {{kQuotient, {"7", "82", "-j19"}},
         kFormOnly + "Das j steht schon vor dem Feld; in das Feld gehört nur die Zahl." + kQuotientAsked},
        {{kQuotient, {"14", "164", "-38"}},
         kFormOnly +
             "Verlangt ist der ungekürzte Bruch, der beim Erweitern mit dem konjugiert komplexen Divisor entsteht." +
             kQuotientAsked},
    };
    for (const auto& c : cases)
        EXPECT_EQ(said(worked(c.answer.task, c.answer.typed)), c.said) << joined(c.answer.typed);
}

// --- The sweep: every wrong rule applied to drawn tasks. ---

// What a rule makes of a task: the answer as typed and the value it reads as, in the test's own arithmetic; no value
// where the text reads as none.
struct Slipped {
    TypedAnswer typed;
    std::optional<std::vector<long long>> value;
};
struct Rule {
    const char* name;
    Finding finding;
    std::function<std::optional<Slipped>(const TaskNumbers&)> apply;
};

std::string number(long long value) { return std::to_string(value); }
// A text that reads as a whole number, the number itself, and fields that read as no value of the test's arithmetic.
Slipped reading(std::string text, long long value) { return {{std::move(text)}, {{value}}}; }
Slipped whole(long long value) { return reading(number(value), value); }
template <typename... Texts>
Slipped text(const Texts&... fields) {
    return {{std::string(fields)...}, std::nullopt};
}

// A + B, A − B or A · B in the test's arithmetic.
struct Complex {
    Complex(long long real, long long imaginary) : re(real), im(imaginary) {}
    long long re, im;
};
Complex operator+(Complex a, Complex b) { return {a.re + b.re, a.im + b.im}; }
Complex operator-(Complex a, Complex b) { return {a.re - b.re, a.im - b.im}; }
Complex operator*(Complex a, Complex b) { return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; }
Complex bar(Complex a) { return {a.re, -a.im}; }
std::optional<Complex> only(bool where, Complex value) { return where ? std::optional(value) : std::nullopt; }

// The operands of a sum, a difference or a product, its operation and its right value r.
struct Operands {
    Complex a, b;
    Operation operation;
    Complex operated(Complex x, Complex y) const {
        return operation == Operation::Add ? x + y : operation == Operation::Subtract ? x - y : x * y;
    }
    Complex r = operated(a, b);
};
Operands operands(const TaskNumbers& t) { return {{t.first.re, t.first.im}, {t.second.re, t.second.im}, t.operation}; }

// x + jy as the task asks for it, or with other signs before the unit.
std::string cartesian(Complex z, const char* plus = "+j", const char* minus = "-j") {
    return number(z.re) + (z.im < 0 ? minus : plus) + number(std::llabs(z.im));
}

// A right value written wrongly; nothing where the slip cannot show in this value.
Rule form(const char* name, std::string (*write)(Complex)) {
    return {name, F::FormOnly, [write](const TaskNumbers& t) -> std::optional<Slipped> {
                const Complex r = operands(t).r;
                return write(r).empty() ? std::nullopt : std::optional(Slipped{{write(r)}, {{r.re, r.im}}});
            }};
}

// A known slip: the value the slip gives, typed in the right form; none where the slip is not one of this task.
Rule valued(const char* name, Finding finding, std::function<std::optional<Complex>(Operands)> slip) {
    return {name, finding, [slip](const TaskNumbers& t) -> std::optional<Slipped> {
                const std::optional<Complex> v = slip(operands(t));
                return v ? std::optional(Slipped{{cartesian(*v)}, {{v->re, v->im}}}) : std::nullopt;
            }};
}

// The rules of sums, differences and products; the rules of one operation give nothing for another.
std::vector<Rule> cartesianRules() {
    using O = Operands;
    return {
        form("blanks", [](Complex r) { return cartesian(r, " + j", " - j"); }),
        form("brackets", [](Complex r) { return "(" + cartesian(r) + ")"; }),
        form("unit after", [](Complex r) { return cartesian(r, "+", "-") + "j"; }),
        form("i", [](Complex r) { return cartesian(r, "+i", "-i"); }),
        form("sign after j", [](Complex r) { return r.im < 0 ? number(r.re) + "+j" + number(r.im) : ""; }),
        form("typographic minus",  // the right text itself where nothing is negative: the sweep passes it by
             [](Complex r) {
                 return (r.re < 0 ? "\u2212" + number(-r.re) : number(r.re)) + (r.im < 0 ? "\u2212j" : "+j") +
                        number(std::llabs(r.im));
             }),
        form("imaginary first",
             [](Complex r) {
                 return (r.im < 0 ? "-j" : "j") + number(std::llabs(r.im)) + (r.re < 0 ? "" : "+") + number(r.re);
             }),
        valued("b − a", F::ReversedDifference, [](O t) { return only(t.operation == Operation::Subtract, t.b - t.a); }),
        valued("a + b", F::AddedInsteadOfSubtracted,
               [](O t) { return only(t.operation == Operation::Subtract, t.a + t.b); }),
        valued("a − b", F::SubtractedInsteadOfAdded,
               [](O t) { return only(t.operation == Operation::Add, t.a - t.b); }),
        valued("j² = +1", F::JSquaredAsPlusOne,
               [](O t) {
                   const Complex a = t.a, b = t.b;
                   return only(t.operation == Operation::Multiply,
                               Complex(a.re * b.re + a.im * b.im, a.re * b.im + a.im * b.re));
               }),
        valued("part by part", F::ProductPartByPart,
               [](O t) { return only(t.operation == Operation::Multiply, Complex(t.a.re * t.b.re, t.a.im * t.b.im)); }),
        valued("first misread", F::OperandSignMisread, [](O t) { return t.operated(bar(t.a), t.b); }),
        valued("second misread", F::OperandSignMisread, [](O t) { return t.operated(t.a, bar(t.b)); }),
        // The j forgotten: the imaginary part written as a plain number after the real part.
        {"j forgotten", F::UnitForgotten,
         [](const TaskNumbers& t) -> std::optional<Slipped> {
             const Complex r = operands(t).r;
             if (r.im == 0)
                 return std::nullopt;
             return r.re == 0 ? Slipped{{number(r.im)}, {{r.im, 0}}} : text(cartesian(r, "+", "-"));
         }},
        valued("negated", F::Negated, [](O t) { return only(t.r.re != 0 && t.r.im != 0, Complex(-t.r.re, -t.r.im)); }),
        valued("swapped", F::PartsSwapped, [](O t) { return Complex(t.r.im, t.r.re); }),
        valued("real sign", F::SignTurned, [](O t) { return Complex(-t.r.re, t.r.im); }),
        valued("imaginary sign", F::SignTurned, [](O t) { return Complex(t.r.re, -t.r.im); }),
    };
}

// |x + jy| = m, and x² + y².
struct Modulus {
    long long x, y, m, squares;
};
Rule modulusRule(const char* name, Finding finding, std::function<std::optional<Slipped>(Modulus)> make) {
    return {name, finding, [make](const TaskNumbers& t) {
                const long long x = t.first.re, y = t.first.im;
                return make({x, y, std::llround(std::sqrt(double(x * x + y * y))), x * x + y * y});
            }};
}

std::vector<Rule> modulusRules() {
    using Z = Modulus;
    return {
        modulusRule("plus", F::FormOnly, [](Z z) { return reading("+" + number(z.m), z.m); }),
        modulusRule("point", F::FormOnly, [](Z z) { return reading(number(z.m) + ".0", z.m); }),
        modulusRule("with j0", F::FormOnly, [](Z z) { return reading(number(z.m) + "+j0", z.m); }),
        modulusRule("root left", F::RootNotTaken, [](Z z) { return text("\u221A" + number(z.squares)); }),
        modulusRule("sqrt left", F::RootNotTaken, [](Z z) { return text("sqrt(" + number(z.squares) + ")"); }),
        modulusRule("squares subtracted", F::SquaresSubtracted,
                    [](Z z) {
                        const long long difference = z.x * z.x - z.y * z.y;
                        return z.y == 0 || difference <= 0 ? std::nullopt
                                                           : std::optional(text("\u221A" + number(difference)));
                    }),
        modulusRule("no root", F::RootMissing, [](Z z) { return whole(z.squares); }),
        modulusRule("negative", F::SignTurned, [](Z z) { return whole(-z.m); }),
        modulusRule("x + y", F::PartsAdded, [](Z z) { return whole(z.x + z.y); }),
        modulusRule("|x| + |y|", F::ModulusOfPartsAdded, [](Z z) { return whole(std::llabs(z.x) + std::llabs(z.y)); }),
    };
}

// a / c = n / d with n = a · c̄ and d = |c|²; with j² = +1 the real part of n and d come out as below.
struct Quotient {
    Complex a, c, n;
    long long d;
    long long realPlus() const { return a.re * c.re - a.im * c.im; }
    long long squaresPlus() const { return c.re * c.re - c.im * c.im; }
};
Rule divisionRule(const char* name, Finding finding, std::function<std::optional<Slipped>(const Quotient&)> make) {
    return {name, finding, [make](const TaskNumbers& t) {
                const Complex a(t.first.re, t.first.im), c(t.second.re, t.second.im);
                return make({a, c, a * bar(c), c.re * c.re + c.im * c.im});
            }};
}
// The fields as typed: real numerator, denominator, imaginary numerator, the last after `unit`; the value in the order
// p, r, q.
std::optional<Slipped> fields(long long p, long long q, long long r, const char* unit = "") {
    return Slipped{{number(p), number(q), unit + number(r)}, {{p, r, q}}};
}

// top / bottom as a decimal of at most twelve places, where the reduced denominator has no factor but 2 and 5.
std::optional<std::string> decimal(long long top, long long bottom, bool leadingDot) {
    const long long divisor = std::gcd(top, bottom);
    top /= divisor;
    bottom /= divisor;
    long long scale = 1;
    int places = 0;
    for (; scale % bottom != 0 && places < 12; ++places)
        scale *= 10;
    if (scale % bottom != 0)
        return std::nullopt;
    const long long digits = std::llabs(top) * (scale / bottom);
    std::string integer = number(digits / scale);
    if (leadingDot && integer == "0" && places > 0)
        integer.clear();
    return (top < 0 ? "-" : "") + integer + (places > 0 ? "." + number(digits % scale + scale).substr(1) : "");
}
template <bool leadingDot>
std::optional<Slipped> decimals(const Quotient& q) {
    const auto x = decimal(q.n.re, q.d, leadingDot), y = decimal(q.n.im, q.d, leadingDot);
    return !x || !y || q.d == 1 ? std::nullopt : std::optional(text(*x, "1", *y));
}

std::vector<Rule> divisionRules() {
    using Q = const Quotient&;
    return {
        divisionRule("decimals", F::FormOnly, decimals<false>),
        divisionRule("decimals without their 0", F::FormOnly, decimals<true>),
        divisionRule("doubled", F::FormOnly,
                     [](Q q) { return text(number(2 * q.n.re), number(2 * q.d), number(2 * q.n.im)); }),
        divisionRule("j in its field", F::FormOnly, [](Q q) { return fields(q.n.re, q.d, q.n.im, "j"); }),
        divisionRule("not conjugated", F::DivisorNotConjugated,
                     [](Q q) { return fields((q.a * q.c).re, q.d, (q.a * q.c).im); }),
        // The divisor itself below as well: the real part of c · c.
        divisionRule("not conjugated above and below", F::DivisorNotConjugated,
                     [](Q q) { return fields((q.a * q.c).re, q.squaresPlus(), (q.a * q.c).im); }),
        divisionRule("j² = +1 above", F::JSquaredAsPlusOne, [](Q q) { return fields(q.realPlus(), q.d, q.n.im); }),
        divisionRule("j² = +1 below", F::JSquaredAsPlusOne,
                     [](Q q) { return fields(q.n.re, q.squaresPlus(), q.n.im); }),
        divisionRule("j² = +1 above and below", F::JSquaredAsPlusOne,
                     [](Q q) { return fields(q.realPlus(), q.squaresPlus(), q.n.im); }),
        divisionRule("modulus below", F::DenominatorAsModulus,
                     [](Q q) {
                         const long long m = std::llround(std::sqrt(double(q.d)));
                         return m * m == q.d ? fields(q.n.re, m, q.n.im) : std::nullopt;
                     }),
        divisionRule("dividend misread", F::OperandSignMisread,
                     [](Q q) { return fields((bar(q.a) * bar(q.c)).re, q.d, (bar(q.a) * bar(q.c)).im); }),
        divisionRule("swapped", F::PartsSwapped, [](Q q) { return fields(q.n.im, q.d, q.n.re); }),
        divisionRule("real sign", F::SignTurned, [](Q q) { return fields(-q.n.re, q.d, q.n.im); }),
        divisionRule("imaginary sign", F::SignTurned, [](Q q) { return fields(q.n.re, q.d, -q.n.im); }),
        divisionRule("denominator sign", F::SignTurned, [](Q q) { return fields(q.n.re, -q.d, q.n.im); }),
        divisionRule("empty denominator", F::EmptyFields, [](Q q) { return text(number(q.n.re), "", number(q.n.im)); }),
        divisionRule("unreadable numerator", F::Unreadable,
                     [](Q q) { return text(number(q.n.re) + "x", number(q.d), number(q.n.im)); }),
    };
}

std::vector<Rule> rulesOf(ExerciseMode mode) {
    if (mode == M::AddSubtract || mode == M::Multiply)
        return cartesianRules();
    if (mode == M::Modulus)
        return modulusRules();
    if (mode == M::Divide)
        return divisionRules();
    return {};  // the polar modes' slips are swept in PolarModesTest
}

TEST(Diagnosis, NamesEveryWrongRuleAppliedToDrawnTasksOrAMoreSpecificFindingThatCoincides) {
    RandomSource source(20261208);
    for (const ModeLogic& logic : modeLogics()) {
        const std::vector<Rule> rules = rulesOf(logic.mode);
        std::map<std::size_t, int> named;  // the rules that slip in this mode, and how often they are named
        for (int drawn = 0; drawn < 400; ++drawn) {
            const ExerciseTask task = logic.makeTask(source);
            TypedAnswer right;
            for (const AnswerField& field : task.fields)
                right.push_back(field.expected);
            std::vector<std::optional<Slipped>> slipped;
            for (const Rule& rule : rules)
                slipped.push_back(rule.apply(task.numbers));
            for (std::size_t i = 0; i < rules.size(); ++i) {
                if (!slipped[i] || slipped[i]->typed == right)
                    continue;
                int& count = named[i];
                const WorkedSolution solution = workThrough(logic, task, judge(logic, task, slipped[i]->typed));
                const Finding found = solution.diagnosis.finding;
                const std::string what = task.shown.at(0) + " (" + rules[i].name + "): " + joined(slipped[i]->typed);
                // A value rule whose value is the right one slips nothing.
                if (rules[i].finding != F::FormOnly && found == F::FormOnly)
                    continue;
                bool coincides = found == rules[i].finding;
                for (std::size_t j = 0; j < i && !coincides; ++j)
                    coincides = rules[j].finding == found && slipped[j] && slipped[j]->value && slipped[i]->value &&
                                slipped[j]->value == slipped[i]->value;
                EXPECT_TRUE(coincides) << what << " is called finding " << static_cast<int>(found);
                count += found == rules[i].finding;
            }
        }
        for (const auto& [i, count] : named)
            EXPECT_GT(count, 0) << "rule " << rules[i].name << " never named";
    }
}

// --- Reading a typed answer. ---

TEST(AnswerReading, ReadsTheFormsAStudentWritesExactlyAndNothingElse) {
    // Every way of writing 3 + j4 and 3 − j4 a student may use, and a few values of their own.
    for (const std::string typed : {"3+j4", "3 + j4", "(3+j4)", "3+4j", "3+i4", "3+J4", "3+j*4", "3+j\u00B74",
                                    "3\u00A0+\u00A0j4", "+03,0+j4", "j4+3"})
        EXPECT_EQ(readExact(typed), (ExactValue{{3}, {4}})) << typed;
    for (const std::string typed : {"3+j(-4)", "3+j-4", "3-j+4", "3\u22124j", "3\u2013j4"})
        EXPECT_EQ(readExact(typed), (ExactValue{{3}, {-4}})) << typed;
    const std::pair<std::string, ExactValue> readable[] = {
        {"7", {{7}, {0}}}, {"-j12", {{0}, {-12}}}, {"2.5-j0,5", {{5, 2}, {-1, 2}}}, {"-.96", {{-24, 25}, {0}}},
        {"j", {{0}, {1}}}, {"-j", {{0}, {-1}}},    {"0.1+j0.2", {{1, 10}, {1, 5}}}};
    for (const auto& [typed, value] : readable)
        EXPECT_EQ(readExact(typed), value) << typed;
    for (const std::string typed :
         {"", " ", "x", "3+j4+j1", "3+4+j1", "3+j4j", "√25", "3/4", "3+j4)", "3+j-", ".", "1234567890123"})
        EXPECT_FALSE(readExact(typed)) << typed;
    // The same in floating point, for answers judged within a tolerance.
    EXPECT_EQ(readComplex("2,5-j0.5"), (ReadValue{2.5, -0.5}));
    EXPECT_EQ(readRoot("√(100)"), 100);
    EXPECT_EQ(readRoot("SQRT 100"), 100);
    EXPECT_FALSE(readRoot("√1.5"));
    EXPECT_FALSE(readRoot("100"));
}

}  // namespace
}  // namespace tessaro
