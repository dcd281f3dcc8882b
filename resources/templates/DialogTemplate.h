// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>

namespace tessaro {

// A dialog template: the screen's controls as data, placed in dialog units.
enum class ControlKind {
    PushButton,
    PictureButton,
    RadioButton,
    GroupBox,
    StaticText,
    StaticIcon,
    StaticPicture,
    Edit,
    ComplexPlane,  // a task drawn in the complex plane
};

namespace style {
inline constexpr unsigned TabStop = 1U << 0;
inline constexpr unsigned Group = 1U << 1;
inline constexpr unsigned DefaultButton = 1U << 2;
inline constexpr unsigned MultiLine = 1U << 3;
inline constexpr unsigned ReadOnly = 1U << 4;
inline constexpr unsigned Border = 1U << 5;
inline constexpr unsigned AlignCenter = 1U << 6;
inline constexpr unsigned AlignRight = 1U << 7;
// A translation of the text is centred in the rectangle, where the German text keeps its own alignment.
inline constexpr unsigned CenterTranslation = 1U << 8;
}  // namespace style

inline constexpr int kNoId = -1;
inline constexpr int kOkId = 1;
inline constexpr int kCancelId = 2;

struct DialogUnitRect {
    int x;
    int y;
    int width;
    int height;
};

// For pictures and icons `text` names the image resource. A field's accessible name says what it holds, for
// screen readers; captions and labels name themselves.
struct ControlTemplate {
    int id;
    ControlKind kind;
    const char* text;  // UTF-8
    DialogUnitRect rect;
    unsigned style;
    const char* accessibleName = nullptr;  // UTF-8
};

enum class FrameKind {
    MainWindow,  // caption, minimise box, sizing border
    Modal,       // fixed size, caption and close box
};

// Controls are listed in tab order.
struct DialogTemplate {
    int id;
    const char* title;  // UTF-8
    int width;
    int height;
    FrameKind frame;
    std::span<const ControlTemplate> controls;
};

}  // namespace tessaro
