// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/RulesMenu.h"

#include "dialogkit/ScreenOpener.h"
#include "resources/templates/RulesTemplates.h"
#include "screens/RulePages.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QtGlobal>

using namespace tessaro;

Regeln::Regeln(QWidget* parent) : TemplateDialog(rulesmenu::dialogTemplate(), parent) {
    // The topics are the labels beside the buttons, in the template's words, translated as the labels are.
    bindPageButton<iundj>(rulesmenu::IundjButton, QT_TRANSLATE_NOOP("Template", "Der Geschichte von den i´s und j´s"));
    bindPageButton<Definition>(rulesmenu::DefinitionButton,
                               QT_TRANSLATE_NOOP("Template", "Definition und Darstellung einer komplexen Zahl"));
    bindPageButton<Betrag>(rulesmenu::ModulusButton, QT_TRANSLATE_NOOP("Template", "Der Betrag einer komplexen Zahl"));
    bindPageButton<Addition>(rulesmenu::AdditionButton,
                             QT_TRANSLATE_NOOP("Template", "Addition und Subtraktion von komplexen Zahlen"));
    bindPageButton<Multiplikatioin>(rulesmenu::MultiplicationButton,
                                    QT_TRANSLATE_NOOP("Template", "Multiplikation von komplexen Zahlen"));
    bindPageButton<Division>(rulesmenu::DivisionButton, QT_TRANSLATE_NOOP("Template", "Division von komplexen Zahlen"));
    bindPageButton<Polarform>(rulesmenu::PolarButton, QT_TRANSLATE_NOOP("Template", "Polarform und Exponentialform"));
}

// A screen reader says each button with the topic of its page, which the eye takes from the label beside it.
template <class Page>
void Regeln::bindPageButton(int id, const char* topic) {
    auto* button = control<QPushButton>(id);
    button->setAccessibleDescription(QCoreApplication::translate("Template", topic));
    connect(button, &QPushButton::clicked, this, [] { openScreen<Page>(); });
}
