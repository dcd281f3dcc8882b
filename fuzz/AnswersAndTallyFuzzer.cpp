// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the answer checks and the tally as the screens use them: tasks of every mode drawn from any raw values,
// any typed answers judged, every verdict counted, resets between. Only the one plain rendering of the result may
// be judged right, the worked solution of every answer must find a fault exactly when it was judged wrong, and the
// tally's texts must always show the fuzzer's own count.

#include "logic/ModeLogic.h"
#include "logic/ScoreTally.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
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
        // Typed: the right answer, one text of it with a character slipped in, or anything at all.
        std::vector<std::string> typed = answer;
        std::string& changed = typed[data.ConsumeIntegralInRange<std::size_t>(0, typed.size() - 1)];
        switch (data.ConsumeIntegralInRange(0, 2)) {
        case 1:
            changed.insert(data.ConsumeIntegralInRange<std::size_t>(0, changed.size()), 1,
                           data.ConsumeIntegral<char>());
            break;
        case 2:
            changed = data.ConsumeRandomLengthString(16);
        }
        const Judgement judgement = judge(logic, task, typed);
        const bool judged = judgement.right();
        require(judged == (typed == answer), "only the plain rendering of the result is right");
        const WorkedSolution solution = workThrough(logic, task, judgement);
        require(solution.explanation.empty() == judged, "a fault is named exactly in a wrong answer");

        tally.record(judged);
        ++(judged ? right : wrong);
        const long long percent = (200 * right + right + wrong) / (2 * (right + wrong));
        require(tally.rightText() == std::to_string(right) && tally.wrongText() == std::to_string(wrong) &&
                    tally.percentFigure() == std::to_string(percent),
                "the tally shows the count");
    }
    return 0;
}
