// Feeds arbitrary bytes to the report descriptor parser. Whatever it finds must
// name one of the keyboard's collections, with reports no longer than HID allows,
// and a node opened with it must frame reports and read its status bytes
// without trouble (the node is one end of a socket pair, so the status request
// itself fails, after its buffer is made).
#include <sys/socket.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <span>

#include "hidraw/HidrawNode.h"
#include "hidraw/ReportDescriptor.h"

using usbgate::Collection;
using usbgate::hidraw::CollectionReports;

namespace {

void checkFound(const std::vector<CollectionReports> &found) {
    for (const CollectionReports &reports : found) {
        if (static_cast<std::size_t>(reports.collection) >= usbgate::kCollectionCount) {
            __builtin_trap();
        }
        for (std::size_t bytes : {reports.inputBytes, reports.outputBytes, reports.featureBytes}) {
            if (bytes > usbgate::hidraw::kMaxReportBytes) __builtin_trap();
        }
    }
}

void exerciseNode(std::vector<CollectionReports> found) {
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_NONBLOCK, 0, ends) != 0) return;
    usbgate::hidraw::HidrawNode node(ends[0], std::move(found));
    const std::uint8_t report[64] = {4, 0x12, 0x34, 0x01};
    for (Collection collection : {Collection::Vendor, Collection::Consumer, Collection::Status}) {
        node.writeReport(collection, report, sizeof report);
        std::vector<std::uint8_t> status;
        node.getFeature(collection, status);
    }
    close(ends[1]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    auto found = usbgate::hidraw::parseReportDescriptor(std::span(data, size));
    checkFound(found);
    exerciseNode(std::move(found));
    return 0;
}
