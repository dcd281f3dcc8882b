// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace tessaro {

// What a picture shows, in words, for those who cannot see it: a short name and the full text of the picture.
struct PictureText {
    const char* name;         // UTF-8
    const char* description;  // UTF-8
};

// The text of an image resource; empty texts for an unknown one.
PictureText pictureText(std::string_view resourcePath);

}  // namespace tessaro
