#include "driverDialogFixture.h"
#include "g2driver/editor/CDriverObjectsPage.h"
#include "g2driver/editor/CEditDriverProgramDialog.h"

#include <QTreeWidget>

namespace {

using D = CEditG2DeviceDriverDialog;
using Page = CDriverObjectsPage;

class dataObjectsPageTest : public driverDialogTest {
protected:
    // Each row as "tag|type|source".
    static std::vector<std::string> rows(const Page& page)
    {
        std::vector<std::string> out;
        auto* tree = page.controlAs<QTreeWidget>(Page::objectListId);
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = tree->topLevelItem(i);
            out.push_back((item->text(0) + "|" + item->text(1) + "|" + item->text(2)).toStdString());
        }
        return out;
    }
    static void selectObject(Page& page, const char* tag)
    {
        auto* tree = page.controlAs<QTreeWidget>(Page::objectListId);
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            if (tree->topLevelItem(i)->text(0) == tag) {
                tree->setCurrentItem(tree->topLevelItem(i));
                tree->topLevelItem(i)->setSelected(true);
                return;
            }
        }
        ADD_FAILURE() << tag;
    }
};

TEST_F(dataObjectsPageTest, RowsShowTypeAndSourceAndFollowTheSortColumns)
{
    runDriverDialog(meter(), meter(), [](D& d) {
        Page& page = d.objectsPage();
        EXPECT_EQ(rows(page), (std::vector<std::string>{"Flow|Analog|Number", "Running|Bistate|<Multiple sources>",
                                                        "State|Digital|Bit collection"}));
        page.sortByColumn(Page::sourceColumn);
        EXPECT_EQ(page.sortColumns()[0], Page::sourceColumn);
        EXPECT_EQ(page.sortColumns()[1], Page::tagColumn);
        EXPECT_EQ(rows(page).front(), "Running|Bistate|<Multiple sources>");
        EXPECT_EQ(items(page, Page::programListId), (std::vector<std::string>{"Crc", "Poll, fast"}));
        d.sendCommand(IDCANCEL);
    });
    EXPECT_EQ(profileInt("Dialogs\\Edit G2Driver", "ObjectSortColumn1", 0), Page::sourceColumn);
    runDriverDialog(meter(), meter(), [](D& d) {
        EXPECT_EQ(d.objectsPage().sortColumns()[0], Page::sourceColumn);
        EXPECT_EQ(d.objectsPage().sortColumns()[1], Page::tagColumn);
        d.sendCommand(IDCANCEL);
    });
}

TEST_F(dataObjectsPageTest, ObjectsAndProgramsInUseAreKept)
{
    runDriverDialog(meter(), meter(), [](D& d) {
        Page& page = d.objectsPage();
        selectObject(page, "Flow");
        page.sendCommand(Page::deleteObjectId);
        select(page, Page::programListId, "Crc");
        page.sendCommand(Page::deleteProgramId);
        EXPECT_EQ(rows(page).size(), 3u);
        EXPECT_EQ(items(page, Page::programListId).size(), 2u);
        d.sendCommand(IDOK);
    });
    ASSERT_EQ(user.messages.size(), 2u);
    for (const shownMessage& m : user.messages)
        EXPECT_EQ(m.text.rfind("You cannot delete this item because it is used by the following:\n", 0), 0u) << m.text;
    EXPECT_NE(user.messages[1].text.find("The command template Read"), std::string::npos) << user.messages[1].text;
    EXPECT_EQ(saved(), expected());
}

TEST_F(dataObjectsPageTest, UnusedObjectAndProgramAreDeleted)
{
    runDriverDialog(meter(), meter(), [](D& d) {
        Page& page = d.objectsPage();
        selectObject(page, "State");
        page.sendCommand(Page::deleteObjectId);
        select(page, Page::programListId, "Poll, fast");
        page.sendCommand(Page::deleteProgramId);
        EXPECT_EQ(rows(page).size(), 2u);
        EXPECT_EQ(items(page, Page::programListId), std::vector<std::string>{"Crc"});
        d.sendCommand(IDOK);
    });
    EXPECT_EQ(meter()->dataObjects().find("State"), nullptr);
    EXPECT_EQ(meter()->programs().find("Poll, fast"), nullptr);
    std::string all = saved();
    EXPECT_EQ(all.find("\"Poll, fast\""), std::string::npos);
    EXPECT_EQ(all.find("OBJECT\t\tState"), std::string::npos);
}

TEST_F(dataObjectsPageTest, ProgramPropertiesRefuseATakenTagAndABadLimit)
{
    runDriverDialog(meter(), meter(), [this](D& d) {
        Page& page = d.objectsPage();
        user.scripts.push_back([this](CDialog& p) {
            EXPECT_EQ(p.templateId(), CEditDriverProgramDialog::templateId);
            EXPECT_EQ(p.controlText(CEditDriverProgramDialog::tagId).view(), "Crc");
            p.sendCommand(IDOK);
            EXPECT_EQ(user.lastMessage().text,
                      "The device driver already contains a program with this tag. Please enter a different tag.");
            p.setControlText(CEditDriverProgramDialog::tagId, "Crc2");
            p.setChecked(CEditDriverProgramDialog::abortId, true);
            p.setControlText(CEditDriverProgramDialog::limitId, "0");
            p.sendCommand(IDOK);
            EXPECT_FALSE(p.hasEnded());
            p.sendCommand(IDCANCEL);
        });
        select(page, Page::programListId, "Crc");
        page.sendCommand(Page::duplicateProgramId);
        EXPECT_EQ(items(page, Page::programListId).size(), 2u);
        d.sendCommand(IDCANCEL);
    });
    EXPECT_EQ(user.messages.size(), 2u);
}

} // namespace
