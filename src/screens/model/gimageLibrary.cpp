#include "screens/model/gimageLibrary.h"

#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool readableFile(const gstrSlice& path)
{
    int fd = ::open(std::string(path.view()).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st {};
    bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    ::close(fd);
    return regular;
}

} // namespace

bool gimageLibrary::load(const gfileName& file)
{
    if (!file.hasFile() || !readableFile(file.path()))
        return false;
    path_ = file.path();
    return true;
}

bool gimageLibrary::reload()
{
    gfileName file;
    file.fullPath = path_;
    if (load(file))
        return true;
    forget();
    return false;
}

gimageLibrary& imageLibrary()
{
    static gimageLibrary library;
    return library;
}
