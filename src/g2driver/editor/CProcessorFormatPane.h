#pragma once

#include "g2driver/editor/checksumOptionPanes.h"
#include "store/gprocessorCall.h"

#include <cstdint>

class CProgramCombo;

// The checksum options of the kind Processor (859): the driver program that
// computes the checksum, and its arguments behind "Args...". The pane works
// on its own copy of the call, which apply hands to the settings.
class CProcessorFormatPane : public CChecksumOptionPaneBase {
public:
    static constexpr int programId = 1046;
    static constexpr int argumentsId = 1047;

    CProcessorFormatPane();

    // Hidden over the placeholder; the call of settings of the kind
    // Processor is copied, bound to the driver's programs.
    void create(CDialog& host, gprocessorCall::programTable* programs, int placeholderId,
                const g2driverChecksum* settings);
    // Processor: false after its message when the driver has no program,
    // else shown and its height in height. Other kinds: hidden, true.
    bool select(int32_t kind, int& height);
    // Processor: the chosen program, no post-processing; other kinds: no
    // call. The settings take the pane's call.
    bool apply(g2driverChecksum& settings);

    const gprocessorCall& call() const { return call_; }

private:
    gprocessorCall call_;
    CProgramCombo* programs_;
};
