// Hidraw nodes as libudev enumerates and announces them.
#pragma once

#include <memory>

#include "NodeSource.h"

struct udev;
struct udev_monitor;

namespace usbgate::hidraw {

class UdevNodeSource : public NodeSource {
public:
    // Empty when libudev cannot be set up.
    static std::unique_ptr<UdevNodeSource> create();
    ~UdevNodeSource() override;

    std::vector<NodeInfo> enumerate() override;
    int changeFd() override;
    std::optional<NodeChange> receiveChange() override;
    int open(const std::string &devnode) override;

private:
    UdevNodeSource(udev *context, udev_monitor *monitor) : udev_(context), monitor_(monitor) {}

    udev *udev_;
    udev_monitor *monitor_;
};

}  // namespace usbgate::hidraw
