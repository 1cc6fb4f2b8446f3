#pragma once

#include <string>

// Points the settings store (and XDG_CONFIG_HOME) at a fresh temporary folder
// for its lifetime, so that no test reads or writes the real settings. The
// user hive lives in <folder>/user, the machine hive in <folder>/machine.
class temporarySettings {
public:
    temporarySettings();
    ~temporarySettings();
    temporarySettings(const temporarySettings&) = delete;
    temporarySettings& operator=(const temporarySettings&) = delete;

    const std::string& folder() const { return folder_; }
    std::string userFile() const;
    std::string machineFile() const;
    // Writes a file of the machine hive (read only to the program).
    void writeMachineFile(const std::string& name, const std::string& text) const;
    std::string readUserFile() const;

private:
    std::string folder_;
    std::string oldXdg_;
    bool hadXdg_ = false;
};
