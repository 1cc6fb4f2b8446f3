#include "store/gloadProgress.h"

namespace {

gloadProgress*& installed()
{
    static gloadProgress* progress = nullptr;
    return progress;
}

} // namespace

void installLoadProgress(gloadProgress* progress) { installed() = progress; }

gloadProgress* loadProgress() { return installed(); }
