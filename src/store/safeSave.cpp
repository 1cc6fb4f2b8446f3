#include "store/safeSave.h"

#include "store/gstationState.h"
#include "store/stationFile.h"

#include <cerrno>
#include <csignal>
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

// The file a save replaces: where the chain of symbolic links from path
// ends (a missing file at its end is made).
std::string finalTarget(const std::string& path)
{
    constexpr int mostLinks = 40;
    std::string current = path;
    for (int hop = 0; hop < mostLinks; ++hop) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        std::string link(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        ssize_t n = ::readlink(current.c_str(), link.data(), link.size());
        if (n <= 0 || static_cast<size_t>(n) >= link.size())
            return current;
        link.resize(static_cast<size_t>(n));
        current = link[0] == '/' ? link : folderOf(gstrSlice(current.c_str())) + "/" + link;
    }
    return current;
}

// Only a regular file is replaced: a pipe, a device node or a folder at the
// path is not the user's station file, and a loop of links leads to no file
// at all. A path that does not exist yet makes a new file.
bool isStationFilePath(const std::string& named, const std::string& target, gstr& reason)
{
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) {
        if (errno != ELOOP)
            return true;
        describe(reason, "Could not replace", named, ELOOP);
        return false;
    }
    if (S_ISREG(st.st_mode))
        return true;
    if (S_ISDIR(st.st_mode)) {
        describe(reason, "Could not replace", target, EISDIR);
        return false;
    }
    describe(reason, "Could not replace", target, 0);
    reason.append(": Not a regular file");
    return false;
}

// A file nobody may write is the user's sign that it must stay as it is,
// even for a process that could write it.
bool mayReplace(const std::string& target, gstr& reason)
{
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0)
        return true;
    int error = 0;
    if ((st.st_mode & 0222) == 0)
        error = EACCES;
    else if (::access(target.c_str(), W_OK) != 0)
        error = errno;
    if (error == 0)
        return true;
    describe(reason, "Could not write", target, error);
    return false;
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

void ignoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

bool saveObjectFileSafely(const gstrSlice& named, bool driversOnly, gstr& reason)
{
    std::string resolved = finalTarget(std::string(named.view()));
    gstrSlice target(resolved.c_str());
    if (!isStationFilePath(std::string(named.view()), resolved, reason) || !mayReplace(resolved, reason))
        return false;
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
        describe(reason, "Could not open the temporary file", temporary, error);
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
