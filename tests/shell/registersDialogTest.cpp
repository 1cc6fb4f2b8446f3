#include "platform/recordingResponder.h"
#include "registers/gregister.h"
#include "shell/CObjectListCtrl.h"
#include "shell/CRegistersDialog.h"
#include "shell/registerDialogs.h"
#include "shell/screenEditorServices.h"
#include "store/gobjectType.h"
#include "store/gstation.h"
#include "store/gstationState.h"

#include "support/ui/temporarySettings.h"

#include <QApplication>
#include <QResizeEvent>
#include <deque>
#include <functional>
#include <map>
#include <gtest/gtest.h>

namespace {

const gobjectType& typeOfClass(int code)
{
    switch (code) {
    case 1: return objectTypes::bistateRegister();
    case 2: return objectTypes::digitalRegister();
    case 3: return objectTypes::analogRegister();
    default: return objectTypes::stringRegister();
    }
}

// What the user does in a register dialog: the run's arguments go to the
// test, which answers the register the dialog made or edited (null: Cancel).
struct dialogRun {
    int classCode;
    gregister* start;
    gregister* edited;
};

struct screenEditorLog : screenEditorServices {
    void refreshDrawingPropertiesBar() override { ++refreshes; }
    void forgetRegister(gregister& reg) override { forgotten.push_back(reg.getTag().view().data()); }
    bool clipboardUsesRegister(const gregister& reg) override { return clipboardHolds == &reg; }
    void emptyClipboard() override
    {
        ++clipboardEmptied;
        clipboardHolds = nullptr;
    }

    int refreshes = 0;
    std::vector<std::string> forgotten;
    const gregister* clipboardHolds = nullptr;
    int clipboardEmptied = 0;
};

// A screen indicator that shows a register.
struct indicator : greferrer {
    void describeReferrer(gstr& text) const override { text.append("Indicator on screen S1"); }
};

class registersDialog : public testing::Test {
protected:
    void SetUp() override
    {
        station::registers().deleteAll();
        installRegisterDialogs([this](int code, gregister* start, gregister* edited, QWidget*) -> gregister* {
            runs.push_back({code, start, edited});
            if (answers.empty())
                return nullptr;
            auto answer = std::move(answers.front());
            answers.pop_front();
            return answer(code, start, edited);
        });
        installScreenEditorServices(&editor);
        window.create(nullptr);
    }

    void TearDown() override
    {
        installRegisterDialogs({});
        installScreenEditorServices(nullptr);
        station::registers().deleteAll();
        stationState() = gstationState{};
    }

    gregister* define(const char* tag, int code, int level = 0)
    {
        gregister* reg = station::registers().define(tag);
        reg->setObjectType(typeOfClass(code));
        reg->setLevel(level);
        return reg;
    }

    // The dialog makes a new register with that tag and level.
    void answerNew(const char* tag, int level = 0)
    {
        answers.push_back([this, tag, level](int code, gregister*, gregister*) { return define(tag, code, level); });
    }

    void answerCancel()
    {
        answers.push_back([](int, gregister*, gregister*) { return nullptr; });
    }

    CObjectListCtrl& list() { return window.list(); }
    int selectedImage() { return list().rowImage(list().getSelectedIndex()); }

    temporarySettings temp;
    recordingResponder user;
    screenEditorLog editor;
    std::vector<dialogRun> runs;
    std::deque<std::function<gregister*(int, gregister*, gregister*)>> answers;
    CRegistersDialog window;
};

TEST_F(registersDialog, NewBistateShowsItsAlarmAndEditChangesTheImageInPlace)
{
    answerNew("ALARM1", 3);
    window.sendCommand(CRegistersDialog::newBistateId);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].classCode, 1);
    EXPECT_EQ(runs[0].start, nullptr);
    EXPECT_EQ(runs[0].edited, nullptr);
    ASSERT_EQ(list().rowCount(), 1);
    EXPECT_EQ(selectedImage(), 0);
    EXPECT_EQ(stationState().modified, 1);
    EXPECT_EQ(editor.refreshes, 1);
    EXPECT_TRUE(window.isControlEnabled(CSelectDialog::editId));

    gregister* reg = station::registers().find("ALARM1");
    stationState().modified = 0;
    answers.push_back([](int, gregister* start, gregister* edited) {
        edited->setLevel(1);
        return start;
    });
    window.sendCommand(CSelectDialog::editId);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[1].start, reg);
    EXPECT_EQ(runs[1].edited, reg);
    EXPECT_EQ(list().objectAt(0), reg);
    EXPECT_EQ(list().rowImage(0), 1);
    EXPECT_EQ(stationState().modified, 1);
    EXPECT_EQ(editor.refreshes, 2);
}

