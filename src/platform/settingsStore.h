#pragma once

#include "foundation/gstr.h"

#include <memory>
#include <optional>
#include <string>

// The program's settings, kept where the registry used to keep them. Each
// hive is one INI file; a section is a whole key path as the registry spells
// it ("Software\Korvel Viziveridizuva inc.\K.O.R.V.E.L. Quillane\General"),
// backslashes and letter case kept, and values keep their registry names.
//
//   current user   <user folder>/korvel/HKEY_CURRENT_USER.ini     read-write
//   local machine  <machine folder>/korvel/HKEY_LOCAL_MACHINE.ini read only
//   classes root   <user folder>/korvel/HKEY_CLASSES_ROOT.ini, then
//                  <machine folder>/korvel/HKEY_CLASSES_ROOT.ini  writes go to the user's
//
// The user folder is $XDG_CONFIG_HOME (else ~/.config), the machine folder
// /etc/xdg; tests point both elsewhere with setFolders before the first use.
// An empty folder holds nothing and takes no writes.
// Every write goes to disk at once (through a temporary file and a rename),
// and every read sees what another running editor wrote last.
enum class settingsHive { currentUser, localMachine, classesRoot };

class settingsStore {
public:
    settingsStore();
    ~settingsStore();
    settingsStore(const settingsStore&) = delete;
    settingsStore& operator=(const settingsStore&) = delete;

    void setFolders(const std::string& userFolder, const std::string& machineFolder);
    const std::string& userFolder() const;
    const std::string& machineFolder() const;

    // A key exists when it, or a key below it, was ever created.
    bool keyExists(settingsHive hive, const gstrSlice& key) const;
    // The empty name is the key's default value.
    std::optional<gstr> readString(settingsHive hive, const gstrSlice& key, const gstrSlice& name) const;
    // A value that is not a whole decimal number in 32 bits reads as absent.
    std::optional<int> readInt(settingsHive hive, const gstrSlice& key, const gstrSlice& name) const;

    // False when the hive is read only or the file could not be written.
    bool createKey(settingsHive hive, const gstrSlice& key);
    bool writeString(settingsHive hive, const gstrSlice& key, const gstrSlice& name, const gstrSlice& value);
    bool writeInt(settingsHive hive, const gstrSlice& key, const gstrSlice& name, int value);
    bool deleteValue(settingsHive hive, const gstrSlice& key, const gstrSlice& name);

private:
    class hiveFile;
    hiveFile* fileFor(settingsHive hive, bool forWriting) const;
    std::optional<std::string> lookup(settingsHive hive, const gstrSlice& key, const gstrSlice& name) const;

    std::string userFolder_;
    std::string machineFolder_;
    std::unique_ptr<hiveFile> user_;
    std::unique_ptr<hiveFile> machine_;
    std::unique_ptr<hiveFile> userClasses_;
    std::unique_ptr<hiveFile> machineClasses_;
};

settingsStore& settings();

// The application's own key under the current user, and the profile calls
// that every window uses with a section below it ("General",
// "Select Dialogs\Registers", ...).
extern const char* const companyKey;   // "Software\Korvel Viziveridizuva inc."
extern const char* const profileKey;   // companyKey + "\K.O.R.V.E.L. Quillane"
gstr profileSectionKey(const gstrSlice& section);

int profileInt(const gstrSlice& section, const gstrSlice& entry, int defaultValue);
gstr profileString(const gstrSlice& section, const gstrSlice& entry, const gstrSlice& defaultValue);
bool writeProfileInt(const gstrSlice& section, const gstrSlice& entry, int value);
bool writeProfileString(const gstrSlice& section, const gstrSlice& entry, const gstrSlice& value);
bool deleteProfileValue(const gstrSlice& section, const gstrSlice& entry);
