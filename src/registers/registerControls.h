#pragma once

#include "foundation/gstr.h"

class gprocessorCall;
class gusesList;
struct gregisterBatchOptions;

// The automatic controls of registers: program calls that a register runs
// when its state or value changes.

// Points the uses list at the call's program, or clears it when the call
// has none, so that the program lists the register among its users.
void linkControlProgram(gusesList& uses, const gprocessorCall& call);

// The batch tag replacement in the tag of the call's program (first
// occurrence, the request's whole-word and match-case options). When that
// gives another tag, the call is pointed at the station's program of the new
// tag and 1 is answered; when no such program exists the call keeps its
// program and the log gets a line naming the new tag, the register (by
// specifiedBy) and the kept program. 0 when nothing changed.
int rebindControlProgram(gprocessorCall& call, const gregisterBatchOptions& options, gstr& log,
                         const gstrSlice& specifiedBy);

// The title of the call's program, or its tag when it has none.
gstr controlProgramTitle(const gprocessorCall& call);
