#include "ports/comPortList.h"

#include "foundation/charClasses.h"

#include <algorithm>
#include <string>

#include <dirent.h>
#include <sys/stat.h>

namespace {

// At most this many entries are read: the folder is the system's, but a list
// that sizes a combo box is bounded all the same.
constexpr size_t maxEntries = 4096;

bool hasDevice(const std::string& folder, const char* name)
{
    std::string link = folder + "/" + name + "/device";
    struct stat info{};
    return lstat(link.c_str(), &info) == 0;
}

// Names compare as text, except that runs of digits compare as numbers.
bool naturalLess(const std::string& a, const std::string& b)
{
    size_t i = 0;
    size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (charClass::isDigit(a[i]) && charClass::isDigit(b[j])) {
            size_t ei = i;
            size_t ej = j;
            while (ei < a.size() && charClass::isDigit(a[ei]))
                ++ei;
            while (ej < b.size() && charClass::isDigit(b[ej]))
                ++ej;
            std::string na = a.substr(i, ei - i);
            std::string nb = b.substr(j, ej - j);
            na.erase(0, std::min(na.find_first_not_of('0'), na.size() - 1));
            nb.erase(0, std::min(nb.find_first_not_of('0'), nb.size() - 1));
            if (na.size() != nb.size())
                return na.size() < nb.size();
            if (na != nb)
                return na < nb;
            i = ei;
            j = ej;
            continue;
        }
        if (a[i] != b[j])
            return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]);
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

} // namespace

std::vector<gstr> comPortNames(const char* classFolder)
{
    std::vector<std::string> names;
    std::string folder(classFolder ? classFolder : "");
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return {};
    while (dirent* entry = readdir(dir)) {
        if (names.size() >= maxEntries)
            break;
        if (entry->d_name[0] == '.' || !hasDevice(folder, entry->d_name))
            continue;
        names.emplace_back(entry->d_name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end(), naturalLess);
    std::vector<gstr> paths;
    paths.reserve(names.size());
    for (const std::string& name : names)
        paths.emplace_back(("/dev/" + name).c_str());
    return paths;
}
