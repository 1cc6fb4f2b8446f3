#pragma once

#include "foundation/jhashIterator.h"
#include "shell/CObjectListCtrl.h"
#include "shell/CSelectDialog.h"
#include "store/jhashTypedDatabaseTable.h"

// An object-list window over one of the station's tables, listing every
// defined object of it. The window of an object type whose dialogs exist
// derives from CSelectDialog itself and runs them from its buttons.
template <class E>
class CStationListWindow : public CSelectDialog {
public:
    using tableAccess = jhashTypedDatabaseTable<E>& (*)();

    CStationListWindow(tableAccess table, bool shownInLibraryMode, const char* section, int dialogId, int iconId,
                       const char* title)
        : CSelectDialog(section, dialogId, iconId, title), table_(table), shownInLibraryMode_(shownInLibraryMode)
    {
    }

    bool isShownInLibraryMode() const override { return shownInLibraryMode_; }

    void fillList() override
    {
        jhashTypedIterator<E> it(table_());
        E* object = nullptr;
        while (it.get(object)) {
            if (object->isDefined())
                list().insertObject(object, false);
        }
    }

private:
    tableAccess table_;
    bool shownInLibraryMode_;
};
