#pragma once

// Arrival and removal of serial ports. Two sources speak: udev (tty devices
// added or removed) and the COM folder (a link created, removed or retargeted,
// which is how a pseudo-terminal port comes and goes, and the only source
// where no udev service runs).
//
// The notifier runs no thread of its own: it exposes one descriptor that
// becomes readable when something happened. The owner watches fd() in its
// event loop (a QSocketNotifier in the window) and calls handleReadable(),
// which calls the handler once per change, on the owner's thread.

#include <functional>
#include <set>
#include <string>

struct udev;
struct udev_monitor;

namespace varo::platform {

enum class DeviceChange { Arrival, RemovalComplete };

class DeviceNotifier {
public:
    using Handler = std::function<void(DeviceChange)>;

    // Watches `comFolder` (created when missing) and udev's tty subsystem.
    DeviceNotifier(const std::string& comFolder, Handler handler);
    ~DeviceNotifier();
    DeviceNotifier(const DeviceNotifier&) = delete;
    DeviceNotifier& operator=(const DeviceNotifier&) = delete;

    // Readable when changes wait; -1 when nothing could be watched.
    int fd() const { return FEpoll; }
    // Reads what waits without blocking and reports each change.
    void handleReadable();

    // Whether each source could be set up.
    bool watchesFolder() const { return FInotify >= 0; }
    bool watchesUdev() const { return FMonitor != nullptr; }

private:
    void ReadFolderEvents();
    void ReadUdevEvents();
    void Report(DeviceChange change) const;

    Handler FHandler;
    int FEpoll = -1;
    int FInotify = -1;
    udev* FUdev = nullptr;
    udev_monitor* FMonitor = nullptr;
    std::set<std::string> FLinkNames; // to tell a retargeted link from a new one
};

} // namespace varo::platform