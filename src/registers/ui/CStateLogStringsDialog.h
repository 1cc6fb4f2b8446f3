#pragma once

#include "foundation/gstr.h"
#include "platform/CDialog.h"
#include "registers/gregister.h"

class CRegisterDialog;

// The five state log strings of a register (alarm clear/off, alarm/on,
// acknowledge, masking, unmasking), each "Default " (not set), "None" (set
// and empty) or "Custom:" (the text), with a sample of what is logged, and
// the choice of the old style default texts. It edits the register
// dialog's copies: as the modal "Edit Register Log Strings" dialog of
// bistate registers (523) or as the second page of the tabbed dialog (845).
class CStateLogStringsDialog : public CDialog {
public:
    static constexpr int oldStyleId = 1634;

    struct rowIds {
        gregister::logString which;
        int defaultId;
        int customId;
        int noneId;
        int editId;
        int sampleId;
    };
    // In the page's order: off, on, acknowledge, mask, unmask.
    static const rowIds rows[5];

    // Reads the register dialog's alarm level at once.
    explicit CStateLogStringsDialog(CRegisterDialog& registerDialog, QWidget* parent = nullptr);

    // The page form: a child of parent, loaded.
    void createPage(QWidget* parent);
    // From the register dialog's copies into the controls.
    void load();
    // The rows and the old style flag back into the copies.
    void store();
    bool allDefault() const;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void makeDefaultTexts();
    void rowChanged(int row);
    void refreshSample(int row);
    // The default text of a row in the style chosen.
    const gstr& defaultText(int row) const;

    CRegisterDialog& registerDialog_;
    int level_;
    bool page_ = false;
    bool oldStyle_ = false;
    // Per row: the new style and the old style default texts.
    gstr defaults_[5][2];
};
