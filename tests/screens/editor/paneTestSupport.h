#pragma once

#include "platform/CDialog.h"
#include "platform/recordingResponder.h"
#include "screens/editor/CColorDialog.h"
#include "screens/model/fscreen.h"
#include "screens/model/ggraphObject.h"
#include "screens/model/screenTestSupport.h"
#include "shell/CColorButton.h"
#include "shell/CSpinEdit.h"
#include "store/gstation.h"
#include "store/gstationState.h"
#include "support/ui/controlHost.h"
#include "support/ui/pageHost.h"

#include <QCheckBox>
#include <QComboBox>

#include <initializer_list>
#include <string>

namespace paneTests {

// A screen of the panes' own tests beside the station fixture's registers:
// two rectangles-like shapes with different fills, two 3D areas of
// different types and two labels with different texts.
inline const char* smallStation = "BISTATE_REG Pump\n"
                                  "\tTITLE\t\tPump running\n"
                                  "END\n"
                                  "ANALOG_REG Level\n"
                                  "END\n"
                                  "SCREEN Panes\n"
                                  "\tBOUNDS\t\t0, 0, 400, 300\n"
                                  "\tRECTANGLE\n"
                                  "\t\tBOUNDS\t\t10, 10, 50, 50\n"
                                  "\t\tLINE_STYLE\tSOLID, 2, 00-00-00\n"
                                  "\t\tFILL_STYLE\tCOLOR, FF-00-00\n"
                                  "\tEND\n"
                                  "\tELLIPSE\n"
                                  "\t\tBOUNDS\t\t60, 10, 100, 50\n"
                                  "\t\tLINE_STYLE\tSOLID, 3, 00-00-00\n"
                                  "\t\tFILL_STYLE\tCOLOR, 00-FF-00\n"
                                  "\tEND\n"
                                  "\t3D_RECT\n"
                                  "\t\tBOUNDS\t\t0, 100, 100, 102\n"
                                  "\t\tTYPE\t\tHLINE\n"
                                  "\tEND\n"
                                  "\t3D_RECT\n"
                                  "\t\tBOUNDS\t\t0, 110, 100, 150\n"
                                  "\t\tTYPE\t\tRAISED\n"
                                  "\tEND\n"
                                  "\tLABEL\n"
                                  "\t\tREGISTER\tPump\n"
                                  "\t\tTEXT\t\tPump: %\n"
                                  "\t\tBOUNDS\t\t10, 200, 110, 214\n"
                                  "\tEND\n"
                                  "\tLABEL\n"
                                  "\t\tREGISTER\tLevel\n"
                                  "\t\tTEXT\t\tLevel %\n"
                                  "\t\tBOUNDS\t\t10, 220, 110, 234\n"
                                  "\tEND\n"
                                  "\tTEXT\n"
                                  "\t\tTEXT\t\tNote\n"
                                  "\t\tBOUNDS\t\t200, 200, 300, 214\n"
                                  "\t\tSTYLE\t\tSERIF, NORMAL, 12, LEFT, 00-00-00\n"
                                  "\tEND\n"
                                  "END\n";

// Every pane test starts from a clean editor.
class paneTest : public screenTests::screenTest {
protected:
    // The user picks a colour (a COLORREF) in the next colour dialog; the
    // dialog's first colour is kept in offeredColour.
    void chooseColourNext(uint32_t colour)
    {
        user.scripts.push_back([this, colour](CDialog& d) {
            auto& dialog = static_cast<CColorDialog&>(d);
            offeredColour = dialog.getColor();
            dialog.setColor(colour);
            d.sendCommand(IDOK);
        });
    }

    fscreen* loadFixture()
    {
        static const char path[] = KORVEL_TEST_DATA_DIR "/screens/model/fixtures/screens.stn";
        EXPECT_EQ(loadObjectFile(gstrSlice(path), false, false), 0);
        return station::screens().find("Overview");
    }
    fscreen* loadSmall()
    {
        EXPECT_EQ(loadText(smallStation), 0);
        return station::screens().find("Panes");
    }

    // The object at a place of the drawing order, 0 the back.
    static ggraphObject* objectAt(const fscreen& screen, int place)
    {
        ggraphObject* object = screen.firstObject();
        for (; object && place > 0; --place)
            object = object->getNext();
        return object;
    }
    // Selects the objects at these places and gathers their properties.
    static void select(fscreen& screen, std::initializer_list<int> places)
    {
        screen.emptySelection();
        for (int place : places)
            screen.selectObject(objectAt(screen, place));
        screen.gatherSelection();
    }

    // What the user does to a pane's controls.
    static void pick(CDialog& pane, int id, int item)
    {
        auto* list = pane.controlAs<QComboBox>(id);
        ASSERT_NE(list, nullptr) << id;
        list->setCurrentIndex(item);
        emit list->activated(item);
    }
    static void typeNumber(CDialog& pane, int id, const char* text)
    {
        auto* edit = pane.controlAs<QLineEdit>(id);
        ASSERT_NE(edit, nullptr) << id;
        edit->selectAll();
        if (*text)
            typeText(edit, QString::fromLatin1(text));
        else {
            // The user erased the field.
            edit->clear();
            edit->setModified(true);
        }
    }
    static Qt::CheckState checkState(CDialog& pane, int id) { return pane.controlAs<QCheckBox>(id)->checkState(); }
    static bool showsColour(CDialog& pane, int id) { return dynamic_cast<CColorButton*>(pane.control(id))->hasColor(); }
    static uint32_t shownColour(CDialog& pane, int id) { return dynamic_cast<CColorButton*>(pane.control(id))->getColor(); }

    bool modified() const { return stationState().modified != 0; }
    void clearModified() { stationState().modified = 0; }
    // The saved lines of the station, LF-ended.
    bool savedHas(const std::string& text) { return savedObjects().find(text) != std::string::npos; }

    recordingResponder user;
    uint32_t offeredColour = 0;
};

} // namespace paneTests
