#pragma once

#include "foundation/gstr.h"

class gprocessorCall;
class gregister;
class gsabusRequest;
struct gsabusReplaceOptions;

// The batch find and replace in the tags that SABus requests name. The first
// occurrence of the find text in the tag is replaced; when that changed the
// tag, the object of the new tag takes the place of the old one. When there
// is no such object (or it is of the wrong class) the old one stays and the
// log gets a line naming the new tag, the owning request and the kept object.

// The register of the slot. requiredClass is 0 for any class, else the class
// code (gregister::classCode) the new register must have. 1 when rebound.
int rebindRegisterTag(gregister*& bound, int requiredClass, const gsabusRequest& owner,
                      const gsabusReplaceOptions& options, gstr& log);
// The call's program when programs is set, then its arguments' values when
// arguments is set. The number of changes.
int rebindProgramCall(gprocessorCall& call, bool programs, bool arguments, const gsabusRequest& owner,
                      const gsabusReplaceOptions& options, gstr& log);
