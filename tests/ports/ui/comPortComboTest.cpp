#include "ports/ui/CComPortCombo.h"
#include "store/storeFiles.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(comPortCombo, ListsTheDevicesOfTheTerminalClass)
{
    tempFolder folder;
    namespace fs = std::filesystem;
    for (const char* name : {"ttyS0", "ttyACM1", "console"})
        fs::create_directory(folder.dir() / name);
    for (const char* name : {"ttyS0", "ttyACM1"})
        fs::create_directory_symlink(folder.dir(), folder.dir() / name / "device");
    CComPortCombo combo(nullptr, folder.dir().c_str());
    ASSERT_EQ(combo.count(), 2);
    EXPECT_EQ(combo.itemText(0), "/dev/ttyACM1");
    EXPECT_EQ(combo.itemText(1), "/dev/ttyS0");
    CComPortCombo none(nullptr, (folder.dir() / "missing").c_str());
    EXPECT_EQ(none.count(), 0);
}

} // namespace
