#pragma once

#include "g2driver/editor/parameterListEditor.h"
#include "g2driver/model/g2driver.h"
#include "platform/CDialog.h"

class CDriverCommandsPane;
class CDriverObjectsPage;
class CNonNegativeSpinEdit;
class CRealSpinEdit;
class QComboBox;
class QTabBar;

// Creates, duplicates or edits a G2 device driver. The dialog never edits
// the driver in place: it copies every table of the driver into working
// tables of its own, which its pages and every dialog below it change, and
// OK writes them back. Parameters, commands and data objects are written
// back by tag, so the objects that other parts of the station refer to keep
// their identity; templates, error codes and programs, which only the
// driver's own objects refer to, are replaced. In Edit mode the working
// parameters, commands and data objects report the users of the driver's
// own, so the in-use guards see the real referrers.
//
// New passes neither source nor target, Duplicate the source alone, Edit
// the same driver twice. While the dialog exists, SCL colouring of driver
// programs looks names up in its working tables.
class CEditG2DeviceDriverDialog : public CDialog {
public:
    static constexpr int templateId = 717;
    static constexpr int tagId = 1470;
    static constexpr int nameId = 1326;
    static constexpr int retriesId = 1599;
    static constexpr int delayId = 1201;
    static constexpr int tabId = 1673;
    static constexpr int placeholderId = 1674;
    static constexpr int errorHandlingId = 1946;
    static constexpr int initSequenceId = 1288;

    CEditG2DeviceDriverDialog(g2driver* source, g2driver* target, QWidget* parent);
    ~CEditG2DeviceDriverDialog() override;

    // The driver written by OK (the new one in New and Duplicate mode).
    g2driver* driver() const { return target_; }
    g2driver* source() const { return source_; }
    bool isEditing() const { return source_ != nullptr && source_ == target_; }

    g2driverParameterTable& workingParameters() { return parameters_; }
    g2driverErrorCodeTable& workingErrorCodes() { return errorCodes_; }
    jhashTypedDatabaseTable<g2driverCommandTemplate>& workingTemplates() { return templates_; }
    jhashTypedDatabaseTable<g2driverCommand>& workingCommands() { return commands_; }
    jhashTypedDatabaseTable<g2driverDataObject>& workingDataObjects() { return dataObjects_; }
    g2driverProgramTable& workingPrograms() { return programs_; }
    // The working tables that data-object sources refer to.
    g2driverSourceTables sourceTables() { return {commands_, dataObjects_, programs_}; }
    g2driverErrorHandling& workingErrorHandling() { return errorHandling_; }
    gcommandSequence& workingFirstTimeSequence() { return firstTime_; }
    gcommandSequence& workingReinitSequence() { return reinit_; }
    gcommandSequence& workingCommonSequence() { return common_; }
    // The Parameters list's parameters, top to bottom.
    garray<g2driverParameter> listedParameters() const { return parameterList_.listed(); }

    // The number of retries the dialog shows; false when it is no number.
    bool shownRetries(int32_t& out) const;

    CDriverCommandsPane& commandsPane() const { return *commandsPane_; }
    CDriverObjectsPage& objectsPage() const { return *objectsPage_; }

    // The tags of the working error codes of the kind, in table order, each
    // carrying its code; the preselected code is selected, else the first.
    // False when nothing could be selected.
    bool fillErrorCodeCombo(QComboBox& combo, int32_t kind, const g2driverErrorCode* preselected) const;
    // The Error Handling dialog's OK: the working codes become the table's,
    // by tag, so that the codes kept keep their identity; those not named go.
    void replaceErrorCodes(g2driverErrorCodeTable& codes);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void buildControls();
    void showPage(int index);
    void fillFromSource();
    void copyErrorHandling(const g2driverErrorHandling& from, g2driverErrorHandling& to,
                           g2driverErrorCodeTable& codes) const;
    bool readFields(int32_t& retries, uint32_t& delay);
    void writeBack(int32_t retries, uint32_t delay);

    g2driver* source_;
    g2driver* target_;
    CNonNegativeSpinEdit* retries_ = nullptr;
    CRealSpinEdit* delay_ = nullptr;
    QTabBar* tabs_ = nullptr;
    CDriverCommandsPane* commandsPane_ = nullptr;
    CDriverObjectsPage* objectsPage_ = nullptr;

    // In the order of the driver's own tables, so that they go as its do:
    // programs first, parameters last.
    g2driverParameterTable parameters_;
    g2driverErrorCodeTable errorCodes_{5};
    g2driverErrorHandling errorHandling_;
    jhashTypedDatabaseTable<g2driverCommandTemplate> templates_{10};
    jhashTypedDatabaseTable<g2driverCommand> commands_{20};
    jhashTypedDatabaseTable<g2driverDataObject> dataObjects_{50};
    gcommandSequence firstTime_;
    gcommandSequence reinit_;
    gcommandSequence common_;
    g2driverProgramTable programs_{10};
    parameterListEditor parameterList_;
};
