#include "store/safeSave.h"

#include "store/gstationState.h"
#include "store/stationFile.h"

#include <cerrno>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string folderOf(const gstrSlice& path)
{
    std::string p(path.view());
    size_t slash = p.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : p.substr(0, slash);
}

void describe(gstr& reason, const char* what, const std::string& path, int error)
{
    reason.assign(what);
    reason.append(" ");
    reason.append(path.c_str());
    if (error == 0)
        return;
    reason.append(": ");
    reason.append(std::strerror(error));
}

// The new file gets the target's permissions, or those a new file would get.
mode_t modeFor(const gstrSlice& target)
{
    struct stat st {};
    std::string t(target.view());
    if (::stat(t.c_str(), &st) == 0)
        return st.st_mode & 07777;
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Makes the temporary file; false with reason set when it cannot be made.
bool makeTemporary(const gstrSlice& target, std::string& temporary, gstr& reason)
{
    std::string folder = folderOf(target);
    temporary = (folder == "/" ? std::string() : folder) + "/stnXXXXXX";
    int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        describe(reason, "Could not create a temporary file in", folder, errno);
        return false;
    }
    bool ok = ::fchmod(fd, modeFor(target)) == 0;
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        describe(reason, "Could not prepare the temporary file", temporary, error);
    }
    return ok;
}

// The rename is on disk once the folder is; a failure here cannot undo it.
void syncFolder(const gstrSlice& target)
{
    int fd = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

bool saveObjectFileSafely(const gstrSlice& target, bool driversOnly, gstr& reason)
{
    std::string temporary;
    if (!makeTemporary(target, temporary, reason))
        return false;
    int modified = stationState().modified;
    int error = 0;
    int result = saveObjectFile(gstrSlice(temporary.c_str()), driversOnly, &error);
    if (result == gsaveError::none && ::rename(temporary.c_str(), std::string(target.view()).c_str()) != 0) {
        error = errno;
        describe(reason, "Could not replace", std::string(target.view()), error);
        result = gsaveError::writeFailed;
    } else if (result == gsaveError::notOpened) {
        describe(reason, "Could not open the temporary file", temporary, 0);
    } else if (result == gsaveError::writeFailed) {
        describe(reason, "Could not write the temporary file", temporary, error);
    }
    if (result != gsaveError::none) {
        ::unlink(temporary.c_str());
        stationState().modified = modified;
        return false;
    }
    syncFolder(target);
    return true;
}
