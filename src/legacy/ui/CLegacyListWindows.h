#pragma once

#include "shell/CSelectDialog.h"

class gusedByList;
class jhashDatabaseTable;

// The base of the three list windows of legacy objects: every button runs
// the object type's edit dialog (New without source or target, Duplicate
// from the selected object, Edit on it) and Delete removes an object that
// nothing uses, or lists what uses it.
class CLegacyListWindow : public CSelectDialog {
public:
    CLegacyListWindow(const char* section, int dialogId, int iconId, const char* title);

    bool canCreateObjects() const override;
    // Every defined object of the window's table.
    void fillList() override;

protected:
    void OnNew() override;
    void OnEdit() override;
    void OnDelete() override;
    void OnDuplicate() override;

    virtual jhashDatabaseTable& table() const = 0;
    virtual gusedByList& usersOf(gtitledObject& object) const = 0;
    // The dialog run on source and target; the object made or edited after
    // OK, null after Cancel.
    virtual gtitledObject* runDialog(gtitledObject* source, gtitledObject* target) = 0;
    // Whether an edit changes what the SCL views show.
    virtual bool editShowsInSclViews() const;
};

// "Legacy Device Drivers": the station's legacy drivers.
class CLegacyDriversDialog : public CLegacyListWindow {
public:
    CLegacyDriversDialog();
    bool isShownInLibraryMode() const override;

protected:
    jhashDatabaseTable& table() const override;
    gusedByList& usersOf(gtitledObject& object) const override;
    gtitledObject* runDialog(gtitledObject* source, gtitledObject* target) override;
    bool editShowsInSclViews() const override;
};

// "Legacy Data Masks": the station's masks.
class CLegacyDataMasksDialog : public CLegacyListWindow {
public:
    CLegacyDataMasksDialog();
    bool isShownInLibraryMode() const override;

protected:
    jhashDatabaseTable& table() const override;
    gusedByList& usersOf(gtitledObject& object) const override;
    gtitledObject* runDialog(gtitledObject* source, gtitledObject* target) override;
};

// "Legacy Parameters": the station's legacy parameters; hidden in library
// mode.
class CLegacyParametersDialog : public CLegacyListWindow {
public:
    CLegacyParametersDialog();

protected:
    jhashDatabaseTable& table() const override;
    gusedByList& usersOf(gtitledObject& object) const override;
    gtitledObject* runDialog(gtitledObject* source, gtitledObject* target) override;
};
