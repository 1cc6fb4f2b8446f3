#pragma once

#include "platform/CDialog.h"
#include "scl/ui/CG2DriverProgramEditorThread.h"

class CEditG2DeviceDriverDialog;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;
class g2driverDataObject;
class g2driverProgram;

// The "Data objects and programs" page of the Edit Device Driver dialog:
// the working data objects in a list sorted by up to three columns (tag,
// type, source), edited in the Edit Data Object dialog, and the working
// programs, whose properties are edited in the Edit Program dialog and
// whose code in the driver program editor. It fills the owner's working
// data-object and program tables from the source driver, and it is the only
// part of the driver dialog that talks to the program editor.
class CDriverObjectsPage : public CDialog, public driverProgramEditorOwner {
public:
    static constexpr int templateId = 786;
    static constexpr int objectListId = 1348;
    static constexpr int editObjectId = 1238;
    static constexpr int deleteObjectId = 1203;
    static constexpr int duplicateObjectId = 1219;
    static constexpr int newObjectId = 1989;
    static constexpr int programListId = 1385;
    static constexpr int editProgramId = 1224;
    static constexpr int propertiesId = 1388;
    static constexpr int deleteProgramId = 1204;
    static constexpr int duplicateProgramId = 1218;
    static constexpr int newProgramId = 1331;
    static constexpr int editStoredProgramId = propertiesCommand;

    // Columns, and the indices the sort state holds.
    static constexpr int tagColumn = 0;
    static constexpr int typeColumn = 1;
    static constexpr int sourceColumn = 2;

    explicit CDriverObjectsPage(CEditG2DeviceDriverDialog& owner);
    // Detaches from the program editor, which closes, then keeps the sort
    // columns and column widths.
    ~CDriverObjectsPage() override;

    // A child of the owner at the placeholder's top-left corner, after it
    // in the tab order, hidden; the columns and sort state from the
    // settings.
    void create(int placeholderId);
    // Working copies of the source driver's data objects and programs.
    void fill();
    // Every modified program window of the program editor writes its text
    // into its working program.
    void saveOpenPrograms();

    // A click on a column's header: it becomes the primary sort column.
    void sortByColumn(int column);
    // Primary, secondary, tertiary.
    const int* sortColumns() const { return sort_; }

    CDialog& ownerPage() override { return *this; }

    void accept() override;
    void reject() override;

private:
    QTreeWidget& objects() const;
    QListWidget& programs() const;
    g2driverDataObject* objectAt(int row) const;
    g2driverDataObject* selectedObject() const;
    g2driverProgram* selectedProgram() const;
    int compareObjects(const g2driverDataObject& a, const g2driverDataObject& b) const;
    QTreeWidgetItem* makeRow(g2driverDataObject& object) const;
    // Before the first row that compares greater; selected, focused and in
    // view.
    void insertObjectRow(g2driverDataObject& object);
    void sortRows();
    void enableObjectButtons(bool enable);
    void enableProgramButtons(bool enable);
    void readSettings();

    void runObjectDialog(bool withSource, bool edit);
    void deleteObject();
    void runProgramDialog(g2driverProgram* source, g2driverProgram* target);
    void runProperties(g2driverProgram* program, bool reselect);
    void editStoredProgram();
    void openProgram(g2driverProgram& program);
    void deleteProgram();

    CEditG2DeviceDriverDialog& owner_;
    int sort_[3] = {tagColumn, typeColumn, sourceColumn};
};
