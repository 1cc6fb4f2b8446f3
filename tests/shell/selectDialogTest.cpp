#include "legacy/glegacyMask.h"
#include "platform/recordingResponder.h"
#include "platform/settingsStore.h"
#include "shell/CMainFrame.h"
#include "shell/CObjectListCtrl.h"
#include "shell/CSelectDialog.h"
#include "shell/CStationEditorApp.h"
#include "shell/listWindowState.h"
#include "store/gstation.h"
#include "store/gstationState.h"

#include "support/ui/temporarySettings.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScreen>
#include <QStringList>
#include <fstream>
#include <gtest/gtest.h>

namespace {

// A list window over the station's masks that counts what its buttons asked.
class maskList : public CSelectDialog {
public:
    maskList() : CSelectDialog("Select Dialogs\\Masks", 597, 634, "Legacy Data Masks") {}

    bool isShownInLibraryMode() const override { return true; }
    void fillList() override
    {
        for (glegacyMask* m : masks)
            list().insertObject(m, false);
    }

    std::vector<glegacyMask*> masks;
    int edits = 0;
    int deletes = 0;

protected:
    void OnEdit() override { ++edits; }
    void OnDelete() override { ++deletes; }
};

class selectDialog : public testing::Test {
protected:
    void SetUp() override { station::legacyMasks().deleteAll(); }
    void TearDown() override
    {
        station::legacyMasks().deleteAll();
        stationState() = gstationState{};
    }

    glegacyMask* mask(const char* tag, const char* title = nullptr)
    {
        glegacyMask* m = station::legacyMasks().define(tag);
        if (title)
            m->setTitle(title);
        return m;
    }

    static std::vector<std::string> names(const CObjectListCtrl& list)
    {
        std::vector<std::string> out;
        for (int i = 0; i < list.rowCount(); ++i)
            out.emplace_back(list.nameAt(i).view());
        return out;
    }

