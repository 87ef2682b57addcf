#include "NamedEvents.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace platform {
namespace {

constexpr std::size_t kMaxNameLength = 250;  // NAME_MAX minus the "sem." prefix

// A name of one part: no folder separator, never empty.
bool validName(const std::string &name) {
    return !name.empty() && name.find('/') == std::string::npos;
}

}  // namespace

NamedEventSet::~NamedEventSet() {
    closeAll();
}

std::string NamedEventSet::systemName(const std::string &name) {
    return "/" + name + "." + std::to_string(::getuid());
}

std::vector<std::string> NamedEventSet::systemNames() const {
    std::vector<std::string> names;
    for (const Event &event : events_) names.push_back(event.systemName);
    return names;
}

bool NamedEventSet::create(const std::string &name) {
    if (!validName(name)) return false;
    const auto fullName = systemName(name);
    if (fullName.size() > kMaxNameLength) return false;
    bool created = true;
    sem_t *semaphore = ::sem_open(fullName.c_str(), O_CREAT | O_EXCL, 0600, 0);
    if (semaphore == SEM_FAILED && errno == EEXIST) {
        created = false;
        semaphore = ::sem_open(fullName.c_str(), 0);
    }
    if (semaphore == SEM_FAILED) return false;
    events_.push_back({semaphore, fullName, created});
    return true;
}

bool NamedEventSet::removeLeftover(const std::string &name) {
    if (!validName(name)) return false;
    return ::sem_unlink(systemName(name).c_str()) == 0;
}

void NamedEventSet::closeAll() {
    for (const auto &event : events_) {
        ::sem_close(event.semaphore);
        if (event.created) ::sem_unlink(event.systemName.c_str());
    }
    events_.clear();
}

}  // namespace platform
