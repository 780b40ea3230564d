#include "platform/DeviceNotifier.h"

#include "platform/ComFolder.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <libudev.h>
#include <sys/epoll.h>
#include <sys/inotify.h>
#include <system_error>
#include <unistd.h>

namespace varo::platform {
namespace {

bool AddToEpoll(int epoll, int fd) {
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.fd = fd;
    return ::epoll_ctl(epoll, EPOLL_CTL_ADD, fd, &event) == 0;
}

} // namespace

DeviceNotifier::DeviceNotifier(const std::string& comFolder, Handler handler)
    : FHandler(std::move(handler)) {
    FEpoll = ::epoll_create1(EPOLL_CLOEXEC);
    if (FEpoll < 0) return;

    std::error_code error;
    std::filesystem::create_directories(comFolder, error);
    FInotify = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (FInotify >= 0 &&
        (::inotify_add_watch(FInotify, comFolder.c_str(),
                             IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO) < 0 ||
         !AddToEpoll(FEpoll, FInotify))) {
        ::close(FInotify);
        FInotify = -1;
    }
    for (const ComLink& link : ListComLinks(comFolder))
        FLinkNames.insert(std::filesystem::path(link.Path).filename().string());

    FUdev = udev_new();
    if (FUdev) FMonitor = udev_monitor_new_from_netlink(FUdev, "udev");
    if (FMonitor &&
        (udev_monitor_filter_add_match_subsystem_devtype(FMonitor, "tty", nullptr) < 0 ||
         udev_monitor_enable_receiving(FMonitor) < 0 ||
         !AddToEpoll(FEpoll, udev_monitor_get_fd(FMonitor)))) {
        udev_monitor_unref(FMonitor);
        FMonitor = nullptr;
    }
}

DeviceNotifier::~DeviceNotifier() {
    if (FMonitor) udev_monitor_unref(FMonitor);
    if (FUdev) udev_unref(FUdev);
    if (FInotify >= 0) ::close(FInotify);
    if (FEpoll >= 0) ::close(FEpoll);
}

void DeviceNotifier::handleReadable() {
    // Drain the epoll descriptor's readiness; each source is read until empty.
    std::array<epoll_event, 4> events{};
    while (FEpoll >= 0 && ::epoll_wait(FEpoll, events.data(), int(events.size()), 0) > 0) {
        ReadFolderEvents();
        ReadUdevEvents();
    }
}

void DeviceNotifier::ReadFolderEvents() {
    if (FInotify < 0) return;
    alignas(inotify_event) std::array<char, 4096> buffer{};
    for (;;) {
        const ssize_t length = ::read(FInotify, buffer.data(), buffer.size());
        if (length <= 0) return; // EAGAIN: drained
        for (ssize_t offset = 0; offset + ssize_t(sizeof(inotify_event)) <= length;) {
            inotify_event event{};
            std::memcpy(&event, buffer.data() + offset, sizeof event);
            const char* name = buffer.data() + offset + sizeof(inotify_event);
            offset += ssize_t(sizeof(inotify_event) + event.len);
            if (event.len == 0 || offset > length) continue;
            const std::string linkName(name, ::strnlen(name, event.len));
            if (!ComLinkNumber(linkName)) continue;
            if (event.mask & (IN_CREATE | IN_MOVED_TO)) {
                // A name that already existed was replaced: the old port went away.
                if (!FLinkNames.insert(linkName).second) Report(DeviceChange::RemovalComplete);
                Report(DeviceChange::Arrival);
            } else if (event.mask & (IN_DELETE | IN_MOVED_FROM)) {
                FLinkNames.erase(linkName);
                Report(DeviceChange::RemovalComplete);
            }
        }
    }
}

void DeviceNotifier::ReadUdevEvents() {
    if (!FMonitor) return;
    while (udev_device* device = udev_monitor_receive_device(FMonitor)) {
        const char* action = udev_device_get_action(device);
        if (action && std::strcmp(action, "add") == 0) Report(DeviceChange::Arrival);
        if (action && std::strcmp(action, "remove") == 0) Report(DeviceChange::RemovalComplete);
        udev_device_unref(device);
    }
}

void DeviceNotifier::Report(DeviceChange change) const {
    if (FHandler) FHandler(change);
}

} // namespace varo::platform