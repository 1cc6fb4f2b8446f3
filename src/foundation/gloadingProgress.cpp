#include "foundation/gloadingProgress.h"

gprogressBar* loadingProgressBar = nullptr;

void loadingProgressSetRange(unsigned range)
{
    if (loadingProgressBar)
        loadingProgressBar->setRange(range);
}

void loadingProgressSetPosition(unsigned position)
{
    if (loadingProgressBar)
        loadingProgressBar->setPosition(position);
}
