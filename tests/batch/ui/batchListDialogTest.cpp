#include "batchUiFixture.h"

#include "batch/ui/CChangeProgramsDialog.h"
#include "batch/ui/CChangeRequestsDialog.h"
#include "batch/ui/CModifyParametersDialog.h"
#include "batch/ui/CModifyRegistersDialog.h"
#include "legacy/glegacyParameter.h"
#include "registers/gregister.h"
#include "sabus/gsabusRequest.h"
#include "scl/gsclProgram.h"
#include "store/gstationState.h"

#include <functional>

namespace {

class batchListDialogs : public batchUi {};

// Each list tool on an object whose title the file gave equal to its tag
// and on one without a title: a Replace All that replaces nothing leaves
// both as they were, whether the Names scope is on or off; where Names
// replaced in a title and made it the tag, the title goes.
TEST_F(batchListDialogs, TitlesChangeOnlyWhereNamesReplaced)
{
    loadStation("PROGRAM Pa\n\tTITLE\t\tPa\nEND\nPROGRAM Pb\nEND\n"
                "PARAMETER Ma\n\tTITLE\t\tMa\n\tDEFAULT\t\t1\nEND\nPARAMETER Mb\n\tDEFAULT\t\t1\nEND\n"
                "BISTATE_REG Ra\n\tTITLE\t\tRa\nEND\nBISTATE_REG Rb\nEND\n"
                "REQUEST Qa\n\tTITLE\t\tQa\n\tOPCODE\t\ta\n\tTYPE\t\tQUERY\n\t\tDATA\t\tREGISTER STATUS\n"
                "\t\t\tREGISTER\tRa\n\t\t\tOFF_STRING\t0\n\t\t\tON_STRING\t1\n\t\tEND\n\tEND\nEND\n"
                "REQUEST Qb\n\tOPCODE\t\tb\n\tTYPE\t\tQUERY\n\t\tDATA\t\tREGISTER STATUS\n"
                "\t\t\tREGISTER\tRb\n\t\t\tOFF_STRING\t0\n\t\t\tON_STRING\t1\n\t\tEND\n\tEND\nEND\n");
    struct tool {
        const char* name;
        std::function<std::unique_ptr<CBatchListDialog>()> open;
        // A scope besides Names, so that Replace All is enabled with Names off.
        int otherScope;
        // The titled object and the untitled one.
        const char* titled;
        const char* untitled;
        std::function<gtitledObject*(const char*)> find;
    };
    const tool tools[] = {
        {"programs", [] { return opened<CChangeProgramsDialog>(); }, CChangeProgramsDialog::literalsId, "Pa", "Pb",
         [](const char* tag) -> gtitledObject* { return station::programs().find(tag); }},
        {"parameters", [] { return opened<CModifyParametersDialog>(); }, CModifyParametersDialog::defaultValuesId,
         "Ma", "Mb", [](const char* tag) -> gtitledObject* { return station::legacyParameters().find(tag); }},
        {"registers", [] { return opened<CModifyRegistersDialog>(false); }, CModifyRegistersDialog::logStringsId,
         "Ra", "Rb", [](const char* tag) -> gtitledObject* { return station::registers().find(tag); }},
        {"requests", [] { return opened<CChangeRequestsDialog>(); }, CChangeRequestsDialog::fixedParametersId,
         "Qa", "Qb", [](const char* tag) -> gtitledObject* { return station::requests().find(tag); }},
    };
    for (const tool& t : tools) {
        gtitledObject* titled = t.find(t.titled);
        gtitledObject* untitled = t.find(t.untitled);
        ASSERT_TRUE(titled && untitled) << t.name;
        for (bool names : {false, true}) {
            SCOPED_TRACE(std::string(t.name) + (names ? ", names" : ""));
            auto d = t.open();
            setFind(*d, "zz", "yy", false, true);
            d->setChecked(CBatchListDialog::namesId, names);
            d->setChecked(t.otherScope, true);
            selectTags(*d, {t.titled, t.untitled});
            user.messages.clear();
            d->sendCommand(CBatchListDialog::replaceAllId);
            EXPECT_EQ(last().icon, gicon::warning) << last().text;
            EXPECT_EQ(text(titled->getTitle(false)), t.titled);
            EXPECT_FALSE(untitled->hasTitle());
            EXPECT_EQ(stationState().modified, 0);
        }
        // Names replacing in the title: a title that comes to equal the tag
        // is cleared; the untitled object's borrowed name goes back too.
        titled->setTitle("zz");
        auto d = t.open();
        setFind(*d, "zz", t.titled, false, true);
        d->setChecked(CBatchListDialog::namesId, true);
        selectTags(*d, {t.titled, t.untitled});
        d->sendCommand(CBatchListDialog::replaceAllId);
        EXPECT_FALSE(titled->hasTitle()) << t.name;
        EXPECT_FALSE(untitled->hasTitle()) << t.name;
        stationState().modified = 0;
    }
}

} // namespace
