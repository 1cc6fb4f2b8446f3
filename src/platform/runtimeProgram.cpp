#include "platform/runtimeProgram.h"

#include "platform/textCodec.h"

#include <QProcess>
#include <QStringList>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Everything the child needs is made before the fork: after it, only calls
// that are safe in a copy of a threaded process.
struct execArguments {
    std::vector<std::string> words;
    std::vector<char*> argv;

    explicit execArguments(const QStringList& list)
    {
        // Back to the bytes the command line held: a path that is not UTF-8
        // came through as escaped characters, which the file system's own
        // encoding would not turn back.
        for (const QString& w : list)
            words.emplace_back(fromUiPath(w).view());
        for (std::string& w : words)
            argv.push_back(w.data());
        argv.push_back(nullptr);
    }
};

// Marks every file above standard error close-on-exec, so that the report
// pipe stays open until the program runs.
void closeInheritedFilesOnExec()
{
    if (::close_range(3, ~0u, CLOSE_RANGE_CLOEXEC) == 0)
        return;
    long limit = ::sysconf(_SC_OPEN_MAX);
    if (limit < 0 || limit > 65536)
        limit = 65536;
    for (int fd = 3; fd < limit; ++fd)
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
}

[[noreturn]] void report(int pipeEnd, int error)
{
    ssize_t ignored = ::write(pipeEnd, &error, sizeof error);
    (void)ignored;
    ::_exit(127);
}

// The grandchild: it runs the program or writes why it could not.
[[noreturn]] void runProgram(execArguments& args, int pipeEnd)
{
    int null = ::open("/dev/null", O_RDONLY);
    if (null >= 0 && null != 0) {
        ::dup2(null, 0);
        ::close(null);
    }
    closeInheritedFilesOnExec();
    ::execvp(args.argv[0], args.argv.data());
    report(pipeEnd, errno);
}

int readReport(int pipeEnd)
{
    int error = 0;
    ssize_t n;
    do {
        n = ::read(pipeEnd, &error, sizeof error);
    } while (n < 0 && errno == EINTR);
    return n == 0 ? 0 : (error != 0 ? error : EIO);
}

} // namespace

namespace {

const char* xdgRuntimeFolder()
{
    const char* xdg = std::getenv("XDG_RUNTIME_DIR");
    return xdg && *xdg ? xdg : nullptr;
}

} // namespace

std::string runtimeFolder()
{
    if (const char* xdg = xdgRuntimeFolder())
        return xdg;
    return "/tmp/korvel-" + std::to_string(::getuid());
}

std::string privateFolderProblem(const std::string& folder, bool create)
{
    if (create && ::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return std::strerror(errno);
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0)
        return std::strerror(errno);
    if (S_ISLNK(st.st_mode))
        return "it is a symbolic link";
    if (!S_ISDIR(st.st_mode))
        return "it is not a folder";
    if (st.st_uid != ::geteuid())
        return "it belongs to another user";
    if ((st.st_mode & 077) != 0)
        return "other users have access to it";
    return {};
}

std::string runtimeFolderProblem() { return privateFolderProblem(runtimeFolder(), xdgRuntimeFolder() == nullptr); }

std::string runtimeLockPath() { return runtimeFolder() + "/K.O.R.V.E.L..lock"; }

std::string runtimeSocketPath() { return runtimeFolder() + "/Korvel.system"; }

bool runtimeLockHeld()
{
    int fd = ::open(runtimeLockPath().c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return false;
    bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

bool startDetachedCommand(const gstrSlice& commandLine)
{
    QStringList words = QProcess::splitCommand(toUiPath(commandLine));
    if (words.isEmpty() || words.first().isEmpty())
        return false;
    execArguments args(words);
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
        return false;
    pid_t child = ::fork();
    if (child == 0) {
        ::setsid();
        pid_t grandchild = ::fork();
        if (grandchild < 0)
            report(pipeEnds[1], errno);
        if (grandchild == 0)
            runProgram(args, pipeEnds[1]);
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    if (child < 0) {
        ::close(pipeEnds[0]);
        return false;
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = readReport(pipeEnds[0]);
    ::close(pipeEnds[0]);
    return error == 0;
}
