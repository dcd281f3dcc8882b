// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QApplication;

namespace tessaro {

// The program's name, and the same widget style and font on every desktop.
void setUpApplication(QApplication& application);

}  // namespace tessaro