TEST_F(registersDialog, EachNewButtonMakesItsClass)
{
    struct newCase {
        int button;
        int classCode;
        int image;
    } cases[] = {
        {CRegistersDialog::newDigitalId, 2, 2},
        {CRegistersDialog::newAnalogId, 3, 3},
        {CRegistersDialog::newStringId, 4, 4},
        {CRegistersDialog::newBistateId, 1, 1},
    };
    int n = 0;
    for (const newCase& c : cases) {
        static const char* tags[] = {"D", "A", "S", "B"};
        answerNew(tags[n++]);
        window.sendCommand(c.button);
        EXPECT_EQ(runs.back().classCode, c.classCode);
        EXPECT_EQ(selectedImage(), c.image);
    }
    // The main frame's New Register runs them by the chosen type.
    answerNew("S2");
    window.newRegister(3);
    EXPECT_EQ(runs.back().classCode, 4);
    EXPECT_EQ(list().rowCount(), 5);
}

TEST_F(registersDialog, DuplicateAddsASelectedRowOfTheSameClass)
{
    gregister* flow = define("FLOW", 3);
    window.refresh();
    answerNew("FLOW2");
    window.sendCommand(CSelectDialog::duplicateId);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].classCode, 3);
    EXPECT_EQ(runs[0].start, flow);
    EXPECT_EQ(runs[0].edited, nullptr);
    ASSERT_EQ(list().rowCount(), 2);
    EXPECT_EQ(list().getSelectedObject(), station::registers().find("FLOW2"));
    EXPECT_EQ(selectedImage(), 3);
    EXPECT_EQ(stationState().modified, 1);
}

TEST_F(registersDialog, CancelChangesNothing)
{
    define("R", 2);
    window.refresh();
    answerCancel();
    window.sendCommand(CRegistersDialog::newAnalogId);
    answerCancel();
    window.sendCommand(CSelectDialog::editId);
    answerCancel();
    window.sendCommand(CSelectDialog::duplicateId);
    EXPECT_EQ(runs.size(), 3u);
    EXPECT_EQ(list().rowCount(), 1);
    EXPECT_EQ(stationState().modified, 0);
    EXPECT_EQ(editor.refreshes, 0);
}

TEST_F(registersDialog, FillShowsEveryRegisterWithItsImage)
{
    define("B0", 1, 4);
    define("B1", 1, 2);
    define("D", 2);
    define("S", 4);
    window.refresh();
    ASSERT_EQ(list().rowCount(), 4);
    std::map<std::string, int> images;
    for (int i = 0; i < list().rowCount(); ++i)
        images[list().tagAt(i).view().data()] = list().rowImage(i);
    EXPECT_EQ(images, (std::map<std::string, int>{{"B0", 0}, {"B1", 1}, {"D", 2}, {"S", 4}}));
    EXPECT_TRUE(window.canCreateObjects());
    installRegisterDialogs({});
    EXPECT_FALSE(window.canCreateObjects());
}

TEST_F(registersDialog, RegisterInUseIsNotDeleted)
{
    gregister* reg = define("LEVEL", 3);
    indicator screenObject;
    gusesList uses(&screenObject);
    uses.add(reg->usedBy());
    window.refresh();
    window.sendCommand(CSelectDialog::deleteId);
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(user.lastMessage().text,
              "You cannot delete this item because it is used by the following:\n\nIndicator on screen S1");
    EXPECT_EQ(list().rowCount(), 1);
    EXPECT_EQ(station::registers().find("LEVEL"), reg);
    EXPECT_EQ(stationState().modified, 0);
    EXPECT_TRUE(editor.forgotten.empty());
    uses.clear();
}

TEST_F(registersDialog, DeleteForgetsTheRegisterEverywhere)
{
    gregister* copied = define("COPIED", 2);
    define("OTHER", 2);
    editor.clipboardHolds = copied;
    window.refresh();
    list().selectRow(list().indexOf(copied));
    window.sendCommand(CSelectDialog::deleteId);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(station::registers().find("COPIED"), nullptr);
    EXPECT_EQ(editor.clipboardEmptied, 1);
    EXPECT_EQ(editor.forgotten, (std::vector<std::string>{"COPIED"}));
    EXPECT_EQ(editor.refreshes, 1);
    EXPECT_EQ(stationState().modified, 1);
    ASSERT_EQ(list().rowCount(), 1);
    EXPECT_TRUE(window.isControlEnabled(CSelectDialog::deleteId));

    // The last one: the selection buttons go off.
    window.sendCommand(CSelectDialog::deleteId);
    EXPECT_EQ(list().rowCount(), 0);
    EXPECT_EQ(editor.clipboardEmptied, 1);
    for (int id : {CSelectDialog::editId, CSelectDialog::deleteId, CSelectDialog::duplicateId})
        EXPECT_FALSE(window.isControlEnabled(id)) << id;
    // Nothing selected: nothing to do.
    window.sendCommand(CSelectDialog::deleteId);
    window.sendCommand(CSelectDialog::editId);
    EXPECT_TRUE(runs.empty());
}

TEST_F(registersDialog, AddedButtonsFollowTheRightEdge)
{
    QWidget* newString = window.control(CRegistersDialog::newStringId);
    int fromRight = window.width() - newString->x();
    window.resize(window.width() + 60, window.height() + 20);
    QResizeEvent resized(window.size(), window.size());
    QApplication::sendEvent(&window, &resized);
    EXPECT_EQ(window.width() - newString->x(), fromRight);
    EXPECT_EQ(window.control(CSelectDialog::closeId)->x(), newString->x());
}

} // namespace
