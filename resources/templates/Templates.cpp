// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/templates/Templates.h"

#include "resources/templates/AboutTemplate.h"
#include "resources/templates/LoesungswegTemplate.h"
#include "resources/templates/MainMenuTemplate.h"
#include "resources/templates/Rechnen1Template.h"
#include "resources/templates/Rechnen2Template.h"
#include "resources/templates/Rechnen3Template.h"
#include "resources/templates/RulesTemplates.h"

namespace tessaro::templates {

std::span<const DialogTemplate* const> all() {
    static const DialogTemplate* const everyTemplate[] = {
        &mainmenu::dialogTemplate(), &about::dialogTemplate(),       &rechnen1::dialogTemplate(),
        &rechnen2::dialogTemplate(), &rechnen3::dialogTemplate(),    &rulesmenu::dialogTemplate(),
        &rulepages::iundj(),         &rulepages::definition(),       &rulepages::modulus(),
        &rulepages::addition(),      &rulepages::multiplication(),   &rulepages::division(),
        &rulepages::polar(),         &loesungsweg::dialogTemplate(),
    };
    return everyTemplate;
}

}  // namespace tessaro::templates
