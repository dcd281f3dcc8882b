// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/RulePages.h"

#include "resources/templates/RulesTemplates.h"

using namespace tessaro;

iundj::iundj(QWidget* parent) : RulePage(rulepages::iundj(), parent) {}
Definition::Definition(QWidget* parent) : RulePage(rulepages::definition(), parent) {}
Betrag::Betrag(QWidget* parent) : RulePage(rulepages::modulus(), parent) {}
Addition::Addition(QWidget* parent) : RulePage(rulepages::addition(), parent) {}
Multiplikatioin::Multiplikatioin(QWidget* parent) : RulePage(rulepages::multiplication(), parent) {}
Division::Division(QWidget* parent) : RulePage(rulepages::division(), parent) {}
