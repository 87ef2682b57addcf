// The keyboard's command set: one 64-byte report per command or per 56-byte
// chunk of a larger block, each sent through the report transport.
//
// Every operation returns 1 when done; 0, -1 and -2 are the exchange's
// results passed on; -102 and -103 mean the keyboard answered with status 255
// or 254; -201 means an argument lies outside the keyboard's memory and
// nothing was sent. A chunked transfer stops at the first chunk that fails.
#pragma once

#include <atomic>
#include <cstdint>
#include <span>

#include "devicelink/DeviceRegions.h"
#include "devicelink/ReportFrame.h"
#include "devicelink/ReportTransport.h"

namespace devicelink {

class DeviceCommands {
public:
    explicit DeviceCommands(ReportTransport &transport) : transport_(transport) {}

    // Open and close a group of parameter, colour or image writes (and the
    // parameter read-back). The closing report goes out after a short pause.
    std::int32_t beginCommand();
    std::int32_t endCommand();

    std::int32_t readInfo(std::span<std::uint8_t, kInfoSize> info);
    std::int32_t writeInfo(std::span<const std::uint8_t, kInfoSize> info);

    // Reads `length` (at most 56) parameter bytes at `offset`; the answer's 56
    // data bytes all land in `destination`.
    std::int32_t readParams(std::span<std::uint8_t, kPayloadSize> destination, std::uint8_t length,
                            std::uint16_t offset);
    // Writes the bytes (at most 56) at `offset` of the parameter area.
    std::int32_t writeParams(std::span<const std::uint8_t> bytes, std::uint16_t offset);

    // Page 0..2 in seven chunks; -201 for any other page.
    std::int32_t readKeyPage(std::span<std::uint8_t, kKeyPageSize> page, int pageIndex);
    std::int32_t writeKeyPage(std::span<const std::uint8_t, kKeyPageSize> page, int pageIndex);

    // The first area.size() bytes of the macro area; an empty span sends nothing.
    std::int32_t readMacroArea(std::span<std::uint8_t> area);
    std::int32_t writeMacroArea(std::span<const std::uint8_t> area);

    std::int32_t readDefaultMatrix(std::span<std::uint8_t, kKeyPageSize> matrix);

    // Red, green, blue per key (at most 56 bytes) from `firstKey` on, into the
    // colour slot of on-board profile `profile` (0..2).
    std::int32_t writeKeyColours(std::span<const std::uint8_t> rgb, std::uint16_t firstKey,
                                 int profile);

    // The keyboard's active on-board profile, from the cache when known, else
    // read from the info block; -1 when it cannot be read.
    int activeProfile();
    // Rewrites the info block with byte 10 = profile (0..2), every other byte
    // as read. The cache follows a successful write and is forgotten after a
    // failed one.
    std::int32_t setActiveProfile(int profile);
    // Forgets the cached profile (the keyboard left).
    void forgetActiveProfile() { activeProfile_ = -1; }

    ReportTransport &transport() { return transport_; }

private:
    std::int32_t exchange(const Report &request, Report &answer);
    std::int32_t send(CommandCode code, std::uint8_t length = 0, std::uint16_t offset = 0,
                      std::span<const std::uint8_t> payload = {});
    std::int32_t readChunks(CommandCode code, std::size_t base, std::span<std::uint8_t> block);
    std::int32_t writeChunks(CommandCode code, std::size_t base,
                             std::span<const std::uint8_t> block);

    ReportTransport &transport_;
    std::atomic<int> activeProfile_{-1};
};

}  // namespace devicelink
