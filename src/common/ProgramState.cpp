#include "common/ProgramState.h"

ProgramState &programState() {
    static ProgramState state;
    return state;
}

void resetProgramState() {
    programState() = ProgramState{};
}
