#include "ControlInterpreter.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "SimulatorBackend.h"

namespace usbgate::sim {
namespace {

using Words = std::vector<std::string>;

Words split(const std::string &line) {
    std::istringstream stream(line);
    Words words;
    for (std::string word; stream >> word;) words.push_back(word);
    return words;
}

// Parses a decimal or 0x-prefixed number no larger than `limit`; the whole word
// must be the number, a NUL byte inside it included.
std::optional<uint64_t> number(const std::string &text, uint64_t limit) {
    if (text.empty() || text[0] == '-') return std::nullopt;
    char *end = nullptr;
    unsigned long long value = std::strtoull(text.c_str(), &end, 0);
    if (end != text.c_str() + text.size() || value > limit) return std::nullopt;
    return value;
}

std::optional<std::vector<uint8_t>> hexBytes(const Words &words, size_t first) {
    std::string digits;
    for (size_t i = first; i < words.size(); ++i) digits += words[i];
    if (digits.size() % 2 != 0) return std::nullopt;
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < digits.size(); i += 2) {
        auto byte = number("0x" + digits.substr(i, 2), 0xFF);
        if (!byte) return std::nullopt;
        bytes.push_back(static_cast<uint8_t>(*byte));
    }
    return bytes;
}

std::string hexLine(const std::vector<uint8_t> &bytes) {
    std::string text;
    char cell[4];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(cell, sizeof cell, i ? " %02X" : "%02X", bytes[i]);
        text += cell;
    }
    return text;
}

const std::string kOk = "OK";
std::string error(const std::string &reason) {
    return "ERR " + reason;
}

std::string faultCommand(SimulatorBackend &simulator, const Words &words) {
    const std::string kind = words.size() > 1 ? words[1] : "";
    if (kind == "clear" && words.size() == 2) {
        simulator.changeFaults([](FaultPlan &faults) { faults.clear(); });
        return kOk;
    }
    auto count = number(words.back(), 1000000);
    if (!count) return error("expected a count");
    const uint32_t n = static_cast<uint32_t>(*count);
    if (kind == "drop" && words.size() == 3) {
        simulator.changeFaults([n](FaultPlan &faults) { faults.dropNext(n); });
    } else if (kind == "foreign" && words.size() == 3) {
        simulator.changeFaults([n](FaultPlan &faults) { faults.foreignNext(n); });
    } else if (kind == "status" && words.size() == 4 && (words[2] == "255" || words[2] == "254")) {
        uint8_t status = words[2] == "255" ? kStatusRefused : kStatusBusy;
        simulator.changeFaults([n, status](FaultPlan &faults) { faults.statusNext(status, n); });
    } else if (kind == "delay" && words.size() == 4) {
        auto ms = number(words[2], 600000);
        if (!ms) return error("expected a delay in ms");
        uint32_t delay = static_cast<uint32_t>(*ms);
        simulator.changeFaults([n, delay](FaultPlan &faults) { faults.delayNext(delay, n); });
    } else if (kind == "unplug-after" && words.size() == 3) {
        simulator.unplugAfter(n);
    } else {
        return error("unknown fault");
    }
    return kOk;
}

std::string statsCommand(SimulatorBackend &simulator, const Words &words) {
    if (words.size() == 2 && words[1] == "reset") {
        simulator.resetStats();
        return kOk;
    }
    if (words.size() != 1) return error("usage: stats [reset]");
    std::string reply;
    char line[32];
    for (const auto &[code, count] : simulator.stats()) {
        std::snprintf(line, sizeof line, "0x%02X %u\n", code, count);
        reply += line;
    }
    return reply + kOk;
}

std::string peekCommand(SimulatorBackend &simulator, const Words &words) {
    if (words.size() != 4) return error("usage: peek <region> <offset> <length>");
    auto offset = number(words[2], 1u << 20);
    auto length = number(words[3], 1u << 20);
    if (!offset || !length) return error("bad offset or length");
    auto bytes = simulator.peek(words[1], *offset, *length);
    if (!bytes) return error("no such region or range");
    return hexLine(*bytes) + "\n" + kOk;
}

std::string pokeCommand(SimulatorBackend &simulator, const Words &words) {
    if (words.size() < 4) return error("usage: poke <region> <offset> <hex bytes>");
    auto offset = number(words[2], 1u << 20);
    auto bytes = hexBytes(words, 3);
    if (!offset || !bytes) return error("bad offset or hex bytes");
    return simulator.poke(words[1], *offset, *bytes) ? kOk : error("no such region or range");
}

std::string valueCommand(SimulatorBackend &simulator, const Words &words) {
    if (words.size() != 2) return error("usage: " + words[0] + " <value>");
    const std::string &command = words[0];
    if (command == "event") {
        auto code = number(words[1], 0xFFFF);
        if (!code) return error("bad event code");
        return simulator.sendEvent(static_cast<uint16_t>(*code)) ? kOk : error("unplugged");
    }
    if (command == "firmware") {
        auto version = number(words[1], 0xFFFF);
        if (!version) return error("bad firmware version");
        simulator.setFirmware(static_cast<uint16_t>(*version));
        return kOk;
    }
    if (command == "capacity") {
        auto bytes = number(words[1], kMaxMacroCapacity);
        if (!bytes) return error("capacity must be 0.." + std::to_string(kMaxMacroCapacity));
        return simulator.setCapacity(*bytes) ? kOk : error("bad capacity");
    }
    auto ms = number(words[1], 600000);
    if (!ms) return error("bad latency");
    uint32_t latency = static_cast<uint32_t>(*ms);
    simulator.changeFaults([latency](FaultPlan &faults) { faults.setLatency(latency); });
    return kOk;
}

}  // namespace

std::string interpretControlLine(SimulatorBackend &simulator, const std::string &line) {
    Words words = split(line);
    if (words.empty()) return error("empty command");
    const std::string &command = words[0];
    if (command == "plug" && words.size() == 1) {
        simulator.plug();
        return kOk;
    }
    if (command == "plug-denied" && words.size() == 1) {
        simulator.plugDenied();
        return kOk;
    }
    if (command == "unplug" && words.size() == 1) {
        simulator.unplug();
        return kOk;
    }
    if (command == "reset" && words.size() == 1) {
        simulator.resetMemory();
        return kOk;
    }
    if (command == "dump" && words.size() == 1) return simulator.dump() + kOk;
    if (command == "fault" && words.size() >= 2) return faultCommand(simulator, words);
    if (command == "stats") return statsCommand(simulator, words);
    if (command == "peek") return peekCommand(simulator, words);
    if (command == "poke") return pokeCommand(simulator, words);
    if (command == "event" || command == "firmware" || command == "capacity" ||
        command == "latency") {
        return valueCommand(simulator, words);
    }
    return error("unknown command: " + command);
}

}  // namespace usbgate::sim
