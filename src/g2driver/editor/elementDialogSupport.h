#pragma once

#include <initializer_list>

class CDialog;
class QComboBox;
class g2driverResponseValue;
template <class E>
class jhashTypedDatabaseTable;

// What the element dialogs share beyond their bases.

// Element dialogs take their size from what they hold: a page created over a
// placeholder may be wider or taller than the dialog's own fields. The
// dialog grows until every shown child fits with the margin, and the buttons
// named keep their column at the right edge, beside everything else.
void fitAroundChildren(CDialog& dialog, std::initializer_list<int> buttonColumn, int margin);

// A page's apply into a fresh record, copied out only when the page accepts
// its fields: a refusal leaves out as it was.
template <class Page, class Record>
bool applyFresh(Page& page, Record& out)
{
    Record fresh;
    if (!page.apply(fresh))
        return false;
    out = fresh;
    return true;
}

// The numerical values of a response list in a combo, by name, the chosen
// one selected (else the first); false when there is none.
bool fillNumericalValues(QComboBox& combo, jhashTypedDatabaseTable<g2driverResponseValue>& values,
                         const g2driverResponseValue* chosen);
