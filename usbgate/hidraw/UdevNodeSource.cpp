#include "UdevNodeSource.h"

#include <fcntl.h>
#include <libudev.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "../control/SocketPath.h"

namespace usbgate::hidraw {
namespace {

constexpr char kSubsystem[] = "hidraw";
constexpr char kUdevControl[] = "/run/udev/control";

// udevd listens on its control socket while it runs.
bool udevRunning() {
    sockaddr_un address{};
    return fillSocketAddress(kUdevControl, address) && someoneListens(address, SOCK_SEQPACKET);
}

// udev passes on the kernel's events once its rules have run, so the node's
// owner and mode are final when the change arrives: that is what to listen to
// while it runs. Without a udev daemon (containers, small systems) nothing
// would come at all; the kernel's own events are heard instead, devtmpfs
// having made the node before the kernel announces it.
const char *eventSource() {
    return udevRunning() ? "udev" : "kernel";
}

std::optional<NodeInfo> nodeOf(udev_device *device) {
    const char *devnode = udev_device_get_devnode(device);
    const char *syspath = udev_device_get_syspath(device);
    if (devnode == nullptr || syspath == nullptr) return std::nullopt;
    return NodeInfo{devnode, syspath};
}

}  // namespace

std::unique_ptr<UdevNodeSource> UdevNodeSource::create() {
    udev *context = udev_new();
    if (context == nullptr) return nullptr;
    udev_monitor *monitor = udev_monitor_new_from_netlink(context, eventSource());
    if (monitor != nullptr &&
        (udev_monitor_filter_add_match_subsystem_devtype(monitor, kSubsystem, nullptr) < 0 ||
         udev_monitor_enable_receiving(monitor) < 0)) {
        udev_monitor_unref(monitor);
        monitor = nullptr;
    }
    // Without a monitor (no netlink socket, as in some sandboxes) there is no
    // hot-plug, but the keyboards present at start still work.
    return std::unique_ptr<UdevNodeSource>(new UdevNodeSource(context, monitor));
}

UdevNodeSource::~UdevNodeSource() {
    if (monitor_ != nullptr) udev_monitor_unref(monitor_);
    udev_unref(udev_);
}

std::vector<NodeInfo> UdevNodeSource::enumerate() {
    std::vector<NodeInfo> nodes;
    udev_enumerate *enumeration = udev_enumerate_new(udev_);
    if (enumeration == nullptr) return nodes;
    udev_enumerate_add_match_subsystem(enumeration, kSubsystem);
    udev_enumerate_scan_devices(enumeration);
    udev_list_entry *entry;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumeration)) {
        udev_device *device = udev_device_new_from_syspath(udev_, udev_list_entry_get_name(entry));
        if (device == nullptr) continue;
        if (auto node = nodeOf(device)) nodes.push_back(*node);
        udev_device_unref(device);
    }
    udev_enumerate_unref(enumeration);
    return nodes;
}

int UdevNodeSource::changeFd() {
    return monitor_ ? udev_monitor_get_fd(monitor_) : -1;
}

std::optional<NodeChange> UdevNodeSource::receiveChange() {
    if (monitor_ == nullptr) return std::nullopt;
    udev_device *device = udev_monitor_receive_device(monitor_);
    if (device == nullptr) return std::nullopt;
    std::optional<NodeChange> change;
    const char *action = udev_device_get_action(device);
    auto node = nodeOf(device);
    if (action != nullptr && node) {
        // A change can give access to a node that was refused, as when the udev
        // rule is installed and the nodes are triggered again: it is taken as an
        // arrival, which a node already open ignores.
        if (std::strcmp(action, "add") == 0 || std::strcmp(action, "change") == 0)
            change = NodeChange{true, *node};
        if (std::strcmp(action, "remove") == 0) change = NodeChange{false, *node};
    }
    udev_device_unref(device);
    return change;
}

int UdevNodeSource::open(const std::string &devnode) {
    int fd = ::open(devnode.c_str(), O_RDWR | O_CLOEXEC);
    return fd >= 0 ? fd : -errno;
}

}  // namespace usbgate::hidraw
