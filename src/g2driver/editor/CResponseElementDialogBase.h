#pragma once

#include "g2driver/model/g2driverResponseCondition.h"
#include "platform/CDialog.h"

class g2driverResponseElement;
class responseElementHost;

// The base of the dialogs that edit one response element of a template's
// valid or error list. The page passes the mode: New (no source, no
// target), Duplicate (the selected element as source only) or Edit (the
// selected element as both). The dialog keeps its own copy of the
// element's condition, which "&Condition..." edits; OK checks the fields in
// the dialog's order and only then creates the target when there is none
// (the kind's defaults), stores the fields and the condition.
//
//   CEditCommandElementResponseElementDialog dialog(page, selected, selected, this);
//   if (dialog.DoModal() == IDOK) showElement(dialog.element());
class CResponseElementDialogBase : public CDialog {
public:
    static constexpr int conditionId = 1861;
    static constexpr int pagePlaceholderId = 1843;

    // The edited (or, after OK, created) element.
    g2driverResponseElement* element() const { return target_; }
    const g2driverResponseCondition& condition() const { return condition_; }

protected:
    CResponseElementDialogBase(int templateId, int newCaptionId, responseElementHost& page,
                               const g2driverResponseElement* source, g2driverResponseElement* target,
                               QWidget* parent);

    // The condition record and the caption of a new element; the derived
    // dialogs fill their fields after it.
    bool OnInitDialog() override;
    void OnOK() override;

    // The dialog's own checks and its page's, in its order (message and
    // focus on the field, false).
    virtual bool checkFields() = 0;
    virtual g2driverResponseElement* makeElement() const = 0;
    virtual void storeFields(g2driverResponseElement& element) = 0;

    // Ends the dialog as cancelled after the message: nothing to choose.
    void cancelWith(int messageId);
    // OK, Cancel and "&Condition..." in the right column.
    void addButtons();
    void fitToContents();
    // The element's condition from the record (none when it has no value).
    void applyCondition(g2driverResponseElement& element);

    template <class E>
    const E* sourceAs() const
    {
        return dynamic_cast<const E*>(source_);
    }

    responseElementHost& page() const { return page_; }
    g2driverResponseCondition& conditionRecord() { return condition_; }
    const g2driverResponseElement* source() const { return source_; }
    g2driverResponseElement* target() const { return target_; }

private:
    void editCondition();

    int newCaptionId_;
    responseElementHost& page_;
    const g2driverResponseElement* source_;
    g2driverResponseElement* target_;
    g2driverResponseCondition condition_;
};
