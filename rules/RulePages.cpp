#include "RulePages.h"

#include "Templates.h"

using namespace tessaro;

iundj::iundj(QWidget* parent) : RulePage(templates::pageIundJ(), parent) {}
Definition::Definition(QWidget* parent) : RulePage(templates::pageDefinition(), parent) {}
Betrag::Betrag(QWidget* parent) : RulePage(templates::pageModulus(), parent) {}
Addition::Addition(QWidget* parent) : RulePage(templates::pageAddition(), parent) {}
Multiplikatioin::Multiplikatioin(QWidget* parent) : RulePage(templates::pageMultiply(), parent) {}
Division::Division(QWidget* parent) : RulePage(templates::pageDivision(), parent) {}
