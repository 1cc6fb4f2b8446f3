#pragma once

// The progress bar of the Loading Station dialog, moved by the loader without
// knowing the dialog. The dialog sets loadingProgressBar while it is open;
// with none set, the two calls do nothing.
class gprogressBar {
public:
    virtual ~gprogressBar() = default;
    virtual void setRange(unsigned range) = 0;
    virtual void setPosition(unsigned position) = 0;
};

extern gprogressBar* loadingProgressBar;

void loadingProgressSetRange(unsigned range);
void loadingProgressSetPosition(unsigned position);
