#pragma once

#include "registers/sources/ui/CDataSourcePane.h"
#include "store/gprocessorCall.h"

#include <memory>
#include <vector>

class CProgramCombo;
class QListWidget;
class g2driverDataObject;
class gdataObjectRef;

// The pane of a Summary source (template 799): an optional program of the
// driver with its arguments, and the data objects whose values the summary
// combines, each with its parameter values, picked in the Modify Object
// dialog. The list shows the objects sorted; the source keeps them in the
// order they were read and added, so an unchanged OK writes them back as
// they were.
class CSummaryDataSourcePane : public CDataSourcePane {
public:
    static constexpr int templateId = 799;
    static constexpr int programId = 1384;
    static constexpr int argumentsId = 1030;
    static constexpr int objectsId = 1348;
    static constexpr int modifyId = 1968;
    static constexpr int removeId = 1573;
    static constexpr int duplicateId = 1217;
    static constexpr int addId = 1004;
    static constexpr int addBistateId = 1005;

    explicit CSummaryDataSourcePane(CSourceTypeHostPane& host);
    ~CSummaryDataSourcePane() override;

    bool create(const g2driverDataSource* source) override;
    std::unique_ptr<g2driverDataSource> makeSource() override;

private:
    QListWidget& list() const;
    gdataObjectRef* selectedReference() const;
    void addEntry(gdataObjectRef* reference);
    void enableButtons();
    void programSelected();
    void openModifyObject(bool bistateOnly, gdataObjectRef* source, bool modify);
    void removeReference();
    std::vector<const g2driverDataObject*> referencedObjects() const;

    gprocessorCall call_;
    CProgramCombo* programs_ = nullptr;
    std::vector<std::unique_ptr<gdataObjectRef>> references_;
    // The objects the pane was opened with, in their order: a summary the
    // file held without a program over objects of other kinds is confirmed
    // as long as it names the same objects.
    std::vector<const g2driverDataObject*> shownObjects_;
};
