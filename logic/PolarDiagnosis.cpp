// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/PolarDiagnosis.h"

#include "logic/PolarNumber.h"
#include "logic/PolarReading.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace tessaro {

namespace {

// The decimals an answer is asked for: two, in an angle one.
int askedDecimals(JudgedValue::Kind kind) { return kind == JudgedValue::Kind::Angle ? 1 : 2; }

// What one decimal fewer in every rounded step can give lies within ten times the tolerance.
constexpr double kCoarseBand = 10;

Diagnosis named(Finding finding, AnswerForm form, std::vector<AnswerPart> parts = {}, MathTerm detail = {}) {
    Diagnosis diagnosis;
    diagnosis.finding = finding;
    diagnosis.form = form;
    diagnosis.parts = std::move(parts);
    diagnosis.detail = std::move(detail);
    return diagnosis;
}

Diagnosis named(const Slip& slip, AnswerForm form) { return named(slip.finding, form, slip.parts, slip.detail); }

JudgedValue movedTo(JudgedValue judged, const Slip& slip) {
    judged.value = slip.value;
    judged.imaginary = slip.imaginary;
    return judged;
}

// A slip that is no slip here, because it leaves the value as it is, is not looked for.
bool shows(const Slip& slip, const JudgedValue& right, ReadValue value) {
    const JudgedValue after = movedTo(right, slip);
    JudgedValue exactly = right;
    exactly.tolerance = 0;
    return !isWithinTolerance(ReadValue{after.value, after.imaginary}, exactly) && isWithinTolerance(value, after);
}

double distance(double typed, double right, JudgedValue::Kind kind) {
    return kind == JudgedValue::Kind::Angle ? angleDistance(typed, right) : std::abs(typed - right);
}

// One number of the answer that is not within the tolerance, as too coarse a rounding leaves it.
bool roundedTooCoarsely(double typed, double right, double tolerance, JudgedValue::Kind kind, bool roundedSteps) {
    const int asked = askedDecimals(kind);
    for (int decimals = 0; decimals < asked; ++decimals) {
        const double scale = std::pow(10.0, decimals);
        for (const double shortened : {std::round(right * scale) / scale, std::trunc(right * scale) / scale})
            if (distance(typed, shortened, kind) < 1e-9)
                return true;
    }
    return roundedSteps && distance(typed, right, kind) <= kCoarseBand * tolerance;
}

// What one part of a polar answer shows: nothing (nullopt where it is right), a slip, too coarse a rounding, or that it
// is wrong (WrongParts).
std::optional<Diagnosis> partFinding(ReadValue value, const JudgedValue& right, const std::vector<Slip>& slips,
                                     bool roundedSteps, AnswerPart part) {
    if (isWithinTolerance(value, right))
        return std::nullopt;
    for (const Slip& slip : slips)
        if (shows(slip, right, value))
            return named(slip, AnswerForm::Polar);
    if (roundedTooCoarsely(value.re, right.value, right.tolerance, right.kind, roundedSteps))
        return named(Finding::RoundedTooCoarsely, AnswerForm::Polar);
    return named(Finding::WrongParts, AnswerForm::Polar, {part});
}

// Nothing typed, or a field that cannot be read; nullopt where every field holds a value of its kind. `parts` names
// the fields where the answer has several, and the finding then names the fields it concerns.
std::optional<Diagnosis> unreadable(const ExerciseTask& task, const TypedAnswer& typed, AnswerForm form,
                                    const std::vector<AnswerPart>& parts, std::vector<ReadValue>& values) {
    std::vector<AnswerPart> empty, cannotRead;
    bool anyTyped = false, anyUnreadable = false;
    for (std::size_t i = 0; i < task.fields.size(); ++i) {
        const std::string text = typedField(typed, i);
        const std::optional<ReadValue> value = readJudged(text, task.fields[i].byValue->kind);
        anyTyped = anyTyped || !text.empty();
        anyUnreadable = anyUnreadable || (!text.empty() && !value);
        if (i < parts.size() && text.empty())
            empty.push_back(parts[i]);
        else if (i < parts.size() && !value)
            cannotRead.push_back(parts[i]);
        values.push_back(value.value_or(ReadValue{}));
    }
    if (!anyTyped)
        return named(Finding::Nothing, form);
    if (anyUnreadable)
        return named(Finding::Unreadable, form, cannotRead);
    if (!empty.empty())
        return named(Finding::Nothing, form, empty);
    return std::nullopt;
}

}  // namespace

