#pragma once

#include "foundation/gstr.h"
#include "foundation/messageBoxes.h"

class QListWidget;

// The list boxes of the driver editor: each line carries the working object
// it shows as a plain pointer (read with itemObject, legacy/ui/objectItems.h);
// the dialog that fills a list owns its objects.

// Inserts the line at index (the end for -1 or an index past it) and
// answers its index.
int insertListItem(QListWidget& list, int index, const gstrSlice& text, void* object);
// Changes the line's text, keeping its object.
void setListItemText(QListWidget& list, int index, const gstrSlice& text);
// Removes the line; the line now at its index, or the new last line, is
// selected. True when the list became empty.
bool removeListItem(QListWidget& list, int index);
// Makes the line the current and only selected one, scrolled into view.
void selectListItem(QListWidget& list, int index);

// The object's users after the string-table message, in one warning box:
// for the objects whose users are spread over several used-by lists.
template <class T>
void reportUsers(const T& object, int messageId)
{
    gstr text;
    text.loadString(messageId);
    object.describeUsers(text);
    warningBox(text, messageId);
}
