#pragma once

#include "g2driver/editor/checksumOptionPanes.h"
#include "g2driver/editor/CProcessorFormatPane.h"

#include <cstdint>
#include <memory>

class CDialog;
class g2driverChecksum;

// The options of a checksum: four panes over one placeholder of the host,
// of which the one of the current kind is shown (char size for the sum and
// the LRC, CRC values for the CRCs, post-processing for the modulo and
// printable checksums, the program for Processor). The host grows and
// shrinks with the shown pane. A member of its host dialog: the panes are
// the host's children and are destroyed with the holder.
//
//   options_.create(*this, programs, 1844, &element->checksum());
//   int height = 0;
//   if (options_.selectType(kind, height) && height) grow(height);
class CChecksumOptionsPane {
public:
    CChecksumOptionsPane();
    ~CChecksumOptionsPane();
    CChecksumOptionsPane(const CChecksumOptionsPane&) = delete;
    CChecksumOptionsPane& operator=(const CChecksumOptionsPane&) = delete;

    // The panes over the placeholder, loaded from the settings (defaults for
    // none).
    void create(CDialog& host, gprocessorCall::programTable* programs, int placeholderId,
                const g2driverChecksum* settings);
    // Shows the pane of the kind (1 to 9). False when refused (Processor
    // without programs), nothing changed. A pane that becomes visible gives
    // its height in height, which stays as it was otherwise.
    bool selectType(int32_t kind, int& height);
    // The current kind and the shown pane's options into the settings;
    // false after a pane's message.
    bool apply(g2driverChecksum& settings);

    int32_t currentKind() const { return kind_; }
    // The right edge of the widest option pane in the host.
    int panesRight() const;
    CPostProcessingPane& postProcessingPane() { return *postProcessing_; }
    CCharSizeOptionsPane& charSizePane() { return *charSize_; }
    CCrcOptionsPane& crcPane() { return *crc_; }
    CProcessorFormatPane& processorPane() { return *processor_; }

private:
    std::unique_ptr<CPostProcessingPane> postProcessing_;
    std::unique_ptr<CCharSizeOptionsPane> charSize_;
    std::unique_ptr<CCrcOptionsPane> crc_;
    std::unique_ptr<CProcessorFormatPane> processor_;
    int32_t kind_ = 0;
};

// Copies kind, options and program call (the settings are not copyable:
// each keeps its owner's uses).
void assignChecksum(g2driverChecksum& to, const g2driverChecksum& from);