    temporarySettings temp;
    recordingResponder user;
};

TEST_F(selectDialog, SelectedInsertLandsInSortOrder)
{
    maskList window;
    window.create(nullptr);
    CObjectListCtrl& list = window.list();
    window.masks = {mask("T3", "c"), mask("T1", "A")};
    window.refresh();
    EXPECT_EQ(names(list), (std::vector<std::string>{"A", "c"}));
    EXPECT_EQ(list.getSelectedIndex(), 0);

    EXPECT_EQ(list.insertObject(mask("T2", "b"), true), 1);
    EXPECT_EQ(names(list), (std::vector<std::string>{"A", "b", "c"}));
    EXPECT_EQ(list.getSelectedObject()->getTag().view(), "T2");

    // A row without a title shows its tag; by tag the tags decide.
    list.setSortByTag(true);
    list.sort();
    EXPECT_EQ(list.insertObject(mask("T0"), true), 0);
    EXPECT_EQ(list.nameAt(0).view(), "T0");
    EXPECT_EQ(list.tagAt(3).view(), "T3");
}

// Rows added in one go sort as rows added one by one: equal names keep the
// order the one-by-one insertion gave them.
TEST_F(selectDialog, RowsAddedInOneGoSortAsRowsAddedOneByOne)
{
    std::vector<gtitledObject*> objects = {mask("T1", "same"), mask("T2", "b"), mask("T3", "Same"),
                                           mask("T4", "a"), mask("T5", "same")};
    CObjectListCtrl oneByOne;
    for (gtitledObject* object : objects)
        oneByOne.insertObject(object, false);
    oneByOne.sort();
    CObjectListCtrl together;
    together.insertObjects(objects);
    together.sort();
    std::vector<std::string> tags;
    for (int i = 0; i < together.rowCount(); ++i) {
        EXPECT_EQ(together.objectAt(i), oneByOne.objectAt(i)) << i;
        tags.emplace_back(together.tagAt(i).view());
    }
    EXPECT_EQ(tags, (std::vector<std::string>{"T4", "T2", "T5", "T3", "T1"}));
}

TEST_F(selectDialog, DeleteReselectsAndReportsAnEmptyList)
{
    maskList window;
    window.create(nullptr);
    CObjectListCtrl& list = window.list();
    window.masks = {mask("a"), mask("b"), mask("c")};
    window.refresh();
    list.selectRow(2);
    EXPECT_EQ(list.deleteRow(2, true), 0);
    EXPECT_EQ(list.getSelectedIndex(), 1);
    EXPECT_EQ(list.deleteObjectRow(window.masks[0], false), 0);
    EXPECT_EQ(list.getSelectedIndex(), 0);
    EXPECT_EQ(list.deleteRow(0, true), 1);
    EXPECT_EQ(list.rowCount(), 0);
}

TEST_F(selectDialog, RenamedObjectMovesToItsPlace)
{
    maskList window;
    window.create(nullptr);
    CObjectListCtrl& list = window.list();
    glegacyMask* first = mask("a", "Alpha");
    window.masks = {first, mask("b", "Beta")};
    window.refresh();
    first->setTitle("Zulu");
    EXPECT_EQ(list.updateRow(0), 1);
    EXPECT_EQ(names(list), (std::vector<std::string>{"Beta", "Zulu"}));
    first->setTitle("Omega");
    list.renameObjectRow(first);
    EXPECT_EQ(list.nameAt(1).view(), "Omega");
}

TEST_F(selectDialog, ButtonsFollowTheSelectionAndTheKeyboard)
{
    maskList window;
    window.create(nullptr);
    EXPECT_FALSE(window.isControlEnabled(CSelectDialog::editId));
    window.masks = {mask("a")};
    window.refresh();
    EXPECT_TRUE(window.isControlEnabled(CSelectDialog::editId));
    EXPECT_TRUE(window.isControlEnabled(CSelectDialog::deleteId));
    window.list().clearSelection();
    EXPECT_FALSE(window.isControlEnabled(CSelectDialog::editId));
    EXPECT_FALSE(window.isControlEnabled(CSelectDialog::deleteId));
    window.list().selectRow(0);
    EXPECT_TRUE(window.isControlEnabled(CSelectDialog::editId));
    window.emptyList();
    EXPECT_FALSE(window.isControlEnabled(CSelectDialog::duplicateId));
    EXPECT_EQ(window.list().rowCount(), 0);

    window.refresh();
    emit window.list().doubleClicked(window.list().model()->index(0, 0));
    EXPECT_EQ(window.edits, 1);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QCoreApplication::sendEvent(&window.list(), &del);
    EXPECT_EQ(window.deletes, 1);
    window.show();
    window.sendCommand(CSelectDialog::closeId);
    EXPECT_TRUE(window.isHidden());
}

TEST_F(selectDialog, NewObjectIsSelectedAndTheStationModified)
{
    maskList window;
    window.create(nullptr);
    window.addNewObject(mask("n", "New one"));
    EXPECT_EQ(stationState().modified, 1);
    EXPECT_EQ(window.list().getSelectedIndex(), 0);
    EXPECT_TRUE(window.isControlEnabled(CSelectDialog::editId));
}

TEST_F(selectDialog, ColumnsAndSortOrderAreRemembered)
{
    writeProfileInt("Select Dialogs\\Masks", "SortByTag", 1);
    writeProfileInt("Select Dialogs\\Masks", "Column1", 150);
    {
        maskList window;
        window.create(nullptr);
        EXPECT_TRUE(window.list().sortByTag());
        EXPECT_EQ(window.list().columnWidth(0), 150);
        // A click on the Name header sorts by name.
        emit window.list().header()->sectionClicked(0);
        EXPECT_FALSE(window.list().sortByTag());
        window.setGeometry(40, 50, 300, 250);
    }
    EXPECT_EQ(profileInt("Select Dialogs\\Masks", "SortByTag", -1), 0);
    EXPECT_EQ(profileInt("Select Dialogs\\Masks", "SizeX", -1), 300);
    maskList again;
    again.create(nullptr);
    EXPECT_EQ(again.geometry(), QRect(40, 50, 300, 250));
}

TEST_F(selectDialog, PlacementSavedOnAnotherScreenIsScaled)
{
    EXPECT_EQ(scaleToScreen(512, 1280, 1024), 640);
    EXPECT_EQ(scaleToScreen(512, 1024, 1024), 512);
    QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    writeProfileInt(barSummarySection, "ScreenCX", screen.width() / 2);
    writeProfileInt(barSummarySection, "ScreenCY", screen.height());
    writeProfileInt("Select Dialogs\\Masks", "PosX", 100);
    writeProfileInt("Select Dialogs\\Masks", "PosY", 60);
    writeProfileInt("Select Dialogs\\Masks", "SizeX", 200);
    writeProfileInt("Select Dialogs\\Masks", "SizeY", 300);
    writeProfileInt("Select Dialogs\\Masks", "Column2", 40);
    maskList window;
    window.create(nullptr);
    EXPECT_EQ(window.geometry(), QRect(200, 60, 400, 300));
    EXPECT_EQ(window.list().columnWidth(1), 80);
}

TEST_F(selectDialog, WithoutAFullPlacementTheWindowKeepsItsOwnButItsColumns)
{
    writeProfileInt("Select Dialogs\\Masks", "PosX", 100);
    writeProfileInt("Select Dialogs\\Masks", "Column1", 77);
    maskList plain;
    QRect own = plain.geometry();
    maskList window;
    window.create(nullptr);
    EXPECT_EQ(window.geometry(), own);
    EXPECT_EQ(window.list().columnWidth(0), 77);
}

TEST_F(selectDialog, ResizingKeepsButtonsAtTheRightEdgeAboveTheMinimum)
{
    maskList window;
    window.create(nullptr);
    window.show();
    QWidget* close = window.control(CSelectDialog::closeId);
    int rightGap = window.width() - close->x();
    int listGap = window.width() - window.list().geometry().right();
    window.resize(window.width() + 120, window.height() + 80);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.width() - close->x(), rightGap);
    EXPECT_EQ(window.width() - window.list().geometry().right(), listGap);
    EXPECT_EQ(window.minimumSize(), window.minimumTrackSize());
    QWidget* newButton = window.control(CSelectDialog::newId);
    EXPECT_EQ(window.minimumTrackSize().width(), 2 * newButton->width());
    EXPECT_EQ(window.minimumTrackSize().height(), newButton->geometry().bottom() + 1 + close->y());
}

