#include "ProgramState.h"

namespace tessaro {

namespace {
ProgramState& instance() {
    static ProgramState state;
    return state;
}
}  // namespace

ProgramState& programState() { return instance(); }

void resetProgramState() { instance() = ProgramState{}; }

}  // namespace tessaro
