#pragma once

#include "foundation/gstr.h"
#include "platform/subclassHook.h"
#include "shell/CAutoWidthCombo.h"

class gprocessorCall;
class gprogramUsedByList;

// The choice of the program a call runs: the programs of the call's driver
// when the call belongs to one, else the station's SCL programs by title.
// Each entry carries the program as the call refers to it. The selection
// field shows the chosen program with the call's arguments after it.
class CProgramCombo : public CAutoWidthCombo, public CSubclassHook {
public:
    // The call stays the caller's.
    explicit CProgramCombo(gprocessorCall* call, QWidget* parent = nullptr);

    // Fills the entries and selects the call's program; withNone puts
    // "<None>" (no program) first. A call without a program selects the
    // first entry. With sorted entries the programs are in byte order.
    void fill(bool withNone);
    void setSorted(bool sorted) { sorted_ = sorted; }

    gprogramUsedByList* programAt(int index) const;
    gprogramUsedByList* selectedProgram() const { return programAt(currentIndex()); }
    // The text of the selection field.
    gstr selectionText() const;
    int itemHeight() const { return itemHeight_; }

    void PreSubclassWindow() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    gprocessorCall* call_;
    int itemHeight_;
    bool sorted_ = false;
};
