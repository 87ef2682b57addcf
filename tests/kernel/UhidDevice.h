// One HID device made in user space through /dev/uhid: the kernel gives it a
// hidraw node and sysfs entries as it would a USB interface, and hands this
// object every report the host writes to it.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kerneltest {

struct UhidIdentity {
    std::string name;
    uint16_t vendor;
    uint16_t product;
    std::vector<uint8_t> descriptor;
};

class UhidDevice {
public:
    // Output and set-feature reports as the host wrote them: byte 0 is the
    // report id (0 when the descriptor numbers no reports). What it returns,
    // when not empty, goes back to the host as an input report.
    using OutputHandler = std::function<std::vector<uint8_t>(const std::vector<uint8_t> &)>;
    // The current bytes of a feature report, asked for by report id.
    using FeatureSource = std::function<std::vector<uint8_t>(uint8_t reportId)>;

    UhidDevice(UhidIdentity identity, OutputHandler onOutput, FeatureSource feature = {});
    ~UhidDevice();
    UhidDevice(const UhidDevice &) = delete;
    UhidDevice &operator=(const UhidDevice &) = delete;

    // Opens /dev/uhid and creates the device; false with errno kept on failure.
    bool create();
    // Removes the device from the kernel, as pulling the cable would.
    void destroy();
    // Sends one input report (with its id first when the device numbers reports).
    bool sendInput(const std::vector<uint8_t> &report);

private:
    void serve();
    bool writeEvent(const void *event, size_t size);

    UhidIdentity identity_;
    OutputHandler onOutput_;
    FeatureSource feature_;
    int fd_ = -1;
    int stopPipe_[2] = {-1, -1};
    std::mutex writeMutex_;
    std::thread server_;
};

}  // namespace kerneltest
