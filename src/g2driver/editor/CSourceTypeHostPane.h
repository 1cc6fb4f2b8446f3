#pragma once

#include "platform/CDialog.h"
#include "registers/sources/g2driverDataSource.h"

#include <QPoint>
#include <cstdint>
#include <memory>

class CDataSourcePane;
class QComboBox;
class g2driverParameter;
class g2driverDataObject;
class g2driverParameterTable;

// What the Edit Data Object and the Edit Source dialogs share: the "Source
// type" combo (1443) above a placeholder (1658), over which the pane of the
// chosen source type is shown; the host grows and shrinks with the pane.
// The panes reach the driver being edited through the host: its working
// commands, data objects and programs, the data object's working
// parameters, the object being edited, its value kind and its number of
// values.
class CSourceTypeHostPane : public CDialog {
public:
    static constexpr int sourceTypeId = 1443;
    static constexpr int placeholderId = 1658;

    CSourceTypeHostPane(int templateId, const g2driverSourceTables& tables, QWidget* parent);
    ~CSourceTypeHostPane() override;

    const g2driverSourceTables& tables() const { return tables_; }
    virtual g2driverParameterTable& workingParameters() = 0;
    // The data object being edited; null for a new one.
    virtual g2driverDataObject* editedObject() const = 0;
    // The working parameters of the kind in the data object's order, the
    // preselected one selected (else the first); false when none fits.
    virtual bool fillParameterCombo(QComboBox& combo, int32_t kind, const g2driverParameter* preselected) const = 0;
    // 1 bistate, 2 digital, 3 analog, 4 string.
    int32_t valueKind() const { return valueKind_; }
    int32_t valueCount() const { return valueCount_; }
    // The pane type shown (1 to 17) and its pane.
    int currentType() const { return currentType_; }
    CDataSourcePane* currentPane() const { return pane_.get(); }

    // Width, the placeholder's corner and the height without it, from the
    // dialog as built.
    void measure();
    // The pane of the source's type (Parameter without a source) filled
    // from it, the combo filled for the value kind.
    void showSource(const g2driverDataSource* source, bool allowMultiple);
    // 1 when the pane (or a Parameter pane in its place) serves the new
    // kind, 0 when the user or the pane refused.
    int changeValueType(int32_t kind, bool allowMultiple);
    void setValueCount(int32_t count);
    // The host's height follows the pane's.
    void relayout();

    // A new pane of the type (1 to 17), none for another number.
    std::unique_ptr<CDataSourcePane> createSourcePane(int paneType);

protected:
    // Adds the "&Source type:" combo at (x, y) and the placeholder below it.
    void addSourceTypeControls(int x, int y, int cx, int placeholderHeight);
    void setValueKind(int32_t kind) { valueKind_ = kind; }
    // The pane's source, or null after the pane's message.
    std::unique_ptr<g2driverDataSource> makeSource();

private:
    void fillTypes(bool allowMultiple);
    void onTypeSelected();
    void restoreSelection();
    void adopt(std::unique_ptr<CDataSourcePane> pane, int paneType);

    g2driverSourceTables tables_;
    int32_t valueKind_ = 1;
    int32_t valueCount_ = 1;
    int currentType_ = 0;
    bool filling_ = false;
    std::unique_ptr<CDataSourcePane> pane_;
    int width_ = 0;
    int fixedHeight_ = 0;
    QPoint corner_;
};
