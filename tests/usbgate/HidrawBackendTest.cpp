// The hidraw backend on a fake sysfs tree, with socket pairs standing in for
// the device nodes and a pipe for the hot-plug monitor.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>

#include "HidDescriptors.h"
#include "LoadedLibrary.h"
#include "hidraw/HidrawBackend.h"

namespace usbgate::hidraw {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Stands in for udev: nodes listed in a fake sysfs tree, opened as one end of
// a socket pair whose other end the test keeps.
class FakeNodeSource : public NodeSource {
public:
    FakeNodeSource() { EXPECT_EQ(pipe(changePipe_), 0); }
    ~FakeNodeSource() override {
        for (int fd : changePipe_) close(fd);
        for (auto &[node, fd] : deviceEnds_) close(fd);
    }

    NodeInfo addNode(const std::string &root, const std::string &name, const std::string &hidId,
                     const std::vector<uint8_t> &descriptor) {
        fs::path device = fs::path(root) / "class/hidraw" / name / "device";
        fs::create_directories(device);
        std::ofstream(device / "uevent")
            << "DRIVER=hid-generic\nHID_ID=" << hidId << "\nHID_NAME=Keyboard\n";
        std::ofstream(device / "report_descriptor", std::ios::binary)
            .write(reinterpret_cast<const char *>(descriptor.data()),
                   static_cast<std::streamsize>(descriptor.size()));
        return {"/dev/" + name, (fs::path(root) / "class/hidraw" / name).string()};
    }

    void present(const NodeInfo &node) { present_.push_back(node); }
    void deny(const std::string &devnode) { denied_.push_back(devnode); }
    void announce(bool added, const NodeInfo &node) {
        {
            std::lock_guard lock(mutex_);
            changes_.push_back({added, node});
        }
        ASSERT_EQ(write(changePipe_[1], "x", 1), 1);
    }
    // The keyboard's end of an opened node.
    int deviceEnd(const std::string &devnode) {
        std::lock_guard lock(mutex_);
        return deviceEnds_.count(devnode) ? deviceEnds_[devnode] : -1;
    }

    // The keyboard vanishes: its end of the node closes.
    void vanish(const std::string &devnode) {
        std::lock_guard lock(mutex_);
        close(deviceEnds_.at(devnode));
        deviceEnds_.erase(devnode);
    }

    std::vector<NodeInfo> enumerate() override { return present_; }
    int changeFd() override { return changePipe_[0]; }
    std::optional<NodeChange> receiveChange() override {
        char byte;
        if (read(changePipe_[0], &byte, 1) != 1) return std::nullopt;
        std::lock_guard lock(mutex_);
        if (changes_.empty()) return std::nullopt;
        NodeChange change = changes_.front();
        changes_.pop_front();
        return change;
    }
    int open(const std::string &devnode) override {
        if (std::find(denied_.begin(), denied_.end(), devnode) != denied_.end()) return -EACCES;
        int pair[2];
        if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, pair) != 0) return -errno;
        std::lock_guard lock(mutex_);
        deviceEnds_[devnode] = pair[1];
        return pair[0];
    }

private:
    int changePipe_[2] = {-1, -1};
    std::mutex mutex_;
    std::vector<NodeInfo> present_;
    std::vector<std::string> denied_;
    std::deque<NodeChange> changes_;
    std::map<std::string, int> deviceEnds_;
};

