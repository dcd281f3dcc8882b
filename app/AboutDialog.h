// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogkit/TemplateDialog.h"

namespace tessaro {

// Shows the program's name, version, author, licence and where to send feedback.
class AboutDialog : public TemplateDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace tessaro
