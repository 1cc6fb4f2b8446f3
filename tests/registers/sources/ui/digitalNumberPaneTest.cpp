#include "g2driver/editor/g2editFixture.h"

#include "formats/ui/CIntegerInputFormatPage.h"
#include "g2driver/editor/CEditDataObjectDialog.h"
#include "g2driver/model/g2driverDataObject.h"
#include "registers/sources/ui/CDigitalNumberDataSourcePane.h"
#include "registers/sources/ui/CEditValueMapDialog.h"
#include "registers/sources/ui/CMovableChildWnd.h"

namespace {

using objectDialog = CEditDataObjectDialog;
using numberPane = CDigitalNumberDataSourcePane;

// The driver of every source kind: Mode reads a digital number of command
// C (parameter Count) through the value map 1 to 10, 2 to 20.
class digitalNumberPane : public g2edit {
protected:
    void SetUp() override
    {
        g2edit::SetUp();
        std::string path(KORVEL_TEST_DATA_DIR);
        path.append("/registers/sources/fixtures/dataObjectSources.stn");
        ASSERT_EQ(loadObjectFile(gstrSlice(path.c_str()), false, false), 0);
        driver = station::g2Drivers().find("Sources");
        ASSERT_NE(driver, nullptr);
        mode = driver->dataObjects().find("Mode");
    }
    std::unique_ptr<objectDialog> openMode()
    {
        return opened<objectDialog>(g2driverSourceTables{driver->commands(), driver->dataObjects(), driver->programs()},
                                    mode, mode, nullptr);
    }
    static numberPane& pane(objectDialog& d) { return static_cast<numberPane&>(*d.currentPane()); }
    // The next Edit Value Map run drops its first entry.
    void thenDropFirstEntry()
    {
        thenOk([](CDialog& map) {
            map.selectItem(CEditValueMapDialog::listId, 0);
            map.sendCommand(CEditValueMapDialog::removeId);
        });
    }

    g2driver* driver = nullptr;
    g2driverDataObject* mode = nullptr;
};

TEST_F(digitalNumberPane, ValueMapGoesIntoTheSourceOnlyOnOk)
{
    std::string before = written(*mode);
    auto d = openMode();
    ASSERT_EQ(d->currentType(), g2sourcePane::digitalNumber);
    thenDropFirstEntry();
    pane(*d).sendCommand(numberPane::valueMapId);
    EXPECT_EQ(pane(*d).valueMap().first()->key, 2);
    d->sendCommand(IDCANCEL);
    EXPECT_EQ(written(*mode), before);

    auto again = openMode();
    EXPECT_EQ(refusal(*again), 0);
    EXPECT_EQ(written(*mode), before);
    auto third = openMode();
    thenDropFirstEntry();
    pane(*third).sendCommand(numberPane::valueMapId);
    EXPECT_EQ(refusal(*third), 0);
    std::string after = written(*mode);
    EXPECT_EQ(after.find("VALUE_MAP\t1, 10"), std::string::npos) << after;
    EXPECT_NE(after.find("\t\tVALUE_MAP\t2, 20\n\t\tDATA\t\tC, Values\n"), std::string::npos) << after;
}

// The parameter row of command C lowers the format page and the button by
// the same distance.
TEST_F(digitalNumberPane, FormatPageAndButtonMoveTogether)
{
    auto d = openMode();
    numberPane& p = pane(*d);
    auto* button = static_cast<CMovableChildWnd*>(p.control(numberPane::valueMapId));
    int placeholderTop = p.control(numberPane::formatPlaceholderId)->pos().y();
    int lowered = p.formatPage().pos().y() - placeholderTop;
    EXPECT_GT(lowered, 0);
    EXPECT_EQ(button->pos().y() - button->origin().y(), lowered);
    EXPECT_GT(button->pos().y(), p.formatPage().pos().y() + p.formatPage().height() - 1);
}

} // namespace