class RecordingSink : public BackendSink {
public:
    struct Report {
        Collection collection;
        std::vector<uint8_t> bytes;
    };
    void onReport(Collection collection, const uint8_t *bytes, size_t length) override {
        std::lock_guard lock(mutex_);
        reports_.push_back({collection, {bytes, bytes + length}});
        changed_.notify_all();
    }
    void onDeviceCountChanged(uint32_t count) override {
        std::lock_guard lock(mutex_);
        counts_.push_back(count);
        changed_.notify_all();
    }
    std::optional<Report> nextReport() {
        std::unique_lock lock(mutex_);
        if (!changed_.wait_for(lock, 2s, [&] { return !reports_.empty(); })) return std::nullopt;
        Report report = reports_.front();
        reports_.pop_front();
        return report;
    }
    std::optional<uint32_t> nextCount() {
        std::unique_lock lock(mutex_);
        if (!changed_.wait_for(lock, 2s, [&] { return !counts_.empty(); })) return std::nullopt;
        uint32_t count = counts_.front();
        counts_.pop_front();
        return count;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Report> reports_;
    std::deque<uint32_t> counts_;
};

constexpr char kKeyboardId[] = "0003:00000C45:00005004";

class UsbgateHidrawBackend : public ::testing::Test {
protected:
    UsbgateHidrawBackend() {
        auto owned = std::make_unique<FakeNodeSource>();
        source = owned.get();
        keyboard = source->addNode(folder.path(), "hidraw1", kKeyboardId,
                                   test::kMultiCollectionDescriptor);
        bootInterface =
            source->addNode(folder.path(), "hidraw0", kKeyboardId, test::kBootKeyboardDescriptor);
        otherDevice = source->addNode(folder.path(), "hidraw2", "0003:0000046D:0000C52B",
                                      test::kMultiCollectionDescriptor);
        backend = std::make_unique<HidrawBackend>(std::move(owned));
    }
    ~UsbgateHidrawBackend() override { backend->stop(); }

    std::vector<uint8_t> receive(int fd) {
        std::vector<uint8_t> bytes(256);
        ssize_t n = recv(fd, bytes.data(), bytes.size(), 0);
        bytes.resize(n > 0 ? static_cast<size_t>(n) : 0);
        return bytes;
    }

