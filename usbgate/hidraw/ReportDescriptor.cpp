#include "ReportDescriptor.h"

#include <map>
#include <optional>

namespace usbgate::hidraw {
namespace {

// Item tags (type and tag bits of the prefix byte, size bits cleared).
enum Item : uint8_t {
    kInput = 0x80,
    kOutput = 0x90,
    kFeature = 0xB0,
    kCollection = 0xA0,
    kEndCollection = 0xC0,
    kUsagePage = 0x04,
    kReportSize = 0x74,
    kReportId = 0x84,
    kReportCount = 0x94,
    kPush = 0xA4,
    kPop = 0xB4,
    kUsage = 0x08,
    kLongItem = 0xFC,
};

constexpr uint8_t kApplicationCollection = 0x01;

struct Globals {
    uint16_t usagePage = 0;
    uint32_t reportSize = 0;
    uint32_t reportCount = 0;
    uint8_t reportId = 0;
};

struct OpenApplication {
    std::optional<Collection> collection;
    CollectionReports reports{};
    // Bits per report id and kind while the collection is open.
    std::map<std::pair<uint8_t, uint8_t>, uint64_t> bits;
};

class Parser {
public:
    std::vector<CollectionReports> run(std::span<const uint8_t> descriptor);

private:
    void handle(uint8_t tag, uint32_t value, size_t size);
    void mainItem(uint8_t tag, uint32_t value);
    void closeCollection();
    void countBits(uint8_t kind);
    // Stops the parse: nothing after the fault and nothing of the collection it is in counts.
    void fail();

    Globals globals_;
    std::vector<Globals> pushed_;
    std::optional<uint32_t> lastUsage_;  // page in the high half when extended
    bool lastUsageExtended_ = false;
    int depth_ = 0;
    std::optional<OpenApplication> application_;
    std::vector<CollectionReports> found_;
    bool failed_ = false;
};

std::vector<CollectionReports> Parser::run(std::span<const uint8_t> descriptor) {
    size_t at = 0;
    while (at < descriptor.size() && !failed_) {
        uint8_t prefix = descriptor[at];
        if ((prefix & 0xFC) == kLongItem) {
            // Long item: size byte follows; skip it whole.
            if (at + 1 >= descriptor.size()) break;
            at += 3 + descriptor[at + 1];
            continue;
        }
        static constexpr size_t kSizes[4] = {0, 1, 2, 4};
        size_t size = kSizes[prefix & 0x03];
        if (at + 1 + size > descriptor.size()) break;
        uint32_t value = 0;
        for (size_t i = 0; i < size; ++i) value |= uint32_t{descriptor[at + 1 + i]} << (8 * i);
        handle(static_cast<uint8_t>(prefix & 0xFC), value, size);
        at += 1 + size;
    }
    return found_;
}

void Parser::handle(uint8_t tag, uint32_t value, size_t size) {
    switch (tag) {
        case kUsagePage:
            globals_.usagePage = static_cast<uint16_t>(value);
            break;
        case kReportSize:
            globals_.reportSize = value;
            break;
        case kReportCount:
            globals_.reportCount = value;
            break;
        case kReportId:
            globals_.reportId = static_cast<uint8_t>(value);
            break;
        case kPush:
            pushed_.push_back(globals_);
            break;
        case kPop:
            if (!pushed_.empty()) {
                globals_ = pushed_.back();
                pushed_.pop_back();
            }
            break;
        case kUsage:
            lastUsage_ = value;
            lastUsageExtended_ = size == 4;
            break;
        default:
            mainItem(tag, value);
            break;
    }
}

void Parser::mainItem(uint8_t tag, uint32_t value) {
    switch (tag) {
        case kCollection:
            if (depth_++ == 0 && (value & 0xFF) == kApplicationCollection) {
                uint32_t usage = lastUsage_.value_or(0);
                uint16_t page =
                    lastUsageExtended_ ? static_cast<uint16_t>(usage >> 16) : globals_.usagePage;
                application_ = OpenApplication{};
                application_->collection = collectionOfUsage(page, static_cast<uint16_t>(usage));
            }
            break;
        case kEndCollection:
            if (depth_ > 0 && --depth_ == 0) closeCollection();
            break;
        case kInput:
            countBits(0);
            break;
        case kOutput:
            countBits(1);
            break;
        case kFeature:
            countBits(2);
            break;
        default:
            return;  // other items keep the local state
    }
    lastUsage_.reset();  // local items end with every main item
}

void Parser::countBits(uint8_t kind) {
    if (!application_) return;
    uint64_t &bits = application_->bits[{globals_.reportId, kind}];
    bits += uint64_t{globals_.reportSize} * globals_.reportCount;
    if (bits > uint64_t{kMaxReportBytes} * 8) {
        fail();
        return;
    }
    if (application_->reports.reportId == 0) application_->reports.reportId = globals_.reportId;
}

void Parser::fail() {
    application_.reset();
    failed_ = true;
}

void Parser::closeCollection() {
    if (application_ && application_->collection) {
        CollectionReports reports = application_->reports;
        reports.collection = *application_->collection;
        for (const auto &[key, bits] : application_->bits) {
            size_t bytes = static_cast<size_t>((bits + 7) / 8);
            size_t &largest = key.second == 0   ? reports.inputBytes
                              : key.second == 1 ? reports.outputBytes
                                                : reports.featureBytes;
            if (bytes > largest) largest = bytes;
        }
        found_.push_back(reports);
    }
    application_.reset();
}

}  // namespace

std::vector<CollectionReports> parseReportDescriptor(std::span<const uint8_t> descriptor) {
    return Parser().run(descriptor);
}

}  // namespace usbgate::hidraw
