#pragma once

#include "platform/CDialog.h"

class commandElementHost;
class g2driverCommandElement;

// The base of the dialogs that edit one command element of a template, or
// one content element of a command's data block. The opener passes the
// mode: New (no source, no edited element), Duplicate (the selected element
// as source only) or Edit (the selected element as both). The fields open
// from the source; OK checks them in the dialog's order, then the page's,
// and only then writes them into the edited element, which it creates with
// the kind's own defaults when there is none. After OK the opener takes the
// element; a created one is the opener's from then on.
//
//   CEditDelayElementDialog dialog(*this, selected, selected, this);
//   if (dialog.DoModal() == IDOK) showElement(dialog.element());
class CCommandElementDialogBase : public CDialog {
public:
    // The page of the dialogs that have one lies over this hidden static.
    static constexpr int pagePlaceholderId = 1843;
    static constexpr int parameterId = 1704;

    // The edited (or, after OK, created) element.
    g2driverCommandElement* element() const { return edited_; }

protected:
    CCommandElementDialogBase(int templateId, int newCaptionId, commandElementHost& host,
                              const g2driverCommandElement* source, g2driverCommandElement* edited,
                              QWidget* parent);

    // The caption of a new element; the derived dialogs fill their fields
    // after it.
    bool OnInitDialog() override;
    void OnOK() override;

    // The dialog's own checks in its order (message and focus on the field,
    // false); the page's apply comes after them.
    virtual bool checkFields() { return true; }
    virtual bool applyPage() { return true; }
    virtual g2driverCommandElement* makeElement() const = 0;
    virtual void storeFields(g2driverCommandElement& element) = 0;

    // The edited element, created with the kind's defaults when there is
    // none.
    g2driverCommandElement& ensureElement();
    // Ends the dialog as cancelled after the message: the opener found
    // nothing to choose from.
    void cancelWith(int messageId);
    // The OK and Cancel buttons in the right column; the dialog grows around
    // its fields and page.
    void addOkCancel();
    void fitToContents();

    template <class E>
    const E* sourceAs() const
    {
        return dynamic_cast<const E*>(source_);
    }

    commandElementHost& host() const { return host_; }
    const g2driverCommandElement* source() const { return source_; }
    g2driverCommandElement* edited() const { return edited_; }

private:
    int newCaptionId_;
    commandElementHost& host_;
    const g2driverCommandElement* source_;
    g2driverCommandElement* edited_;
};
