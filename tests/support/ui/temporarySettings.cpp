#include "support/ui/temporarySettings.h"

#include "platform/settingsStore.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

temporarySettings::temporarySettings()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "korvel-settings-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary settings folder");
    folder_ = pattern;
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) {
        hadXdg_ = true;
        oldXdg_ = old;
    }
    ::setenv("XDG_CONFIG_HOME", (folder_ + "/user").c_str(), 1);
    settings().setFolders(folder_ + "/user", folder_ + "/machine");
}

temporarySettings::~temporarySettings()
{
    if (hadXdg_)
        ::setenv("XDG_CONFIG_HOME", oldXdg_.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
    // Whatever runs after this test must not write anywhere.
    settings().setFolders({}, {});
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

std::string temporarySettings::userFile() const { return folder_ + "/user/korvel/HKEY_CURRENT_USER.ini"; }

std::string temporarySettings::machineFile() const { return folder_ + "/machine/korvel/HKEY_LOCAL_MACHINE.ini"; }

void temporarySettings::writeMachineFile(const std::string& name, const std::string& text) const
{
    std::filesystem::create_directories(folder_ + "/machine/korvel");
    std::ofstream(folder_ + "/machine/korvel/" + name, std::ios::binary) << text;
}

std::string temporarySettings::readUserFile() const
{
    std::ifstream in(userFile(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
