#pragma once

#include "platform/CDialog.h"
#include "store/jhashTypedDatabaseTable.h"

class CEditDeviceDialog;
class g2driverCommand;
class gcommandSequence;
class gdevice;
class QListWidget;

// The page of one initialization sequence, made over a placeholder of its
// parent dialog (template 766): the commands in their order with Edit,
// Delete, Duplicate and New. The rows own what they show until collect hands
// it to a sequence; rows still held when the page goes are deleted. The two
// pages below differ in what a row holds and which dialog edits it.
class CCommandsToSendPageBase : public CDialog {
public:
    static constexpr int templateId = 766;
    static constexpr int descriptionId = 1912;
    static constexpr int listId = 1911;
    static constexpr int editId = 1223;
    static constexpr int deleteId = 1202;
    static constexpr int duplicateId = 1217;
    static constexpr int newId = 1330;

    // A child of the parent at the placeholder's top-left corner, after it
    // in the tab order, with the description's text.
    void create(int placeholderId, int descriptionTextId, CDialog& parent);
    int rowCount() const;
    bool hasEntries() const { return rowCount() > 0; }
    gstr rowText(int row) const;

    void OnNew();
    void OnEdit();
    void OnDuplicate();
    void OnDelete();

protected:
    CCommandsToSendPageBase();

    // Runs the page's editor: New (neither), Edit (the item twice) or
    // Duplicate (start alone); after OK made is the item made or edited.
    virtual bool runEditor(void* start, void* edit, void*& made) = 0;
    virtual gstr describeItem(const void* item) const = 0;
    virtual void deleteItem(void* item) = 0;

    void appendRow(void* item);
    void* itemAt(int row) const;
    void clearItemAt(int row);
    // Deletes every row's item and empties the list; the derived pages call
    // it when they go, while their deleteItem still exists.
    void removeAllRows();
    void enableRowButtons(bool enable);

    QListWidget* list_;

private:
    void insertRow(int row, void* item);
};

// A page of the Edit Device dialog: rows are sequence entries addressed to
// devices of the serial port being edited, edited with the Edit Poll dialog.
class CDeviceCommandsToSendPage : public CCommandsToSendPageBase {
public:
    explicit CDeviceCommandsToSendPage(CEditDeviceDialog& owner);
    ~CDeviceCommandsToSendPage() override;

    // A copy of each entry against the serial port dialog's working tables;
    // the device's own commands show no device.
    void fill(const gcommandSequence& sequence, gdevice* device);
    // The rows go to the (emptied) sequence in order; rows without a device
    // get the device.
    void collect(gcommandSequence& sequence, gdevice* device);
    void removeAll();

protected:
    bool runEditor(void* start, void* edit, void*& made) override;
    gstr describeItem(const void* item) const override;
    void deleteItem(void* item) override;

private:
    CEditDeviceDialog& owner_;
};

// A page of a G2 driver's initialization sequences: rows are requests
// without a device, made from the driver's commands with the Edit
// Initialization Command dialog.
class CCommandsToSendPage : public CCommandsToSendPageBase {
public:
    explicit CCommandsToSendPage(jhashTypedDatabaseTable<g2driverCommand>& commands);
    ~CCommandsToSendPage() override;

    // Copies of each request with the command of the same tag in the table.
    void fill(const gcommandSequence& sequence);
    void collect(gcommandSequence& sequence);

protected:
    bool runEditor(void* start, void* edit, void*& made) override;
    gstr describeItem(const void* item) const override;
    void deleteItem(void* item) override;

private:
    jhashTypedDatabaseTable<g2driverCommand>& commands_;
};
