#include "IniLoader.h"

#include <sys/stat.h>

#include <ctime>

#include <mutex>
#include <vector>

#include "AtomicFile.h"

namespace platform {
namespace {

constexpr std::size_t kCachedFiles = 16;
// File times advance in clock ticks, so two writes of the same size within one tick
// can leave the same stamp. A file changed this recently is read again every time.
constexpr time_t kSettledSeconds = 2;

struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};

    bool operator==(const FileStamp &other) const {
        return device == other.device && inode == other.inode && size == other.size &&
               modified.tv_sec == other.modified.tv_sec &&
               modified.tv_nsec == other.modified.tv_nsec;
    }
};

bool hasSettled(const FileStamp &stamp) {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec - stamp.modified.tv_sec > kSettledSeconds;
}

std::optional<FileStamp> stampOf(const std::filesystem::path &file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    return FileStamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim};
}

struct CacheEntry {
    std::filesystem::path file;
    FileStamp stamp;
    std::shared_ptr<const IniDocument> document;
};

class DocumentCache {
public:
    std::shared_ptr<const IniDocument> find(const std::filesystem::path &file,
                                            const FileStamp &stamp) {
        std::lock_guard lock(mutex_);
        for (auto &entry : entries_) {
            if (entry.file == file && entry.stamp == stamp) return entry.document;
        }
        return nullptr;
    }

    void store(CacheEntry entry) {
        std::lock_guard lock(mutex_);
        std::erase_if(entries_, [&](const CacheEntry &old) { return old.file == entry.file; });
        if (entries_.size() == kCachedFiles) entries_.erase(entries_.begin());
        entries_.push_back(std::move(entry));
    }

private:
    std::mutex mutex_;
    std::vector<CacheEntry> entries_;
};

DocumentCache &cache() {
    static DocumentCache instance;
    return instance;
}

}  // namespace

std::shared_ptr<const IniDocument> loadIniDocument(const std::filesystem::path &file) {
    const auto before = stampOf(file);
    if (!before) return std::make_shared<const IniDocument>();
    if (auto cached = cache().find(file, *before)) return cached;
    const auto bytes = readWholeFile(file);
    auto document = std::make_shared<const IniDocument>(IniDocument::parse(bytes.value_or("")));
    // Kept only when the file did not change while it was read.
    const auto after = stampOf(file);
    if (bytes && after && *after == *before && hasSettled(*after))
        cache().store({file, *after, document});
    return document;
}

std::optional<IniDocument> loadIniDocumentForEdit(const std::filesystem::path &file) {
    if (const auto bytes = readWholeFile(file)) return IniDocument::parse(*bytes);
    std::error_code error;
    const auto type = std::filesystem::symlink_status(file, error).type();
    if (type == std::filesystem::file_type::not_found) return IniDocument{};
    return std::nullopt;
}

bool editIniDocument(const std::filesystem::path &file,
                     const std::function<bool(IniDocument &)> &edit) {
    static std::mutex editMutex;
    std::lock_guard lock(editMutex);
    auto document = loadIniDocumentForEdit(file);
    if (!document || !edit(*document)) return false;
    return writeFileAtomically(file, document->serialize());
}

}  // namespace platform
