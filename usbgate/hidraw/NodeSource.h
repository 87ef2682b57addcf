// Where hidraw nodes come from: enumeration, hot-plug changes and opening.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace usbgate::hidraw {

struct NodeInfo {
    std::string devnode;  // /dev/hidrawN
    std::string syspath;  // /sys/class/hidraw/hidrawN (its "device" is the HID device)
};

struct NodeChange {
    bool added;
    NodeInfo node;
};

class NodeSource {
public:
    virtual ~NodeSource() = default;
    virtual std::vector<NodeInfo> enumerate() = 0;
    // A descriptor that becomes readable when a change is waiting, or -1.
    virtual int changeFd() = 0;
    virtual std::optional<NodeChange> receiveChange() = 0;
    // Opens the node for reading and writing: a descriptor, or -errno.
    virtual int open(const std::string &devnode) = 0;
};

}  // namespace usbgate::hidraw