    test::TempFolder folder;
    FakeNodeSource *source;
    NodeInfo keyboard, bootInterface, otherDevice;
    std::unique_ptr<HidrawBackend> backend;
    RecordingSink sink;
};

TEST_F(UsbgateHidrawBackend, EnumerationKeepsOnlyTheKeyboardsNodesWithOurCollections) {
    for (const NodeInfo &node : {bootInterface, keyboard, otherDevice}) source->present(node);
    ASSERT_TRUE(backend->start(sink));
    EXPECT_EQ(backend->deviceCount(Collection::Vendor), 1u);
    EXPECT_EQ(backend->deviceCount(Collection::Consumer), 1u);
    EXPECT_EQ(backend->deviceCount(Collection::Status), 1u);
    EXPECT_GE(source->deviceEnd(keyboard.devnode), 0);
    EXPECT_EQ(source->deviceEnd(bootInterface.devnode), -1);  // no collection of ours
    EXPECT_EQ(source->deviceEnd(otherDevice.devnode), -1);    // another vendor's device
}

TEST_F(UsbgateHidrawBackend, ReportsTravelBothWaysWithTheirReportIds) {
    source->present(keyboard);
    ASSERT_TRUE(backend->start(sink));
    int device = source->deviceEnd(keyboard.devnode);
    ASSERT_GE(device, 0);

    std::vector<uint8_t> command(64, 0);
    command[0] = 4;
    command[3] = 0x03;
    ASSERT_TRUE(backend->writeReport(Collection::Vendor, command.data(), command.size()));
    EXPECT_EQ(receive(device), command);  // the frame's byte 0 is already report id 4

    std::vector<uint8_t> status = {0x05, 0x03};
    ASSERT_TRUE(backend->writeReport(Collection::Status, status.data(), status.size()));
    EXPECT_EQ(receive(device), status);
    std::vector<uint8_t> oneByte = {0x03};
    ASSERT_TRUE(backend->writeReport(Collection::Status, oneByte.data(), 1));
    EXPECT_EQ(receive(device), (std::vector<uint8_t>{0x05, 0x03}));  // id put in front

    std::vector<uint8_t> answer = command;
    answer[7] = 0;
    ASSERT_EQ(send(device, answer.data(), answer.size(), 0), 64);
    auto heard = sink.nextReport();
    ASSERT_TRUE(heard);
    EXPECT_EQ(heard->collection, Collection::Vendor);
    EXPECT_EQ(heard->bytes, answer);

    const uint8_t event[] = {0x03, 0xFF, 0x02};
    ASSERT_EQ(send(device, event, sizeof event, 0), 3);
    heard = sink.nextReport();
    ASSERT_TRUE(heard);
    EXPECT_EQ(heard->collection, Collection::Consumer);
    EXPECT_EQ(heard->bytes, (std::vector<uint8_t>{0xFF, 0x02}));

    const uint8_t unknownId[] = {0x09, 1, 2};
    const uint8_t truncatedEvent[] = {0x03};
    ASSERT_EQ(send(device, unknownId, sizeof unknownId, 0), 3);
    ASSERT_EQ(send(device, truncatedEvent, sizeof truncatedEvent, 0), 1);
    ASSERT_EQ(send(device, event, sizeof event, 0), 3);
    heard = sink.nextReport();
    ASSERT_TRUE(heard);  // the two bad reports were skipped
    EXPECT_EQ(heard->bytes, (std::vector<uint8_t>{0xFF, 0x02}));
}

TEST_F(UsbgateHidrawBackend, HotPlugTurnsIntoDeviceCountChanges) {
    ASSERT_TRUE(backend->start(sink));
    EXPECT_EQ(backend->deviceCount(Collection::Vendor), 0u);
    std::vector<uint8_t> command(64, 0);
    command[0] = 4;
    EXPECT_FALSE(backend->writeReport(Collection::Vendor, command.data(), 64));

    source->announce(true, bootInterface);
    source->announce(true, keyboard);
    EXPECT_EQ(sink.nextCount(), 1u);
    EXPECT_EQ(backend->deviceCount(Collection::Vendor), 1u);
    source->announce(false, bootInterface);  // not one of ours: no change
    source->announce(false, keyboard);
    EXPECT_EQ(sink.nextCount(), 0u);
    EXPECT_EQ(backend->deviceCount(Collection::Vendor), 0u);
}

// udev reports changes late: by then the kernel may have given the number of
// a node that left to a new one. The late removal of the old device and the
// late arrival of a node found at start change nothing; the first count
// announced is that of a second keyboard coming.
TEST_F(UsbgateHidrawBackend, LateChangesOfAnEarlierDeviceWithTheSameNodeNameChangeNothing) {
    source->present(keyboard);
    ASSERT_TRUE(backend->start(sink));
    source->announce(false, {keyboard.devnode, folder.path() + "/devices/earlier/hidraw1"});
    source->announce(true, keyboard);
    source->announce(true, source->addNode(folder.path(), "hidraw3", kKeyboardId,
                                           test::kMultiCollectionDescriptor));
    EXPECT_EQ(sink.nextCount(), 2u);
    EXPECT_EQ(backend->deviceCount(Collection::Vendor), 2u);
}

TEST_F(UsbgateHidrawBackend, ANodeThatFailsCountsAsGone) {
    source->present(keyboard);
    ASSERT_TRUE(backend->start(sink));
    source->vanish(keyboard.devnode);
    EXPECT_EQ(sink.nextCount(), 0u);
    EXPECT_EQ(backend->deviceCount(Collection::Vendor), 0u);
    std::vector<uint8_t> command(64, 4);
    EXPECT_FALSE(backend->writeReport(Collection::Vendor, command.data(), 64));
}

TEST_F(UsbgateHidrawBackend, ANodeWithoutPermissionNamesTheUdevRule) {
    source->present(keyboard);
    source->deny(keyboard.devnode);
    testing::internal::CaptureStderr();
    ASSERT_TRUE(backend->start(sink));
    std::string message = testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find("/dev/hidraw1"), std::string::npos) << message;
    EXPECT_NE(message.find("70-varnel-keyboard.rules"), std::string::npos) << message;
    EXPECT_NE(message.find("uaccess"), std::string::npos) << message;
    EXPECT_EQ(backend->deviceCount(Collection::Vendor), 0u);
    // Present but not permitted is told apart from absent.
    EXPECT_EQ(backend->deniedNodeCount(), 1u);
}

TEST_F(UsbgateHidrawBackend, MissingOrMalformedSysfsEntriesAreSkipped) {
    NodeInfo noDescriptor = source->addNode(folder.path(), "hidraw3", kKeyboardId, {});
    NodeInfo badId = source->addNode(folder.path(), "hidraw4", "0003:nonsense",
                                     test::kMultiCollectionDescriptor);
    NodeInfo noFolder{"/dev/hidraw5", folder.path() + "/class/hidraw/hidraw5"};
    for (const NodeInfo &node : {noDescriptor, badId, noFolder}) source->present(node);
    ASSERT_TRUE(backend->start(sink));
    EXPECT_EQ(backend->deviceCount(Collection::Vendor), 0u);
}

}  // namespace
}  // namespace usbgate::hidraw
