#include "StateFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <span>
#include <vector>

#include "../src/Diagnostics.h"

namespace usbgate::sim {
namespace {

constexpr char kMagic[8] = {'U', 'S', 'B', 'G', 'S', 'I', 'M', 1};

uint32_t fnv1a(std::span<const uint8_t> bytes) {
    uint32_t hash = 2166136261u;
    for (uint8_t byte : bytes) hash = (hash ^ byte) * 16777619u;
    return hash;
}

void putU32(std::vector<uint8_t> &out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void putSection(std::vector<uint8_t> &out, const char *name, std::span<const uint8_t> bytes) {
    out.push_back(static_cast<uint8_t>(std::strlen(name)));
    out.insert(out.end(), name, name + std::strlen(name));
    putU32(out, static_cast<uint32_t>(bytes.size()));
    out.insert(out.end(), bytes.begin(), bytes.end());
}

class Reader {
public:
    explicit Reader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    bool u32(uint32_t &value) {
        if (remaining() < 4) return false;
        value = 0;
        for (int i = 3; i >= 0; --i) value = (value << 8) | bytes_[position_ + i];
        position_ += 4;
        return true;
    }
    bool take(size_t count, std::span<const uint8_t> &out) {
        if (remaining() < count) return false;
        out = bytes_.subspan(position_, count);
        position_ += count;
        return true;
    }
    size_t remaining() const { return bytes_.size() - position_; }

private:
    std::span<const uint8_t> bytes_;
    size_t position_ = 0;
};

// Copies one section into its region when the sizes agree.
bool placeSection(DeviceMemory &memory, std::string_view name, std::span<const uint8_t> bytes) {
    auto place = [&](std::span<uint8_t> region) {
        if (region.size() != bytes.size()) return false;
        std::copy(bytes.begin(), bytes.end(), region.begin());
        return true;
    };
    if (name == "info") return place(memory.info);
    if (name == "params") return place(memory.params);
    if (name == "pages") return place(memory.pages);
    if (name == "colours") return place(memory.colours);
    if (name == "status") return place(memory.status);
    if (name == "macro") {
        if (bytes.size() > kMaxMacroCapacity) return false;
        memory.macro.assign(bytes.begin(), bytes.end());
        return true;
    }
    return true;  // sections of later versions are skipped
}

bool makeParentFolders(const std::string &path) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        std::string folder = path.substr(0, slash);
        if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    return true;
}

}  // namespace

std::vector<uint8_t> encodeState(const DeviceMemory &memory) {
    std::vector<uint8_t> out(std::begin(kMagic), std::end(kMagic));
    putSection(out, "info", memory.info);
    putSection(out, "params", memory.params);
    putSection(out, "pages", memory.pages);
    putSection(out, "macro", memory.macro);
    putSection(out, "colours", memory.colours);
    putSection(out, "status", memory.status);
    sealState(out);
    return out;
}

void sealState(std::vector<uint8_t> &bytes) {
    putU32(bytes, fnv1a(bytes));
}

bool decodeState(std::span<const uint8_t> file, DeviceMemory &memory) {
    if (file.size() < sizeof kMagic + 4 ||
        !std::equal(std::begin(kMagic), std::end(kMagic), file.begin())) {
        return false;
    }
    std::span<const uint8_t> body = file.first(file.size() - 4);
    Reader trailer(file.last(4));
    uint32_t stored = 0;
    if (!trailer.u32(stored) || stored != fnv1a(body)) return false;
    Reader reader(body.subspan(sizeof kMagic));
    DeviceMemory loaded = memory;
    while (reader.remaining() > 0) {
        std::span<const uint8_t> nameLength, name, bytes;
        uint32_t size = 0;
        if (!reader.take(1, nameLength) || !reader.take(nameLength[0], name) || !reader.u32(size) ||
            !reader.take(size, bytes)) {
            return false;
        }
        std::string_view nameText(reinterpret_cast<const char *>(name.data()), name.size());
        if (!placeSection(loaded, nameText, bytes)) return false;
    }
    // The macro area is as large as the capacity the info block states.
    if (loaded.macro.size() != loaded.macroCapacity()) return false;
    memory = std::move(loaded);
    return true;
}

std::string defaultStatePath() {
    const char *stateHome = std::getenv("XDG_STATE_HOME");
    std::string base;
    if (stateHome != nullptr && stateHome[0] == '/') {
        base = stateHome;
    } else {
        const char *home = std::getenv("HOME");
        base = std::string(home ? home : "/tmp") + "/.local/state";
    }
    return base + "/usbgate/simulator.state";
}

LoadResult StateFile::load(DeviceMemory &memory) const {
    std::ifstream in(path_, std::ios::binary);
    if (!in) return LoadResult::Missing;
    std::vector<uint8_t> file((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
    if (decodeState(file, memory)) return LoadResult::Loaded;
    std::string aside = path_ + ".corrupt";
    std::rename(path_.c_str(), aside.c_str());
    diagnose(Level::Error,
             "simulator state file %s is damaged; kept as %s, starting from factory memory",
             path_.c_str(), aside.c_str());
    return LoadResult::Corrupt;
}

bool StateFile::save(const DeviceMemory &memory) const {
    std::vector<uint8_t> bytes = encodeState(memory);
    std::string temporary = path_ + ".tmp";
    if (!makeParentFolders(path_)) {
        diagnose(Level::Error, "cannot create the folder of %s: %s", path_.c_str(),
                 std::strerror(errno));
        return false;
    }
    FILE *file = std::fopen(temporary.c_str(), "wb");
    bool written =
        file != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = file != nullptr && std::fflush(file) == 0 && fdatasync(fileno(file)) == 0 && written;
    if (file != nullptr && std::fclose(file) != 0) written = false;
    if (!written || std::rename(temporary.c_str(), path_.c_str()) != 0) {
        diagnose(Level::Error, "cannot write simulator state %s: %s", path_.c_str(),
                 std::strerror(errno));
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace usbgate::sim
