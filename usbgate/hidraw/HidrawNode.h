// One open hidraw node of the keyboard: the collections it carries and the
// thread that reads its input reports.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ReportDescriptor.h"

namespace usbgate::hidraw {

class HidrawNode {
public:
    // Called on the reader thread with each input report, already assigned to
    // its collection (the consumer collection's report id is stripped).
    using ReportHandler = std::function<void(Collection, const uint8_t *, size_t)>;
    // Called on the reader thread once when the node fails (keyboard gone).
    using FailureHandler = std::function<void()>;

    HidrawNode(int fd, std::vector<CollectionReports> collections);
    ~HidrawNode();
    HidrawNode(const HidrawNode &) = delete;
    HidrawNode &operator=(const HidrawNode &) = delete;

    void startReading(ReportHandler onReport, FailureHandler onFailure);
    bool carries(Collection collection) const;
    bool alive() const { return alive_; }

    bool writeReport(Collection collection, const uint8_t *bytes, size_t length);
    bool setFeature(Collection collection, const uint8_t *bytes, size_t length);
    bool getFeature(Collection collection, std::vector<uint8_t> &bytes);

private:
    std::optional<CollectionReports> reportsOf(Collection collection) const;
    std::vector<uint8_t> framed(const CollectionReports &reports, const uint8_t *bytes,
                                size_t length) const;
    void readLoop(ReportHandler onReport, FailureHandler onFailure);
    void dispatch(const uint8_t *bytes, size_t length, const ReportHandler &onReport) const;

    int fd_;
    int stopPipe_[2] = {-1, -1};
    std::vector<CollectionReports> collections_;
    std::atomic<bool> alive_{true};
    std::mutex writeMutex_;
    std::thread reader_;
};

}  // namespace usbgate::hidraw
