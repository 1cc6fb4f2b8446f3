#pragma once

#include "platform/CDialog.h"

class fscreen;

// Change Screen Objects: finds and replaces a text in the selected objects
// of one screen, in their texts and in the tags of the registers, programs
// and screens they use. It stays open so that several replacements can be
// made in a row.
class CChangeScreenObjectsDialog : public CDialog {
public:
    static constexpr int findId = 1262;
    static constexpr int replaceId = 1398;
    static constexpr int matchCaseId = 1152;
    static constexpr int wholeWordId = 1512;
    static constexpr int textId = 1472;
    static constexpr int registersId = 1390;
    static constexpr int programsId = 1385;
    static constexpr int argumentsId = 1387;
    static constexpr int screensId = 1422;
    static constexpr int replaceAllId = 1399;

    CChangeScreenObjectsDialog(fscreen& screen, QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void OnCancel() override;

private:
    void updateButtons();
    void OnReplaceAll();

    fscreen& screen_;
};
