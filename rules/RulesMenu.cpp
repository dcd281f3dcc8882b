#include "RulesMenu.h"

#include "RulePages.h"
#include "ScreenOpener.h"
#include "Templates.h"

#include <QPushButton>

using namespace tessaro;

Regeln::Regeln(QWidget* parent) : TemplateDialog(templates::rulesMenu(), parent) {
    bindPageButton<iundj>(1003);
    bindPageButton<Definition>(1004);
    bindPageButton<Betrag>(1005);
    bindPageButton<Addition>(1006);
    bindPageButton<Multiplikatioin>(1007);
    bindPageButton<Division>(1008);
}

template <class Page>
void Regeln::bindPageButton(int id) {
    connect(control<QPushButton>(id), &QPushButton::clicked, this, [] { openScreen<Page>(); });
}
