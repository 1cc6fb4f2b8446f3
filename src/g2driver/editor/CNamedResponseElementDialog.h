#pragma once

#include "g2driver/editor/CResponseElementDialogBase.h"

class gusedByList;
class jhashDatabaseObject;

// The response elements that declare a name others refer to: a value
// (numerical or string value elements) or a response data name (data
// elements). The Tag field (1470) may be changed for a new element, and for
// an edited one only while nothing uses its name; otherwise every edit is
// undone with the list of users. OK is enabled while the tag is not empty.
class CNamedResponseElementDialog : public CResponseElementDialogBase {
public:
    static constexpr int tagId = 1470;

protected:
    using CResponseElementDialogBase::CResponseElementDialogBase;

    // After the base start: the source's name (or none) in the field, and
    // the edited element's name with its users, which decide whether the
    // tag may change.
    void startTag(jhashDatabaseObject* sourceName, jhashDatabaseObject* currentName, gusedByList* users);
    // True when OK is to define the field's tag as the element's new name:
    // the tag may change and differs from the edited element's name.
    bool tagIsNew() const;
    // The name to replace at OK, or null.
    jhashDatabaseObject* currentName() const { return current_; }

private:
    void tagChanged();

    jhashDatabaseObject* current_ = nullptr;
    gusedByList* users_ = nullptr;
    bool tagMayChange_ = true;
    bool restoring_ = false;
};

// Defines the field's tag in table for dialog: the new name, or null after
// the message (the table already defines the tag), the focus and
// selection on the field.
template <class Table>
auto defineTag(CDialog& dialog, Table& table, int message)
{
    auto* name = table.define(dialog.controlText(CNamedResponseElementDialog::tagId));
    if (!name)
        dialog.refuseField(CNamedResponseElementDialog::tagId, message);
    return name;
}

// Takes the old name of an element that got a new one out of the table.
template <class Table, class Name>
void dropName(Table& table, Name* old)
{
    if (!old)
        return;
    table.remove(old);
    delete old;
}
