#include "UhidDevice.h"

#include <fcntl.h>
#include <linux/uhid.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace kerneltest {
namespace {

void copyText(uint8_t *target, size_t capacity, const std::string &text) {
    std::memcpy(target, text.data(), std::min(capacity - 1, text.size()));
}

}  // namespace

UhidDevice::UhidDevice(UhidIdentity identity, OutputHandler onOutput, FeatureSource feature)
    : identity_(std::move(identity)),
      onOutput_(std::move(onOutput)),
      feature_(std::move(feature)) {}

UhidDevice::~UhidDevice() {
    destroy();
}

bool UhidDevice::create() {
    if (fd_ >= 0) return true;
    fd_ = ::open("/dev/uhid", O_RDWR | O_CLOEXEC);
    if (fd_ < 0) return false;
    uhid_event event{};
    event.type = UHID_CREATE2;
    uhid_create2_req &request = event.u.create2;
    copyText(request.name, sizeof request.name, identity_.name);
    copyText(request.phys, sizeof request.phys, "usb-0000:00:14.0-3/input0");
    request.bus = BUS_USB;
    request.vendor = identity_.vendor;
    request.product = identity_.product;
    request.version = 0x0100;
    request.rd_size = static_cast<uint16_t>(identity_.descriptor.size());
    std::copy(identity_.descriptor.begin(), identity_.descriptor.end(), request.rd_data);
    if (!writeEvent(&event, sizeof event) || pipe2(stopPipe_, O_CLOEXEC) != 0) {
        const int error = errno;
        destroy();
        errno = error;
        return false;
    }
    server_ = std::thread(&UhidDevice::serve, this);
    return true;
}

void UhidDevice::destroy() {
    if (stopPipe_[1] >= 0) {
        const char wake = 1;
        [[maybe_unused]] ssize_t ignored = ::write(stopPipe_[1], &wake, 1);
    }
    if (server_.joinable()) server_.join();
    uhid_event event{};
    event.type = UHID_DESTROY;
    writeEvent(&event, sizeof event);
    std::lock_guard lock(writeMutex_);
    for (int *fd : {&fd_, &stopPipe_[0], &stopPipe_[1]}) {
        if (*fd >= 0) close(*fd);
        *fd = -1;
    }
}

bool UhidDevice::writeEvent(const void *event, size_t size) {
    std::lock_guard lock(writeMutex_);
    if (fd_ < 0) return false;
    return ::write(fd_, event, size) == static_cast<ssize_t>(size);
}

bool UhidDevice::sendInput(const std::vector<uint8_t> &report) {
    uhid_event event{};
    event.type = UHID_INPUT2;
    event.u.input2.size = static_cast<uint16_t>(std::min<size_t>(report.size(), UHID_DATA_MAX));
    std::copy_n(report.begin(), event.u.input2.size, event.u.input2.data);
    return writeEvent(&event, sizeof event);
}

// Answers the kernel: output reports go to the handler, feature requests are
// answered at once so the host's ioctl does not wait for the kernel's time-out.
void UhidDevice::serve() {
    pollfd fds[2] = {{fd_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
    for (;;) {
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (fds[1].revents != 0) return;
        uhid_event event{};
        if (::read(fd_, &event, sizeof event) <= 0) continue;
        if (event.type == UHID_OUTPUT) {
            const uhid_output_req &output = event.u.output;
            const auto reply =
                onOutput_(std::vector<uint8_t>(output.data, output.data + output.size));
            if (!reply.empty()) sendInput(reply);
        } else if (event.type == UHID_SET_REPORT) {
            const uhid_set_report_req &set = event.u.set_report;
            onOutput_(std::vector<uint8_t>(set.data, set.data + set.size));
            uhid_event reply{};
            reply.type = UHID_SET_REPORT_REPLY;
            reply.u.set_report_reply.id = set.id;
            writeEvent(&reply, sizeof reply);
        } else if (event.type == UHID_GET_REPORT) {
            const uhid_get_report_req &get = event.u.get_report;
            std::vector<uint8_t> bytes = feature_ ? feature_(get.rnum) : std::vector<uint8_t>{};
            uhid_event reply{};
            reply.type = UHID_GET_REPORT_REPLY;
            reply.u.get_report_reply.id = get.id;
            reply.u.get_report_reply.err = bytes.empty() ? EIO : 0;
            bytes.insert(bytes.begin(), get.rnum);
            reply.u.get_report_reply.size = static_cast<uint16_t>(bytes.size());
            std::copy(bytes.begin(), bytes.end(), reply.u.get_report_reply.data);
            writeEvent(&reply, sizeof reply);
        }
    }
}

}  // namespace kerneltest
