#pragma once

#include "DialogTemplate.h"

namespace tessaro::about {

enum ControlId : int {
    OkButton = kOkId,
};

const DialogTemplate& dialogTemplate();  // 100

}  // namespace tessaro::about
