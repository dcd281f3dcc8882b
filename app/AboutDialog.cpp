// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/AboutDialog.h"

#include "resources/templates/AboutTemplate.h"

namespace tessaro {

AboutDialog::AboutDialog(QWidget* parent) : TemplateDialog(about::dialogTemplate(), parent) {}

}  // namespace tessaro
