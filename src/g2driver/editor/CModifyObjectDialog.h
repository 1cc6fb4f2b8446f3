#pragma once

#include "platform/CDialog.h"
#include "registers/sources/gdataObjectRef.h"

#include <memory>

class CParameterValuesPanel;
class g2driverDataObject;
template <class E>
class jhashTypedDatabaseTable;

// Modify Object (template 800; "Add Object" without a target): one data
// object of the driver being edited, other than the object whose source
// refers to it, with the values of its parameters. A target reference is
// changed at OK; without one a new reference is made for the caller.
class CModifyObjectDialog : public CDialog {
public:
    static constexpr int templateId = 800;
    static constexpr int objectId = 1347;
    static constexpr int panelId = 1898;

    CModifyObjectDialog(jhashTypedDatabaseTable<g2driverDataObject>& objects, bool bistateOnly,
                        const g2driverDataObject* edited, const gdataObjectRef* source, gdataObjectRef* target,
                        QWidget* parent);
    ~CModifyObjectDialog() override;

    // After OK without a target: the new reference.
    std::unique_ptr<gdataObjectRef> takeMade() { return std::move(made_); }

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    g2driverDataObject* selectedObject() const;
    void showParameters();

    jhashTypedDatabaseTable<g2driverDataObject>& objects_;
    bool bistateOnly_;
    const g2driverDataObject* edited_;
    const gdataObjectRef* source_;
    gdataObjectRef* target_;
    std::unique_ptr<gdataObjectRef> made_;
    CParameterValuesPanel* panel_ = nullptr;
    int baseHeight_ = 0;
};