TEST_F(selectDialog, FarOffsetsAreTakenAsTheTemplatesOwn)
{
    EXPECT_EQ(CFittedListCtrl::fittedWidthOffset(-101), -83);
    EXPECT_EQ(CFittedListCtrl::fittedWidthOffset(-100), -100);
    EXPECT_EQ(CFittedListCtrl::fittedHeightOffset(-150), -2);
    EXPECT_EQ(CFittedListCtrl::fittedHeightOffset(-8), -8);
}

TEST_F(selectDialog, LibraryModeHidesTheStationListsAndFillsTheDriverLists)
{
    std::string library = temp.folder() + "/drivers.korvel-drivers";
    std::ofstream(library) << "MASK M1\n\tTITLE\t\t\"Mask one\"\n\tPATTERN2\t#\n\tBUFFER_SIZE\t8\n\tTIMEOUT\t\t1\nEND\n";
    CStationEditorApp app;
    ASSERT_TRUE(app.InitInstance({"-nologo", QString::fromStdString(library)}));
    CMainFrame* frame = app.mainFrame();
    frame->listWindowAt(CMainFrame::registers)->show();
    frame->listWindowAt(CMainFrame::registers)->refresh();
    EXPECT_TRUE(frame->listWindowAt(CMainFrame::registers)->isHidden());
    // Opening the library filled the driver lists.
    CSelectDialog* masks = frame->listWindowAt(CMainFrame::legacyDataMasks);
    ASSERT_EQ(masks->list().rowCount(), 1);
    EXPECT_EQ(masks->list().nameAt(0).view(), "Mask one");
}

} // namespace
