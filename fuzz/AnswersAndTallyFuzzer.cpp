// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the answer checks and the tally as the screens use them: tasks of every mode drawn from any raw values,
// any typed answers judged, every verdict counted, resets between. In a mode judged by its text only the one plain
// rendering of the result may be judged right; in a mode judged by value a number the fuzzer writes is right exactly
// where it lies within the tolerance the fuzzer works out itself. The worked solution of every answer must find a
// fault exactly when it was judged wrong, and the tally's texts must always show the fuzzer's own count.

#include "logic/DecimalMark.h"
#include "logic/ModeLogic.h"
#include "logic/ScoreTally.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <string>

namespace {

using namespace tessaro;

void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "violated: %s\n", what);
        std::abort();
    }
}

// The fuzzer's raw values, then the program's generator once they run out: zeros alone would draw zero divisors
// for ever.
struct FuzzedSource final : RawValueSource {
    explicit FuzzedSource(FuzzedDataProvider& data) : data(data) {}
    int nextRaw() override {
        return data.remaining_bytes() > 0 ? data.ConsumeIntegralInRange(0, 32767) : generator.nextRaw();
    }
    FuzzedDataProvider& data;
    RandomSource generator{1};
};

using Value = std::complex<double>;
constexpr double kDegree = std::numbers::pi / 180;

Value polar(PolarValue z) { return std::polar<double>(z.modulus, z.degrees * kDegree); }
double degreesOf(Value z) { return std::atan2(z.imag(), z.real()) / kDegree; }
double turn(double a, double b) {
    const double d = std::fmod(std::abs(a - b), 360.0);
    return std::min(d, 360 - d);
}

// The right value of a task judged by value and how far an answer may lie from it in each part, worked out here from
// the rule: a student with a calculator who keeps two decimals in every step, one in an angle.
struct Rule {
    Value value;  // the modulus and angle of a polar answer, or x + jy
    double first, second;
};
Rule ruleOf(const TaskNumbers& numbers) {
    const Value a = polar(numbers.firstPolar), b = polar(numbers.secondPolar);
    switch (numbers.operation) {
    case Operation::ToPolar: {
        const Value z(numbers.first.re, numbers.first.im);
        return {z, std::max(0.005 * std::abs(z), 0.05), 0.1};
    }
    case Operation::ToCartesian:
        return {a, std::max(0.005 * std::abs(a), 0.05), std::max(0.005 * std::abs(a), 0.05)};
    case Operation::PolarMultiply:
        return {a * b, 0.005, 0.05};
    case Operation::PolarDivide:
        return {a / b, 0.005, 0.05};
    case Operation::AddPhasors: {
        // The parts of the sum each up to 0.01 off, as the rounded parts of the phasors leave them.
        double most = 0;
        for (const double dx : {-0.01, 0.01})
            for (const double dy : {-0.01, 0.01})
                most = std::max(most, turn(degreesOf(a + b + Value(dx, dy)), degreesOf(a + b)));
        return {a + b, std::max(0.005 * std::abs(a + b), 0.05), std::max(0.1, 0.05 + most)};
    }
    default:
        std::abort();
    }
}

// A number as a student might write it: the decimal comma or point, blanks, a degree sign after an angle.
std::string written(double value, FuzzedDataProvider& data, bool angle) {
    char text[64];
    std::snprintf(text, sizeof text, "%.7f", value);
    std::string number = text;
    if (data.ConsumeBool())
        std::replace(number.begin(), number.end(), '.', ',');
    if (data.ConsumeBool())
        number = " " + number + " ";
    if (angle && data.ConsumeBool())
        number += "\u00B0";
    return number;
}

// An offset of up to three tolerances; none at the edge itself, where the decimals written decide.
double offset(FuzzedDataProvider& data, double tolerance, bool& within) {
    const int thousandths = data.ConsumeIntegralInRange(-3000, 3000);
    if (std::abs(std::abs(thousandths) - 1000) < 2)
        return 0;
    within = within && std::abs(thousandths) < 1000;
    return thousandths / 1000.0 * tolerance;
}

// An answer that lies a known way from the right value, and whether it is within the tolerance.
std::vector<std::string> nearAnswer(const ExerciseTask& task, FuzzedDataProvider& data, bool& within) {
    const Rule rule = ruleOf(task.numbers);
    within = true;
    if (task.numbers.operation == Operation::ToCartesian) {
        const double x = rule.value.real() + offset(data, rule.first, within);
        const double y = rule.value.imag() + offset(data, rule.second, within);
        return {written(x, data, false) + (y < 0 ? "-j" : "+j") + written(std::abs(y), data, false)};
    }
    const double modulus = std::abs(rule.value) + offset(data, rule.first, within);
    const int turns = data.ConsumeIntegralInRange(-3, 3);
    const double angle = degreesOf(rule.value) + 360.0 * turns + offset(data, rule.second, within);
    return {written(modulus, data, false), written(angle, data, true)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    FuzzedSource source(data);
    ScoreTally tally;
    tally.reset();
    long long right = 0, wrong = 0;
    while (data.remaining_bytes() > 0) {
        if (data.ConsumeIntegralInRange(0, 15) == 0) {
            tally.reset();
            right = wrong = 0;
        }
        const std::span<const ModeLogic> modes = modeLogics();
        const ModeLogic& logic = modes[data.ConsumeIntegralInRange<std::size_t>(0, modes.size() - 1)];
        const ExerciseTask task = logic.makeTask(source);
        require(task.numbers.operation != Operation::Divide || task.numbers.second != ComplexValue{}, "a zero divisor");
        TypedAnswer answer;
        for (const AnswerField& field : task.fields)
            answer.push_back(field.expected);
        // Typed: the right answer, one text of it with a character slipped in, anything at all, or where the task
        // is judged by value a number near the right one.
        const bool byValue = task.fields.front().byValue.has_value();
        std::vector<std::string> typed = answer;
        std::string& changed = typed[data.ConsumeIntegralInRange<std::size_t>(0, typed.size() - 1)];
        bool near = false, within = false;
        switch (data.ConsumeIntegralInRange(0, byValue ? 3 : 2)) {
        case 1:
            changed.insert(data.ConsumeIntegralInRange<std::size_t>(0, changed.size()), 1,
                           data.ConsumeIntegral<char>());
            break;
        case 2:
            changed = data.ConsumeRandomLengthString(16);
            break;
        case 3:
            typed = nearAnswer(task, data, within);
            near = true;
        }
        const Judgement judgement = judge(logic, task, typed);
        const bool judged = judgement.right();
        if (!byValue)
            require(judged == (typed == answer), "only the plain rendering of the result is right");
        else if (near)
            require(judged == within, "right exactly within the tolerance");
        else if (typed == answer)
            require(judged, "the plain rendering of the result is right");
        const WorkedSolution solution = workThrough(logic, task, judgement);
        require(solution.explanation.empty() == judged, "a fault is named exactly in a wrong answer");
        require(withDecimalMark(solution, ',').steps.size() == solution.steps.size(), "the decimal mark changes marks");

        tally.record(judged);
        ++(judged ? right : wrong);
        const long long percent = (200 * right + right + wrong) / (2 * (right + wrong));
        require(tally.rightText() == std::to_string(right) && tally.wrongText() == std::to_string(wrong) &&
                    tally.percentFigure() == std::to_string(percent),
                "the tally shows the count");
    }
    return 0;
}
