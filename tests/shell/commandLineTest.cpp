#include "shell/commandLineInfo.h"
#include "shell/symbolShortcuts.h"

#include <QKeyEvent>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

TEST(commandLine, FileFlagsAndOtherCommands)
{
    auto none = commandLineInfo::parse({});
    EXPECT_EQ(none.command, commandLineInfo::fileNew);
    EXPECT_TRUE(none.showSplash);
    auto file = commandLineInfo::parse({"-nologo", "/data/plant.korvel-station", "second"});
    EXPECT_EQ(file.command, commandLineInfo::fileOpen);
    EXPECT_EQ(file.fileName.view(), "/data/plant.korvel-station");
    EXPECT_FALSE(file.showSplash);
    EXPECT_EQ(commandLineInfo::parse({"-p", "x.stn"}).command, commandLineInfo::other);
    EXPECT_TRUE(commandLineInfo::parse({"--unknown"}).showSplash);
}

TEST(symbolShortcuts, KeysAndTheirCharacters)
{
    struct {
        int vk;
        bool shift;
        int code;
    } cases[] = {
        {48, false, 176}, {96, false, 176}, {49, false, 185}, {97, false, 185}, {50, false, 178}, {98, false, 178},
        {51, false, 179}, {99, false, 179}, {77, false, 181}, {106, false, 215}, {107, false, 177},
        {111, false, 247}, {191, false, 247}, {50, true, 189}, {98, true, 189}, {51, true, 190}, {99, true, 190},
        {52, true, 188}, {100, true, 188}, {56, true, 215}, {187, true, 177}, {32, false, insertSymbolRequest},
        {49, true, 0}, {32, true, 0}, {65, false, 0}, {52, false, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(symbolForKey(c.vk, c.shift), c.code) << c.vk << (c.shift ? " shifted" : "");
}

TEST(symbolShortcuts, KeyEventsNeedCtrl)
{
    auto code = [](int key, Qt::KeyboardModifiers mods) { return symbolForKeyEvent(QKeyEvent(QEvent::KeyPress, key, mods)); };
    EXPECT_EQ(code(Qt::Key_3, Qt::ControlModifier | Qt::KeypadModifier), 179);
    EXPECT_EQ(code(Qt::Key_3, Qt::NoModifier), 0);
    EXPECT_EQ(code(Qt::Key_3, Qt::ControlModifier | Qt::AltModifier), 0);
    EXPECT_EQ(code(Qt::Key_Exclam, Qt::ControlModifier | Qt::ShiftModifier), 0);
    EXPECT_EQ(code(Qt::Key_Dollar, Qt::ControlModifier | Qt::ShiftModifier), 188);
    EXPECT_EQ(code(Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier), 177);
    EXPECT_EQ(code(Qt::Key_Slash, Qt::ControlModifier), 247);
}

} // namespace
