#include "HidrawNode.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace usbgate::hidraw {
namespace {

bool writeWhole(int fd, const std::vector<uint8_t> &bytes) {
    for (;;) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        return n == static_cast<ssize_t>(bytes.size());
    }
}

}  // namespace

HidrawNode::HidrawNode(int fd, std::vector<CollectionReports> collections)
    : fd_(fd), collections_(std::move(collections)) {
    if (pipe2(stopPipe_, O_CLOEXEC) != 0) stopPipe_[0] = stopPipe_[1] = -1;
}

HidrawNode::~HidrawNode() {
    if (stopPipe_[1] >= 0) {
        const char wake = 1;
        [[maybe_unused]] ssize_t ignored = ::write(stopPipe_[1], &wake, 1);
    }
    if (reader_.joinable()) reader_.join();
    for (int fd : {fd_, stopPipe_[0], stopPipe_[1]}) {
        if (fd >= 0) close(fd);
    }
}

void HidrawNode::startReading(ReportHandler onReport, FailureHandler onFailure) {
    reader_ = std::thread(&HidrawNode::readLoop, this, std::move(onReport), std::move(onFailure));
}

std::optional<CollectionReports> HidrawNode::reportsOf(Collection collection) const {
    for (const CollectionReports &reports : collections_) {
        if (reports.collection == collection) return reports;
    }
    return std::nullopt;
}

bool HidrawNode::carries(Collection collection) const {
    return reportsOf(collection).has_value();
}

// hidraw wants the report id first; 0 when the device numbers no reports. The
// caller's bytes already start with the id when they name it themselves.
std::vector<uint8_t> HidrawNode::framed(const CollectionReports &reports, const uint8_t *bytes,
                                        size_t length) const {
    const size_t prefix = reports.reportId == 0 || bytes[0] != reports.reportId ? 1 : 0;
    std::vector<uint8_t> frame(prefix + length, reports.reportId);
    std::copy_n(bytes, length, frame.data() + prefix);
    return frame;
}

bool HidrawNode::writeReport(Collection collection, const uint8_t *bytes, size_t length) {
    auto reports = reportsOf(collection);
    if (!reports || length == 0 || !alive_) return false;
    std::lock_guard lock(writeMutex_);
    return writeWhole(fd_, framed(*reports, bytes, length));
}

bool HidrawNode::setFeature(Collection collection, const uint8_t *bytes, size_t length) {
    auto reports = reportsOf(collection);
    if (!reports || length == 0 || !alive_) return false;
    std::vector<uint8_t> frame = framed(*reports, bytes, length);
    std::lock_guard lock(writeMutex_);
    return ioctl(fd_, HIDIOCSFEATURE(frame.size()), frame.data()) >= 0;
}

bool HidrawNode::getFeature(Collection collection, std::vector<uint8_t> &bytes) {
    auto reports = reportsOf(collection);
    if (!reports || !alive_) return false;
    std::vector<uint8_t> frame(reports->featureBytes + 1, 0);
    if (reports->featureBytes == 0) return false;
    frame[0] = reports->reportId;
    std::lock_guard lock(writeMutex_);
    int n = ioctl(fd_, HIDIOCGFEATURE(frame.size()), frame.data());
    if (n <= 0) return false;
    // The bytes come back in the shape they are written in: with the report id
    // first when the collection numbers its reports, without hidraw's 0 when not.
    size_t skip = reports->reportId == 0 ? 1 : 0;
    bytes.assign(frame.begin() + static_cast<ptrdiff_t>(skip), frame.begin() + n);
    return true;
}

void HidrawNode::readLoop(ReportHandler onReport, FailureHandler onFailure) {
    std::vector<uint8_t> buffer(kMaxReportBytes + 1);  // with the report id
    pollfd fds[2] = {{fd_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
    for (;;) {
        int ready = poll(fds, 2, -1);
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0 || fds[1].revents != 0) return;
        ssize_t n = ::read(fd_, buffer.data(), buffer.size());
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) {
            alive_ = false;
            onFailure();
            return;
        }
        dispatch(buffer.data(), static_cast<size_t>(n), onReport);
    }
}

void HidrawNode::dispatch(const uint8_t *bytes, size_t length,
                          const ReportHandler &onReport) const {
    for (const CollectionReports &reports : collections_) {
        if (reports.reportId != 0 && bytes[0] != reports.reportId) continue;
        // The vendor frame keeps its id as byte 0; consumer codes start the payload.
        bool strip = reports.collection != Collection::Vendor && reports.reportId != 0;
        if (strip && length < 2) return;
        onReport(reports.collection, bytes + (strip ? 1 : 0), length - (strip ? 1 : 0));
        return;
    }
}

}  // namespace usbgate::hidraw
