// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/RulePages.h"

#include "dialogkit/Announcement.h"
#include "resources/templates/RulesTemplates.h"

#include <QLabel>

using namespace tessaro;

// A screen reader reads the page's picture, in the words of its description, when the page opens.
RulePage::RulePage(const DialogTemplate& dialogTemplate, QWidget* parent) : TemplateDialog(dialogTemplate, parent) {
    QStringList lines;
    for (const QLabel* picture : findChildren<QLabel*>())
        if (!picture->accessibleDescription().isEmpty())
            lines.append(picture->accessibleDescription());
    readWhenOpened(*this, lines);
}

iundj::iundj(QWidget* parent) : RulePage(rulepages::iundj(), parent) {}
Definition::Definition(QWidget* parent) : RulePage(rulepages::definition(), parent) {}
Betrag::Betrag(QWidget* parent) : RulePage(rulepages::modulus(), parent) {}
Addition::Addition(QWidget* parent) : RulePage(rulepages::addition(), parent) {}
Multiplikatioin::Multiplikatioin(QWidget* parent) : RulePage(rulepages::multiplication(), parent) {}
Division::Division(QWidget* parent) : RulePage(rulepages::division(), parent) {}
Polarform::Polarform(QWidget* parent) : RulePage(rulepages::polar(), parent) {}
