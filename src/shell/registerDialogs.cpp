#include "shell/registerDialogs.h"

namespace {

registerDialogRunner& runner()
{
    static registerDialogRunner installed;
    return installed;
}

} // namespace

void installRegisterDialogs(registerDialogRunner run) { runner() = std::move(run); }

const registerDialogRunner& registerDialogs() { return runner(); }
