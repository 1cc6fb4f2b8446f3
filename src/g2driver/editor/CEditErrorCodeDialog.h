#pragma once

#include "g2driver/model/g2driverErrorCode.h"
#include "platform/CDialog.h"

// Creates or changes one error code in the Error Handling dialog's table:
// New passes neither source nor edited code, Duplicate the source alone,
// Edit the same code twice. The tag of an edited code is fixed, and its type
// changes only while nothing uses it.
class CEditErrorCodeDialog : public CDialog {
public:
    static constexpr int templateId = 780;
    static constexpr int tagId = 1470;
    static constexpr int numericalId = 1944;
    static constexpr int stringId = 1945;

    CEditErrorCodeDialog(g2driverErrorCodeTable& codes, g2driverErrorCode* source, g2driverErrorCode* edited,
                         QWidget* parent);

    // After OK, the code made or changed.
    g2driverErrorCode* result() const { return edited_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void typeClicked(int id);
    bool typeMayChange() const { return !edited_ || edited_->usedBy().isUnused(); }

    g2driverErrorCodeTable& codes_;
    g2driverErrorCode* source_;
    g2driverErrorCode* edited_;
};
