#include "g2driver/editor/g2editFixture.h"

#include "g2driver/editor/CEditDataObjectDialog.h"
#include "g2driver/model/g2driverDataObject.h"
#include "registers/sources/g2driverBitCollectionSource.h"
#include "registers/sources/ui/CBitCollectionDataSourcePane.h"
#include "registers/sources/ui/CBitSectionMasksPane.h"
#include "registers/sources/ui/CEditBitSectionDialog.h"
#include "shell/CByteMaskCtrl.h"

#include <QTreeWidget>

namespace {

using objectDialog = CEditDataObjectDialog;
using collectionPane = CBitCollectionDataSourcePane;
using sectionDialog = CEditBitSectionDialog;

// Bits of the driver Sources collects two sections of command C: the byte
// at Tail, and two decimal digits of Values after the key X, rotated by the
// parameter Shift.
class bitCollectionDataSourcePane : public g2edit {
protected:
    void SetUp() override
    {
        g2edit::SetUp();
        std::string path(KORVEL_TEST_DATA_DIR);
        path.append("/registers/sources/fixtures/dataObjectSources.stn");
        ASSERT_EQ(loadObjectFile(gstrSlice(path.c_str()), false, false), 0);
        driver = station::g2Drivers().find("Sources");
        ASSERT_NE(driver, nullptr);
        bits = driver->dataObjects().find("Bits");
        ASSERT_NE(bits, nullptr);
    }
    std::unique_ptr<objectDialog> open(g2driverDataObject* object)
    {
        return opened<objectDialog>(g2driverSourceTables{driver->commands(), driver->dataObjects(), driver->programs()},
                                    object, object, nullptr);
    }
    static collectionPane& pane(objectDialog& d) { return static_cast<collectionPane&>(*d.currentPane()); }
    static QTreeWidget& list(CDialog& p) { return *p.controlAs<QTreeWidget>(collectionPane::sectionsId); }
    static std::vector<std::string> column(CDialog& p, int c)
    {
        std::vector<std::string> texts;
        for (int row = 0; row < list(p).topLevelItemCount(); ++row)
            texts.push_back(list(p).topLevelItem(row)->text(c).toStdString());
        return texts;
    }
    static void select(CDialog& p, int row) { list(p).setCurrentItem(list(p).topLevelItem(row)); }

    g2driver* driver = nullptr;
    g2driverDataObject* bits = nullptr;
};

// The sections list and come back unchanged through OK; Cancel after a
// delete keeps the source.
TEST_F(bitCollectionDataSourcePane, SectionsComeBackUnchanged)
{
    std::string before = written(*bits);
    auto d = open(bits);
    ASSERT_EQ(d->currentType(), g2sourcePane::bitCollection);
    collectionPane& p = pane(*d);
    EXPECT_EQ(p.templateId(), 809);
    EXPECT_EQ(list(p).headerItem()->text(0).toStdString(), "Command");
    EXPECT_EQ(column(p, 1), (std::vector<std::string>{"0", "4 ->"}));
    EXPECT_EQ(column(p, 3), (std::vector<std::string>{"$FF", "$0F"}));
    EXPECT_EQ(refusal(*d), 0);
    EXPECT_EQ(written(*bits), before);

    auto again = open(bits);
    select(pane(*again), 0);
    pane(*again).sendCommand(collectionPane::deleteId);
    select(pane(*again), 0);
    pane(*again).sendCommand(collectionPane::deleteId);
    EXPECT_FALSE(pane(*again).isControlEnabled(collectionPane::editId));
    EXPECT_EQ(refusal(*again), 10148);
    again->sendCommand(IDCANCEL);
    EXPECT_EQ(written(*bits), before);
}

// Duplicate opens the section dialog with the template's values; an empty
// AND mask is refused; OK adds a section (its rotation, left alone, written
// as the template had it) and leaves the template alone.
TEST_F(bitCollectionDataSourcePane, DuplicateAndEditThroughTheSectionDialog)
{
    auto d = open(bits);
    collectionPane& p = pane(*d);
    select(p, 1);
    thenOk([this](CDialog& s) {
        auto& section = dynamic_cast<sectionDialog&>(s);
        EXPECT_EQ(s.templateId(), 816);
        EXPECT_EQ(title(s), "New Bit Section");
        EXPECT_EQ(text(s.controlText(sectionDialog::rotateCountId)), "One rotate parameter");
        EXPECT_EQ(section.masksPane().templateId(), 817);
        // The rotate parameters' list dialog works on the section's copy.
        user.scripts.push_back([](CDialog& terms) {
            EXPECT_EQ(terms.templateId(), 866);
            terms.sendCommand(IDCANCEL);
        });
        s.sendCommand(sectionDialog::rotateEditId);
        EXPECT_EQ(section.rotateParameters().size(), 1u);
        dynamic_cast<CByteMaskCtrl*>(section.masksPane().control(CBitSectionMasksPane::andMaskId))->setMask(0);
        s.sendCommand(IDOK);
        EXPECT_EQ(lastMessageId(), 10004);
        EXPECT_TRUE(section.masksPane().hasFocus(CBitSectionMasksPane::andMaskId));
        dynamic_cast<CByteMaskCtrl*>(section.masksPane().control(CBitSectionMasksPane::andMaskId))->setMask(0x30);
    });
    p.sendCommand(collectionPane::duplicateId);
    EXPECT_EQ(column(p, 3), (std::vector<std::string>{"$FF", "$0F", "$30"}));
    thenOk([](CDialog& s) {
        EXPECT_EQ(title(s), "Edit Bit Section");
        dynamic_cast<sectionDialog&>(s).masksPane().spinRotation(-1);
    });
    select(p, 0);
    p.sendCommand(collectionPane::editId);
    EXPECT_EQ(column(p, 1), (std::vector<std::string>{"<- 1", "4 ->", "4 ->"}));
    EXPECT_EQ(refusal(*d), 0);
    std::string lines = written(*bits);
    EXPECT_NE(lines.find("\t\t\tMASK\t\t48, 3\n\t\t\tROTATE_LEFT\t-4\n"), std::string::npos) << lines;
    EXPECT_NE(lines.find("\t\t\tMASK\t\t255\n\t\t\tROTATE_LEFT\t1\n"), std::string::npos) << lines;
    size_t first = lines.find("ROTATE_PARAM");
    EXPECT_NE(lines.find("ROTATE_PARAM", first + 1), std::string::npos) << lines;
}

} // namespace
