#pragma once

#include "platform/CDialog.h"

// The "Select Element Type" choices of a new command element: every type
// for a template's elements (733), all but the command data element for a
// command's content elements (765). The radio buttons 1705 to 1715 stand
// for the type ids 0 to 10; the first is checked at opening.
class CSelectElementTypeDialogBase : public CDialog {
public:
    static constexpr int firstButtonId = 1705;
    static constexpr int lastButtonId = 1715;

    // After OK: the chosen type id.
    int chosenType() const { return chosen_; }

protected:
    CSelectElementTypeDialogBase(int templateId, bool withCommandData, QWidget* parent);

    bool OnInitDialog() override;
    void OnOK() override;

private:
    int lastId_;
    int chosen_ = 0;
};

class CSelectCommandElementTypeDialog : public CSelectElementTypeDialogBase {
public:
    static constexpr int templateId = 733;
    explicit CSelectCommandElementTypeDialog(QWidget* parent);
};

// The data length and checksum buttons are shown but disabled: a command's
// content has no dialog for either kind.
class CSelectContentElementTypeDialog : public CSelectElementTypeDialogBase {
public:
    static constexpr int templateId = 765;
    static constexpr int lengthId = 1713;
    static constexpr int checksumId = 1714;
    explicit CSelectContentElementTypeDialog(QWidget* parent);

protected:
    bool OnInitDialog() override;
};
