#pragma once

#include "platform/CDialog.h"

#include <cstdint>
#include <memory>

class coderNumberLists;
class gdecoder;
class gencoder;

// What the ten coder dialogs share: the number field 1496, a separator, the
// label "Data Format" and the placeholder static 1843 under which the kind's
// page is created; on OK a new coder built from the page and the number
// checked against the pane's list. Coder is gdecoder or gencoder.
template <class Coder>
class CCoderDialog : public CDialog {
public:
    static constexpr int numberId = 1496;
    static constexpr int placeholderId = 1843;

    ~CCoderDialog() override;

    uint32_t number() const { return number_; }
    // The coder built by the last OK, which the caller takes over.
    const Coder* builtCoder() const { return built_.get(); }
    std::unique_ptr<Coder> takeCoder() { return std::move(built_); }

protected:
    // pageCx and pageCy: the page's size in dialog units, which the dialog
    // makes room for.
    CCoderDialog(int templateId, int captionId, const char* caption, coderNumberLists* pane, uint32_t number,
                 const Coder* coder, bool isNew, int pageCx, int pageCy);

    // Creates the kind's page over the placeholder, filled from the coder
    // (null: the page's defaults).
    virtual void loadCoder(const Coder* coder) = 0;
    // A new coder of the dialog's kind with the page's values, or null after
    // the page refused its input.
    virtual Coder* buildCoder() = 0;

    bool OnInitDialog() override;
    void OnOK() override;

    coderNumberLists* pane() const { return pane_; }

private:
    uint32_t nextNumber() const;
    int findRow(uint32_t number, bool skipSelected) const;

    int captionId_;
    uint32_t number_;
    std::unique_ptr<Coder> built_;
    const Coder* coder_;
    bool isNew_;
    coderNumberLists* pane_;
};

// The base of the five decoder dialogs.
class CNewDecoderDialogBase : public CCoderDialog<gdecoder> {
protected:
    using CCoderDialog::CCoderDialog;
};

// The base of the five encoder dialogs.
class CNewCoderDialogBase : public CCoderDialog<gencoder> {
protected:
    using CCoderDialog::CCoderDialog;
};
