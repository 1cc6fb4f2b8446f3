#pragma once

#include "platform/CDialog.h"
#include "store/gprocessorCall.h"

#include <cstdint>

class fscreen;

// Screen Properties: creates a screen (no source, no target), a duplicate
// of one (the source, no target) or edits one (source and target the same
// screen): title, size, dialog or menu screen, network and start-up flags,
// background colour and acknowledge program. OK creates the new screen in
// the station's table and opens its window; the caller reads it with
// target() afterwards.
class CScreenPropertiesDialog : public CDialog {
public:
    static constexpr int tagId = 1326;
    static constexpr int nameId = 1480;
    static constexpr int heightId = 1274;
    static constexpr int widthId = 1510;
    static constexpr int dialogId = 1208;
    static constexpr int localId = 1311;
    static constexpr int showId = 1436;
    static constexpr int customColourId = 1193;
    static constexpr int setColourId = 1166;
    static constexpr int programId = 1423;
    static constexpr int argumentsId = 1030;

    CScreenPropertiesDialog(fscreen* source, fscreen* target, QWidget* parent = nullptr);

    fscreen* target() const { return target_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void fillFromSource();
    void OnDialogClicked();
    // The show flag to store. A dialog screen has no box for it ("Show
    // screen initially" is cleared and disabled while "Dialog" is checked),
    // so a dialog screen keeps the flag its source had.
    bool shown() const;
    void enableArguments();
    void chooseColour();
    // The edit's unsigned number; false (focus on the edit, its text
    // selected) when it does not read.
    bool readSize(int id, uint32_t& value, int unreadableId, int rangeId, int32_t nearEdge, int64_t shown);

    fscreen* source_;
    fscreen* target_;
    uint32_t background_ = 0;
    bool dialogShown_ = false;
    gprocessorCall ackCall_;
};
