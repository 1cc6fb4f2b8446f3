#pragma once

#include "registers/sources/legacyStation.h"
#include "registers/sources/ui/CSourcePane.h"
#include "registers/ui/CRegisterDialog.h"
#include "registers/ui/registerDialogFixture.h"

#include <QComboBox>
#include <string>

// The register dialogs over the legacy station (legacyStation.h), with
// helpers to reach the source pane and its controls.
class legacyPaneTest : public registerDialogTest {
protected:
    void SetUp() override
    {
        registerDialogTest::SetUp();
        recordingMessages loading;
        ASSERT_EQ(loadStationText(legacyStationText, loading), 0) << loading.lastText();
    }

    // Loads a station file of the fixtures folder instead.
    void loadFixture(const char* name)
    {
        emptyAll();
        recordingMessages loading;
        std::string path = std::string(KORVEL_TEST_DATA_DIR) + "/registers/fixtures/" + name;
        ASSERT_EQ(loadObjectFile(gstrSlice(path.c_str()), false, false), 0) << loading.lastText();
    }

    static void emptyRegisters() { station::registers().deleteAll(); }

    static CSourcePane& pane(CDialog& d) { return *static_cast<CRegisterDialog&>(d).sourcePane(); }

    // Chooses the source type by its type code in the dialog's combo.
    static void chooseType(CDialog& d, int typeCode)
    {
        auto* combo = d.controlAs<QComboBox>(CRegisterDialog::sourceTypeId);
        combo->setCurrentIndex(combo->findData(typeCode));
    }

    // Selects the row of a pane's list or combo by its text.
    static void choose(CDialog& p, int id, const char* text)
    {
        for (int i = 0; i < p.itemCount(id); ++i) {
            if (p.itemText(id, i).view() == text)
                return p.selectItem(id, i);
        }
        ADD_FAILURE() << "no row " << text << " in " << id;
    }

    static std::string selected(CDialog& p, int id)
    {
        int row = p.selectedItem(id);
        return row < 0 ? "" : std::string(p.itemText(id, row).view());
    }

    // New register of the class: tag R, the type chosen, then the pane
    // script, then OK.
    gregister* newRegister(int classCode, int typeCode, std::function<void(CDialog&, CSourcePane&)> fill)
    {
        return run(classCode, nullptr, nullptr, [=](CDialog& d) {
            d.setControlText(CRegisterDialog::tagId, "R");
            chooseType(d, typeCode);
            fill(d, pane(d));
            d.sendCommand(IDOK);
        });
    }
};
