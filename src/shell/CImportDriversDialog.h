#pragma once

#include "platform/CDialog.h"

class gimportableDriver;
class QListWidget;

// Import Device Drivers: lists the drivers of the library just read into the
// library tables, legacy and current generation together, sorted by their
// titles; "&Import" moves the selected ones into the station.
class CImportDriversDialog : public CDialog {
public:
    static constexpr int templateId = 560;
    static constexpr int listId = 1216;

    explicit CImportDriversDialog(QWidget* parent);

    QListWidget& list() const { return *list_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void addDriver(const gstr& title, gimportableDriver* driver);
    void selectionChanged();

    QListWidget* list_;
};