Diagnosis diagnosePolar(const ExerciseTask& task, const TypedAnswer& typed, const PolarSlips& slips) {
    const std::array<AnswerPart, 2> parts{AnswerPart::Modulus, AnswerPart::Angle};
    std::vector<ReadValue> values;
    if (std::optional<Diagnosis> diagnosis =
            unreadable(task, typed, AnswerForm::Polar, {parts.begin(), parts.end()}, values))
        return *diagnosis;
    const JudgedValue& modulus = *task.fields[0].byValue;
    const JudgedValue& angle = *task.fields[1].byValue;
    for (const auto& [modulusSlip, angleSlip] : slips.both)
        if (shows(modulusSlip, modulus, values[0]) && shows(angleSlip, angle, values[1]))
            return named(modulusSlip, AnswerForm::Polar);

    // The slips of the parts first, then the parts that are wrong for no reason named.
    std::vector<Diagnosis> found;
    std::vector<AnswerPart> wrong;
    const std::array<std::optional<Diagnosis>, 2> partFindings{
        partFinding(values[0], modulus, slips.modulus, slips.roundedSteps, parts[0]),
        partFinding(values[1], angle, slips.angle, slips.roundedSteps, parts[1])};
    for (const std::optional<Diagnosis>& part : partFindings) {
        if (!part)
            continue;
        if (part->finding == Finding::WrongParts)
            wrong.push_back(part->parts.front());
        else if (found.empty() || found.front().finding != part->finding || found.front().parts != part->parts)
            found.push_back(*part);
    }
    if (!wrong.empty())
        found.push_back(named(Finding::WrongParts, AnswerForm::Polar, wrong));
    Diagnosis diagnosis = found.front();
    diagnosis.further.assign(found.begin() + 1, found.end());
    return diagnosis;
}

bool slipsStandApart(const ExerciseTask& task, const PolarSlips& slips) {
    const JudgedValue& modulus = *task.fields.at(0).byValue;
    const JudgedValue& angle = *task.fields.at(1).byValue;
    const auto apart = [](const Slip& slip, const JudgedValue& right) {
        const ReadValue value{slip.value, slip.imaginary};
        JudgedValue exactly = right;
        exactly.tolerance = 0;
        return isWithinTolerance(value, exactly) || !isWithinTolerance(value, right);
    };
    const auto allApart = [&apart](const std::vector<Slip>& list, const JudgedValue& right) {
        return std::ranges::all_of(list, [&](const Slip& slip) { return apart(slip, right); });
    };
    return allApart(slips.modulus, modulus) && allApart(slips.angle, angle) &&
           std::ranges::all_of(slips.both, [&](const std::pair<Slip, Slip>& both) {
               return apart(both.first, modulus) && apart(both.second, angle);
           });
}

Diagnosis diagnoseDecimalCartesian(const ExerciseTask& task, const TypedAnswer& typed, const std::vector<Slip>& slips,
                                   bool roundedSteps) {
    const AnswerForm form = AnswerForm::DecimalCartesian;
    std::vector<ReadValue> values;
    if (std::optional<Diagnosis> diagnosis = unreadable(task, typed, form, {}, values))
        return *diagnosis;
    const JudgedValue& right = *task.fields[0].byValue;
    const ReadValue value = values[0];
    for (const Slip& slip : slips)
        if (shows(slip, right, value))
            return named(slip, form);
    const double tolerance = right.tolerance;
    const bool realRight = std::abs(value.re - right.value) <= tolerance + 1e-9;
    const bool imaginaryRight = std::abs(value.im - right.imaginary) <= tolerance + 1e-9;
    const auto coarse = [tolerance, roundedSteps](double typed, double exact, bool within) {
        return within || roundedTooCoarsely(typed, exact, tolerance, JudgedValue::Kind::Cartesian, roundedSteps);
    };
    if (coarse(value.re, right.value, realRight) && coarse(value.im, right.imaginary, imaginaryRight))
        return named(Finding::RoundedTooCoarsely, form);
    std::vector<AnswerPart> wrong;
    if (!realRight)
        wrong.push_back(AnswerPart::Real);
    if (!imaginaryRight)
        wrong.push_back(AnswerPart::Imaginary);
    return named(Finding::WrongParts, form, wrong);
}

}  // namespace tessaro
