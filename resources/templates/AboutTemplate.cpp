// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/templates/AboutTemplate.h"

#include "generated/ProgramInfo.h"

#include <QtGlobal>

namespace tessaro::about {
namespace {

using K = ControlKind;
using namespace style;

// The tables keep one control a line.
// clang-format off
constexpr ControlTemplate kControls[] = {
    {kNoId, K::StaticText, kNameAndVersion, {53, 19, 119, 8}, 0},
    {kNoId, K::StaticText, kCopyright, {53, 46, 119, 8}, 0},
    {OkButton, K::PushButton, "OK", {224, 100, 50, 16}, DefaultButton | TabStop | Group},
    {kNoId, K::StaticIcon, ":/icons/icon130.png", {17, 19, 21, 20}, 0},
    {kNoId, K::StaticText, QT_TRANSLATE_NOOP("Template", "Tessaro ist freie Software unter der GNU General Public License, Version 3 oder später, ohne jegliche Gewährleistung."), {53, 74, 165, 26}, 0},
    {kNoId, K::StaticText, kAuthor, {53, 30, 54, 8}, 0},
    {kNoId, K::StaticText, QT_TRANSLATE_NOOP("Template", "Feedback bitte an:"), {191, 7, 61, 8}, 0},
    {kNoId, K::StaticText, kFeedbackAddress, {191, 22, 83, 8}, 0},
    {kNoId, K::StaticText, QT_TRANSLATE_NOOP("Template", "Homepage:"), {191, 47, 38, 8}, 0},
    {kNoId, K::StaticText, kHomepage, {191, 61, 83, 8}, 0},
};

constexpr DialogTemplate kTemplate{100, QT_TRANSLATE_NOOP("Template", "Info über Tessaro"), 281, 123, FrameKind::Modal, kControls};
// clang-format on

}  // namespace

const DialogTemplate& dialogTemplate() { return kTemplate; }

}  // namespace tessaro::about
