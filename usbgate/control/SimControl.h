// Client of a running simulated keyboard's control channel (see usbgate-sim).
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace usbgate {

class SimControl {
public:
    // The socket a simulator started with the same environment listens at.
    static std::string defaultPath();

    explicit SimControl(std::string socketPath = defaultPath());
    ~SimControl();
    SimControl(const SimControl &) = delete;
    SimControl &operator=(const SimControl &) = delete;

    // Sends one command; the reply's lines before "OK" (empty for most
    // commands), or nothing on "ERR ...", a broken connection or a command of
    // more than one line (see lastError()).
    std::optional<std::string> send(const std::string &command);
    const std::string &lastError() const { return lastError_; }

    std::vector<uint8_t> peek(const std::string &region, size_t offset, size_t length);
    bool poke(const std::string &region, size_t offset, const std::vector<uint8_t> &bytes);

    bool plug() { return ok("plug"); }
    bool unplug() { return ok("unplug"); }
    bool plugDenied() { return ok("plug-denied"); }
    bool event(uint16_t code);
    bool firmware(uint16_t version);
    bool capacity(size_t bytes) { return ok("capacity " + std::to_string(bytes)); }
    bool reset() { return ok("reset"); }
    std::optional<std::string> dump() { return send("dump"); }
    bool dropNext(uint32_t n) { return ok("fault drop " + std::to_string(n)); }
    bool foreignNext(uint32_t n) { return ok("fault foreign " + std::to_string(n)); }
    bool statusNext(uint8_t status, uint32_t n);
    bool delayNext(uint32_t ms, uint32_t n);
    bool unplugAfter(uint32_t n) { return ok("fault unplug-after " + std::to_string(n)); }
    bool clearFaults() { return ok("fault clear"); }
    bool latency(uint32_t ms) { return ok("latency " + std::to_string(ms)); }
    // Reports written per command code since the last resetStats().
    std::optional<std::map<uint8_t, uint32_t>> stats();
    bool resetStats() { return ok("stats reset"); }

private:
    bool ok(const std::string &command) { return send(command).has_value(); }
    bool connectIfNeeded();
    bool exchange(const std::string &command, std::string &reply);
    void disconnect();

    std::string path_;
    int fd_ = -1;
    std::string pending_;  // bytes received after the last reply
    std::string lastError_;
};

}  // namespace usbgate
