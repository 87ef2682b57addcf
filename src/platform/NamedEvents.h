// Named events other programs of the product may open: named POSIX semaphores,
// created unsignalled and kept until closed. Names are scoped to the user (the uid
// is appended), as the events of a desktop session are.
#pragma once

#include <semaphore.h>

#include <string>
#include <vector>

namespace platform {

class NamedEventSet {
public:
    NamedEventSet() = default;
    ~NamedEventSet();
    NamedEventSet(const NamedEventSet &) = delete;
    NamedEventSet &operator=(const NamedEventSet &) = delete;

    // Creates (or opens, when it already exists) one event; false on failure or a
    // name the system cannot use.
    bool create(const std::string &name);
    // Closes every event and removes the names this set created.
    void closeAll();

    std::size_t size() const { return events_.size(); }
    // The system names of the events held, in the order they were created.
    std::vector<std::string> systemNames() const;

    // Removes an event's name left behind by a process that ended without closing
    // it; a process that still has it open keeps its handle. False when none was there.
    static bool removeLeftover(const std::string &name);

    // The system name of an event: "/<name>.<uid>".
    static std::string systemName(const std::string &name);

private:
    struct Event {
        sem_t *semaphore;
        std::string systemName;
        bool created;
    };
    std::vector<Event> events_;
};

}  // namespace platform
