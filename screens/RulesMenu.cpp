// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/RulesMenu.h"

#include "dialogkit/ScreenOpener.h"
#include "resources/templates/RulesTemplates.h"
#include "screens/RulePages.h"

#include <QPushButton>

using namespace tessaro;

Regeln::Regeln(QWidget* parent) : TemplateDialog(rulesmenu::dialogTemplate(), parent) {
    bindPageButton<iundj>(rulesmenu::IundjButton);
    bindPageButton<Definition>(rulesmenu::DefinitionButton);
    bindPageButton<Betrag>(rulesmenu::ModulusButton);
    bindPageButton<Addition>(rulesmenu::AdditionButton);
    bindPageButton<Multiplikatioin>(rulesmenu::MultiplicationButton);
    bindPageButton<Division>(rulesmenu::DivisionButton);
}

template <class Page>
void Regeln::bindPageButton(int id) {
    connect(control<QPushButton>(id), &QPushButton::clicked, this, [] { openScreen<Page>(); });
}
