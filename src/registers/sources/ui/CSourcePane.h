#pragma once

#include "foundation/gstr.h"
#include "platform/CDialog.h"

#include <cstdint>

class CRegisterDialog;
class ganalogSupplement;
class gbistateSupplement;
class gdigitalSupplement;
class gstringSupplement;

// The pane of one source kind below the "Source" line of a register dialog:
// a caption-less child dialog that edits a copy of the source's settings.
// The register dialog talks to it only through these operations; the
// source itself changes when OK hands the pane the register's supplement.
class CSourcePane : public CDialog {
public:
    explicit CSourcePane(int templateId);

    // Builds the window as a child of the dialog and fills it; false (after
    // the pane's own message) when the kind offers nothing to choose.
    virtual bool create(CRegisterDialog& dialog);
    // Each makes the supplement's new source of the pane's kind and fills
    // it; a pane does nothing for a class its kind does not serve.
    virtual void applyToAnalog(ganalogSupplement& supplement);
    virtual void applyToBistate(gbistateSupplement& supplement);
    virtual void applyToDigital(gdigitalSupplement& supplement);
    virtual void applyToString(gstringSupplement& supplement);
    // True when switching to another kind loses nothing worth asking about.
    virtual bool isReplaceableWithoutAsking() const;
    // Takes the entries into the pane's copy; on false the pane has shown
    // its message and put the focus on the field.
    virtual bool validate();
    // Appends the name the current choice gives a digital value.
    virtual bool getValueName(gstr& text, uint32_t value) const;
    // Non-zero when values may come marked as beyond the range.
    virtual int hasGreaterLess() const;
    // Whether the analog register's own element count applies.
    virtual bool needsOwnElementCount() const;

    int getHeight() const;
    // Moves the pane to the position (keeping its size), stacked right
    // after the placeholder, and shows it without activating it.
    void placeAt(QWidget* placeholder, const QPoint& position);

    // The register dialog the pane was created in; null before create.
    CRegisterDialog* registerDialog() const;

protected:
    // A control of a class of our own (without the Qt meta object).
    template <class T>
    T* controlOf(int id) const
    {
        return dynamic_cast<T*>(control(id));
    }
    // The first step of create: the pane becomes a borderless child of the
    // dialog with the size of its template.
    void becomeChildOf(CRegisterDialog& dialog, int cx, int cy);
    // The end of a create that finds nothing to offer: the pane's window
    // goes, the message is shown, and create answers false.
    bool refuseCreate(int messageId);
    // The message, then the focus on the field without selecting its text;
    // false.
    bool refuseFocusOnly(int id, int messageId);

private:
    bool OnInitDialog() override;
};
