#include "Templates.h"

namespace tessaro::templates {

std::span<const DialogTemplate* const> all() {
    static const DialogTemplate* const everyTemplate[] = {
        &mainMenu(),       &about(),       &firstExercise(), &secondExercise(),
        &rulesMenu(),      &pageIundJ(),   &pageDefinition(), &pageModulus(),
        &pageAddition(),   &pageMultiply(), &pageDivision(),
    };
    return everyTemplate;
}

}  // namespace tessaro::templates
