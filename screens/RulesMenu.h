// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogkit/TemplateDialog.h"

// The rules menu: one "Ansehen!" button for each rule page.
class Regeln : public tessaro::TemplateDialog {
    Q_OBJECT
public:
    explicit Regeln(QWidget* parent = nullptr);

private:
    template <class Page>
    void bindPageButton(int id, const char* topic);
};
