// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/templates/LoesungswegTemplate.h"

#include <QtGlobal>

namespace tessaro::loesungsweg {
namespace {

using K = ControlKind;
using namespace style;

// clang-format off
constexpr ControlTemplate kControls[] = {
    {BackButton, K::PushButton, QT_TRANSLATE_NOOP("Template", "Zurück"), {210, 356, 60, 22}, DefaultButton | TabStop},
};

constexpr DialogTemplate kTemplate{160, QT_TRANSLATE_NOOP("Template", "Lösungsweg"), 480, 386, FrameKind::Modal, kControls};
// clang-format on

}  // namespace

const DialogTemplate& dialogTemplate() { return kTemplate; }

}  // namespace tessaro::loesungsweg
