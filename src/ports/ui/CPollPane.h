#pragma once

#include "platform/CDialog.h"

#include <QPoint>
#include <cstdint>

class CNonNegativeSpinEdit;

// The lower part of the Edit Poll dialog: how many of the following entries
// go with this one ("next polls", or "next commands" for an initialization
// command). It sits over a placeholder and moves down as the parameter
// editors above it grow.
class CPollPane : public CDialog {
public:
    static constexpr int countId = 1496;

    // Template 864 when tied (initialization commands), else 770.
    explicit CPollPane(bool tied);

    // A child of the dialog at the placeholder's top-left corner, shown.
    void create(CDialog& dialog, int placeholderId);
    void setKeepWithNext(int32_t count);
    // False when the field does not read as a count from 0 up.
    bool getKeepWithNext(int32_t& count) const;
    // Back to the remembered place, offset pixels lower.
    void moveDown(int offset);
    CNonNegativeSpinEdit* field() const { return field_; }

private:
    CNonNegativeSpinEdit* field_;
    QPoint place_;
};
