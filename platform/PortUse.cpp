#include "platform/PortUse.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace varo::platform {
namespace {

bool ProcessAlive(int pid) {
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

std::string ProgramOf(int pid) {
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

// The process id in a lock file: ten ASCII digits by convention, or the
// binary int some older programs write. 0 when unreadable.
int LockOwner(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (text.size() == sizeof(int) && (text[0] < ' ' || text[3] < ' ')) {
        int pid = 0;
        std::copy(text.begin(), text.end(), reinterpret_cast<char*>(&pid));
        return pid;
    }
    return std::atoi(text.c_str());
}

// The owner of a live lock other than this process; a stale lock is removed.
std::optional<int> LiveLockOwner(const std::string& lock) {
    if (lock.empty() || ::access(lock.c_str(), F_OK) != 0) return std::nullopt;
    const int pid = LockOwner(lock);
    if (pid == ::getpid()) return std::nullopt;
    if (ProcessAlive(pid)) return pid;
    ::unlink(lock.c_str());
    return std::nullopt;
}

// Unix98 pseudo-terminal slaves use majors 136 to 143.
std::optional<int> PtyIndex(dev_t rdev) {
    const unsigned major = ::major(rdev);
    if (major < 136 || major > 143) return std::nullopt;
    return static_cast<int>((major - 136) * 256 + ::minor(rdev));
}

// True when descriptor `fd` of process `pid` is the master of pseudo-terminal `index`.
bool IsMasterOf(const fs::path& fd, const std::string& pid, int index) {
    std::error_code error;
    const std::string target = fs::read_symlink(fd, error).string();
    if (error || (target != "/dev/ptmx" && target != "/dev/pts/ptmx")) return false;
    std::ifstream info("/proc/" + pid + "/fdinfo/" + fd.filename().string());
    for (std::string line; std::getline(info, line);) {
        if (line.starts_with("tty-index:")) return std::atoi(line.c_str() + 10) == index;
    }
    return false;
}

// A process other than this one with a descriptor on the device `rdev`. For a
// pseudo-terminal the process on its master side is the far end of the line
// (a simulated device), not a competing user, and does not count.
std::optional<int> OpeningProcess(dev_t rdev) {
    const int self = ::getpid();
    const std::optional<int> ptyIndex = PtyIndex(rdev);
    std::error_code error;
    for (fs::directory_iterator proc("/proc", error), end; !error && proc != end;
         proc.increment(error)) {
        const std::string name = proc->path().filename().string();
        const int pid = std::atoi(name.c_str());
        if (pid <= 0 || pid == self || std::to_string(pid) != name) continue;
        bool holdsDevice = false, holdsMaster = false;
        std::error_code fdError;
        for (fs::directory_iterator fd(proc->path() / "fd", fdError), fdEnd;
             !fdError && fd != fdEnd; fd.increment(fdError)) {
            struct stat st {};
            if (::stat(fd->path().c_str(), &st) != 0 || !S_ISCHR(st.st_mode)) continue;
            if (st.st_rdev == rdev) holdsDevice = true;
            if (ptyIndex && IsMasterOf(fd->path(), name, *ptyIndex)) holdsMaster = true;
        }
        if (holdsDevice && !holdsMaster) return pid;
    }
    return std::nullopt;
}

} // namespace

std::string LockFolder() {
    if (const char* dir = std::getenv("VARO_LOCK_DIR"); dir && *dir) return dir;
    for (const char* folder : {"/var/lock", "/run/lock"}) {
        std::error_code error;
        if (fs::is_directory(folder, error)) return folder;
    }
    return {};
}

std::string LockFilePath(const std::string& devicePath) {
    const std::string folder = LockFolder();
    if (folder.empty()) return {};
    std::string name = devicePath.starts_with("/dev/") ? devicePath.substr(5) : devicePath;
    for (char& c : name)
        if (c == '/') c = '_';
    return folder + "/LCK.." + name;
}

std::optional<PortHolder> FindPortHolder(const std::string& devicePath) {
    std::error_code error;
    const std::string device = fs::canonical(devicePath, error).string();
    if (error) return std::nullopt;
    if (const auto pid = LiveLockOwner(LockFilePath(device)))
        return PortHolder{*pid, ProgramOf(*pid)};
    struct stat st {};
    if (::stat(device.c_str(), &st) != 0 || !S_ISCHR(st.st_mode)) return std::nullopt;
    if (const auto pid = OpeningProcess(st.st_rdev)) return PortHolder{*pid, ProgramOf(*pid)};
    return std::nullopt;
}

bool TakePortLock(const std::string& devicePath, std::string& lockFile) {
    lockFile.clear();
    std::error_code error;
    const std::string lock = LockFilePath(fs::canonical(devicePath, error).string());
    if (error || lock.empty()) return true;
    if (LiveLockOwner(lock)) return false;
    const int fd = ::open(lock.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return true;
    char text[16];
    const int length = std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(::getpid()));
    const bool written = ::write(fd, text, static_cast<std::size_t>(length)) == length;
    ::close(fd);
    if (written) lockFile = lock;
    return true;
}

void ReleasePortLock(const std::string& lockFile) {
    if (!lockFile.empty() && LockOwner(lockFile) == ::getpid()) ::unlink(lockFile.c_str());
}

bool MayOpen(const std::string& devicePath) {
    // Asked without opening: opening a real port toggles its modem lines.
    return ::access(devicePath.c_str(), R_OK | W_OK) == 0 || (errno != EACCES && errno != EPERM);
}

} // namespace varo::platform
