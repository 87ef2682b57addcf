#include "HidrawBackend.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "../src/Diagnostics.h"
#include "NodeIdentity.h"
#include "UdevNodeSource.h"

namespace usbgate {

std::shared_ptr<Backend> makeHidrawBackend() {
    auto source = hidraw::UdevNodeSource::create();
    if (!source) {
        diagnose(Level::Error, "libudev could not be initialised");
        return nullptr;
    }
    return std::make_shared<hidraw::HidrawBackend>(std::move(source));
}

namespace hidraw {
namespace {

constexpr char kUdevRuleHint[] =
    "install the udev rule 70-varnel-keyboard.rules (TAG+=\"uaccess\") into "
    "/etc/udev/rules.d, then run 'udevadm control --reload' and 'udevadm trigger'";

}  // namespace

HidrawBackend::HidrawBackend(std::unique_ptr<NodeSource> source) : source_(std::move(source)) {}

HidrawBackend::~HidrawBackend() {
    stop();
}

bool HidrawBackend::start(BackendSink &sink) {
    if (pipe2(stopPipe_, O_CLOEXEC) != 0) return false;
    {
        std::lock_guard lock(mutex_);
        sink_ = &sink;
    }
    for (const NodeInfo &node : source_->enumerate()) addNode(node);
    {
        std::lock_guard lock(mutex_);
        lastVendorCount_ = countLocked(Collection::Vendor);
    }
    if (source_->changeFd() >= 0) watcher_ = std::thread(&HidrawBackend::watchChanges, this);
    return true;
}

void HidrawBackend::stop() {
    if (stopPipe_[1] >= 0) {
        const char wake = 1;
        [[maybe_unused]] ssize_t ignored = ::write(stopPipe_[1], &wake, 1);
    }
    if (watcher_.joinable()) watcher_.join();
    std::map<std::string, std::shared_ptr<HidrawNode>> nodes;
    {
        std::lock_guard lock(mutex_);
        nodes.swap(nodes_);
        sink_ = nullptr;
    }
    nodes.clear();  // joins the reader threads, outside the lock they may need
    for (int &fd : stopPipe_) {
        if (fd >= 0) close(fd);
        fd = -1;
    }
}

// Nodes are known by their sysfs path, which names one device for its whole
// life, not by /dev/hidrawN, which the kernel hands to the next device as soon
// as one goes. udev reports changes late: an arrival of a node found at start
// is no new node, and a removal names the device that left, not the new one
// that took its number.
void HidrawBackend::addNode(const NodeInfo &node) {
    {
        std::lock_guard lock(mutex_);
        if (nodes_.count(node.syspath) != 0) return;
    }
    auto identity = readNodeIdentity(node.syspath);
    if (!identity || identity->vendorId != kVendorId || identity->productId != kProductId) return;
    std::vector<CollectionReports> collections = parseReportDescriptor(identity->descriptor);
    if (collections.empty()) return;
    int fd = source_->open(node.devnode);
    const bool denied = fd == -EACCES || fd == -EPERM;
    {
        std::lock_guard lock(mutex_);
        if (denied) {
            denied_.insert(node.syspath);
        } else {
            denied_.erase(node.syspath);
        }
    }
    if (denied) {
        diagnose(Level::Error, "the keyboard's node %s exists but cannot be opened (%s): %s",
                 node.devnode.c_str(), std::strerror(-fd), kUdevRuleHint);
        return;
    }
    if (fd < 0) {
        diagnose(Level::Error, "cannot open %s: %s", node.devnode.c_str(), std::strerror(-fd));
        return;
    }
    auto opened = std::make_shared<HidrawNode>(fd, std::move(collections));
    opened->startReading(
        [this](Collection collection, const uint8_t *bytes, size_t length) {
            std::lock_guard lock(mutex_);
            if (sink_) sink_->onReport(collection, bytes, length);
        },
        [this] { announceCountChange(); });
    std::lock_guard lock(mutex_);
    nodes_.emplace(node.syspath, std::move(opened));
}

void HidrawBackend::removeNode(const std::string &syspath) {
    std::shared_ptr<HidrawNode> removed;
    {
        std::lock_guard lock(mutex_);
        denied_.erase(syspath);
        auto found = nodes_.find(syspath);
        if (found == nodes_.end()) return;
        removed = std::move(found->second);
        nodes_.erase(found);
    }
    removed.reset();  // joins its reader outside the lock
}

void HidrawBackend::watchChanges() {
    pollfd fds[2] = {{source_->changeFd(), POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
    for (;;) {
        int ready = poll(fds, 2, -1);
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0 || fds[1].revents != 0) return;
        auto change = source_->receiveChange();
        if (!change) continue;
        if (change->added) {
            addNode(change->node);
        } else {
            removeNode(change->node.syspath);
        }
        announceCountChange();
    }
}

uint32_t HidrawBackend::deniedNodeCount() {
    std::lock_guard lock(mutex_);
    return static_cast<uint32_t>(denied_.size());
}

uint32_t HidrawBackend::countLocked(Collection collection) const {
    uint32_t count = 0;
    for (const auto &[syspath, node] : nodes_) {
        if (node->alive() && node->carries(collection)) ++count;
    }
    return count;
}

void HidrawBackend::announceCountChange() {
    std::lock_guard lock(mutex_);
    uint32_t count = countLocked(Collection::Vendor);
    if (count == lastVendorCount_) return;
    lastVendorCount_ = count;
    if (sink_) sink_->onDeviceCountChanged(count);
}

uint32_t HidrawBackend::deviceCount(Collection collection) {
    std::lock_guard lock(mutex_);
    return countLocked(collection);
}

std::shared_ptr<HidrawNode> HidrawBackend::nodeFor(Collection collection) {
    std::lock_guard lock(mutex_);
    for (const auto &[syspath, node] : nodes_) {
        if (node->alive() && node->carries(collection)) return node;
    }
    return nullptr;
}

bool HidrawBackend::writeReport(Collection collection, const uint8_t *bytes, size_t length) {
    auto node = nodeFor(collection);
    return node && node->writeReport(collection, bytes, length);
}

bool HidrawBackend::setFeature(Collection collection, const uint8_t *bytes, size_t length) {
    auto node = nodeFor(collection);
    return node && node->setFeature(collection, bytes, length);
}

bool HidrawBackend::getStatus(Collection collection, std::vector<uint8_t> &bytes) {
    auto node = nodeFor(collection);
    return node && node->getFeature(collection, bytes);
}

}  // namespace hidraw
}  // namespace usbgate
