// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logic/DecimalMark.h"

#include "logic/PlaneSketch.h"

#include <utility>

namespace tessaro {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

Phrase markedPhrase(Phrase phrase, char mark) {
    phrase.literal = withDecimalMark(phrase.literal, mark);
    for (Phrase& argument : phrase.arguments)
        argument = markedPhrase(std::move(argument), mark);
    return phrase;
}

}  // namespace

std::string withDecimalMark(std::string_view text, char mark) {
    std::string marked(text);
    for (std::size_t i = 1; i + 1 < marked.size(); ++i)
        if (marked[i] == '.' && isDigit(marked[i - 1]) && isDigit(marked[i + 1]))
            marked[i] = mark;
    return marked;
}

MathTerm withDecimalMark(MathTerm term, char mark) {
    for (MathPiece& piece : term) {
        piece.text = withDecimalMark(piece.text, mark);
        for (MathTerm& part : piece.parts)
            part = withDecimalMark(std::move(part), mark);
    }
    return term;
}

WorkedSolution withDecimalMark(WorkedSolution solution, char mark) {
    solution.task = withDecimalMark(std::move(solution.task), mark);
    for (Step& step : solution.steps) {
        for (MathTerm& side : step.sides)
            side = withDecimalMark(std::move(side), mark);
        step.note = markedPhrase(std::move(step.note), mark);
    }
    solution.result = withDecimalMark(std::move(solution.result), mark);
    for (ExplanationLine& line : solution.explanation) {
        for (Phrase& sentence : line.sentences)
            sentence = markedPhrase(std::move(sentence), mark);
        line.formula = withDecimalMark(std::move(line.formula), mark);
    }
    solution.picture = withDecimalMark(std::move(solution.picture), mark);
    return solution;
}

}  // namespace tessaro
