// The real keyboard: its hidraw nodes, found through a node source, read by
// one thread per node, watched for hot-plug.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <thread>

#include "../src/Backend.h"
#include "HidrawNode.h"
#include "NodeSource.h"

namespace usbgate {

// The backend on libudev; empty when udev cannot be set up.
std::shared_ptr<Backend> makeHidrawBackend();

namespace hidraw {

class HidrawBackend : public Backend {
public:
    explicit HidrawBackend(std::unique_ptr<NodeSource> source);
    ~HidrawBackend() override;

    bool start(BackendSink &sink) override;
    void stop() override;
    uint32_t deviceCount(Collection collection) override;
    uint32_t deniedNodeCount() override;
    bool writeReport(Collection collection, const uint8_t *bytes, size_t length) override;
    bool setFeature(Collection collection, const uint8_t *bytes, size_t length) override;
    bool getStatus(Collection collection, std::vector<uint8_t> &bytes) override;

private:
    void addNode(const NodeInfo &node);
    void removeNode(const std::string &syspath);
    void watchChanges();
    uint32_t countLocked(Collection collection) const;
    void announceCountChange();
    std::shared_ptr<HidrawNode> nodeFor(Collection collection);

    std::unique_ptr<NodeSource> source_;
    std::mutex mutex_;  // guards nodes_, sink_ and lastVendorCount_
    std::map<std::string, std::shared_ptr<HidrawNode>> nodes_;  // by sysfs path
    std::set<std::string> denied_;  // present nodes this user may not open, by sysfs path (under mutex_)
    BackendSink *sink_ = nullptr;
    uint32_t lastVendorCount_ = 0;
    int stopPipe_[2] = {-1, -1};
    std::thread watcher_;
};

}  // namespace hidraw
}  // namespace usbgate
