#include "platform/settingsStore.h"

#include "support/ui/temporarySettings.h"

#include <gtest/gtest.h>

namespace {

const gstrSlice generalKey = "Software\\Korvel Viziveridizuva inc.\\K.O.R.V.E.L. Quillane\\General";

TEST(settingsStore, ProfileValuesRoundTripAndKeepBackslashedSections)
{
    temporarySettings temp;
    EXPECT_EQ(profileInt("Select Dialogs\\Registers", "PosX", -1), -1);
    EXPECT_TRUE(writeProfileInt("Select Dialogs\\Registers", "PosX", 512));
    EXPECT_TRUE(writeProfileInt("General", "MaximizeApp", 1));
    EXPECT_TRUE(writeProfileString("Settings", "Image Library", "/data/pictures.korvel-images"));

    EXPECT_EQ(profileInt("Select Dialogs\\Registers", "PosX", -1), 512);
    EXPECT_EQ(profileInt("General", "MaximizeApp", 0), 1);
    EXPECT_EQ(profileString("Settings", "Image Library", "").view(), "/data/pictures.korvel-images");
    EXPECT_NE(temp.readUserFile().find(
                  "[Software\\Korvel Viziveridizuva inc.\\K.O.R.V.E.L. Quillane\\Select Dialogs\\Registers]\nPosX=512\n"),
              std::string::npos);
}

TEST(settingsStore, AwkwardTextRoundTrips)
{
    temporarySettings temp;
    const char raw[] = " lead=\\back\nline\r\x01 \xE9 trail ";
    gstrSlice value(raw, sizeof raw - 1);
    ASSERT_TRUE(settings().writeString(settingsHive::currentUser, generalKey, "[odd=name ", value));
    ASSERT_TRUE(settings().writeString(settingsHive::currentUser, generalKey, "", "default"));
    EXPECT_EQ(settings().readString(settingsHive::currentUser, generalKey, "[odd=name ")->view(), value.view());
    EXPECT_EQ(settings().readString(settingsHive::currentUser, generalKey, "")->view(), "default");
}

TEST(settingsStore, IntegersReadOnlyWhenWhole)
{
    temporarySettings temp;
    struct {
        const char* text;
        std::optional<int> expected;
    } cases[] = {
        {"12", 12}, {"-1", -1}, {"4294967295", -1}, {"2147483648", INT32_MIN},
        {"", std::nullopt}, {"12a", std::nullopt}, {"4294967296", std::nullopt}, {"0x10", std::nullopt},
    };
    for (const auto& c : cases) {
        settings().writeString(settingsHive::currentUser, generalKey, "v", c.text);
        EXPECT_EQ(settings().readInt(settingsHive::currentUser, generalKey, "v"), c.expected) << c.text;
    }
}

TEST(settingsStore, KeyExistsForTheKeyAndForKeysBelowIt)
{
    temporarySettings temp;
    EXPECT_FALSE(settings().keyExists(settingsHive::currentUser, profileKey));
    writeProfileInt("General", "WarnNewLogStrings", 0);
    EXPECT_TRUE(settings().keyExists(settingsHive::currentUser, profileKey));
    EXPECT_TRUE(settings().keyExists(settingsHive::currentUser, companyKey));
    // A key whose name merely starts with the same letters is another key.
    EXPECT_FALSE(settings().keyExists(settingsHive::currentUser, "Software\\Korvel"));
    // Letter case makes another key.
    EXPECT_FALSE(settings().keyExists(settingsHive::currentUser, "Software\\Korvel Viziveridizuva Inc."));
}

TEST(settingsStore, MachineHiveIsReadOnly)
{
    temporarySettings temp;
    temp.writeMachineFile("HKEY_LOCAL_MACHINE.ini",
                          "; written by the installation\r\n"
                          "[SOFTWARE\\Korvel Viziveridizuva inc.]\r\n"
                          "Help File Path = /usr/share/korvel/help \r\n");
    EXPECT_EQ(settings().readString(settingsHive::localMachine, "SOFTWARE\\Korvel Viziveridizuva inc.", "Help File Path")
                  ->view(),
              "/usr/share/korvel/help");
    EXPECT_FALSE(settings().writeString(settingsHive::localMachine, "SOFTWARE\\X", "a", "b"));
    EXPECT_FALSE(settings().readString(settingsHive::currentUser, "SOFTWARE\\Korvel Viziveridizuva inc.", "Help File Path"));
}

TEST(settingsStore, ClassesReadUserFirstThenMachineAndWriteToUser)
{
    temporarySettings temp;
    temp.writeMachineFile("HKEY_CLASSES_ROOT.ini", "[.stn]\n@=Korvel.StationFile\n[.kdl]\n@=Korvel.DriverFile\n");
    EXPECT_EQ(settings().readString(settingsHive::classesRoot, ".stn", "")->view(), "Korvel.StationFile");
    EXPECT_TRUE(settings().writeString(settingsHive::classesRoot, ".stn", "", "Mine.StationFile"));
    EXPECT_EQ(settings().readString(settingsHive::classesRoot, ".stn", "")->view(), "Mine.StationFile");
    EXPECT_TRUE(settings().keyExists(settingsHive::classesRoot, ".kdl"));
}

TEST(settingsStore, DeleteValueAndSeeAnotherWritersChanges)
{
    temporarySettings temp;
    writeProfileString("Settings", "Image Library", "/a.kil");
    writeProfileInt("Settings", "Other", 3);
    EXPECT_TRUE(deleteProfileValue("Settings", "Image Library"));
    EXPECT_FALSE(deleteProfileValue("Settings", "Image Library"));
    EXPECT_EQ(profileString("Settings", "Image Library", "none").view(), "none");

    // A second store on the same files stands for another running editor.
    settingsStore other;
    other.setFolders(temp.folder() + "/user", temp.folder() + "/machine");
    other.writeInt(settingsHive::currentUser, profileSectionKey("Settings"), "Other", 4);
    EXPECT_EQ(profileInt("Settings", "Other", 0), 4);
}

TEST(settingsStore, NoFolderHoldsNothing)
{
    temporarySettings temp;
    settingsStore none;
    none.setFolders({}, {});
    EXPECT_FALSE(none.writeInt(settingsHive::currentUser, "K", "v", 1));
    EXPECT_FALSE(none.readInt(settingsHive::currentUser, "K", "v"));
}

} // namespace
