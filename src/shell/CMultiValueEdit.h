#pragma once

#include "foundation/gstr.h"

#include <QLineEdit>

// The edit of the dialogs that change many objects at once: it either shows
// one value, or stands for objects whose values differ, empty and grey
// dotted, until the user types. A dialog stores the field into the objects
// only when it has a value.
class CMultiValueEdit : public QLineEdit {
public:
    explicit CMultiValueEdit(QWidget* parent = nullptr);

    void setValue(const gstrSlice& text);
    void setDiffering();
    // For the dialog's change handler when the edit's modified flag is set
    // (the user typed): the field holds a value from now on, and the flag is
    // cleared so that the next change tells a user's edit from the
    // program's own.
    void markEdited();
    bool hasValue() const { return hasValue_ != 0; }

protected:
    void changeEvent(QEvent* event) override;

private:
    // The differing look while enabled: a button-face ground under a
    // halftone; otherwise the ordinary colours.
    void applyLook();

    int hasValue_ = 0;
};
