#include <fcntl.h>
#include <poll.h>
#include <semaphore.h>

#include <gtest/gtest.h>
#include <thread>

#include "platform/AutoResetEvent.h"
#include "platform/ClockChangeWatch.h"
#include "platform/NamedEvents.h"

namespace {

using namespace std::chrono_literals;

bool exists(const std::string &name) {
    sem_t *semaphore = ::sem_open(platform::NamedEventSet::systemName(name).c_str(), 0);
    if (semaphore == SEM_FAILED) return false;
    ::sem_close(semaphore);
    return true;
}

TEST(NamedEvents, CreatedUnsignalledAndRemovedOnClose) {
    const std::string base = "VarnelTest_" + std::to_string(::getpid()) + "_";
    platform::NamedEventSet events;
    ASSERT_TRUE(events.create(base + "01"));
    ASSERT_TRUE(events.create(base + "100"));
    EXPECT_EQ(events.size(), 2u);
    sem_t *opened = ::sem_open(platform::NamedEventSet::systemName(base + "01").c_str(), 0);
    ASSERT_NE(opened, SEM_FAILED);
    int value = -1;
    ::sem_getvalue(opened, &value);
    EXPECT_EQ(value, 0);
    ::sem_close(opened);
    events.closeAll();
    EXPECT_EQ(events.size(), 0u);
    EXPECT_FALSE(exists(base + "01"));
    EXPECT_FALSE(exists(base + "100"));
    EXPECT_FALSE(events.create("a/b"));
    EXPECT_FALSE(events.create(""));
    EXPECT_FALSE(events.create(std::string(300, 'x')));
}

TEST(AutoResetEvent, WakesOneWaitAndResetsItself) {
    platform::AutoResetEvent event;
    EXPECT_FALSE(event.wait(10ms));
    event.set();
    EXPECT_TRUE(event.wait(0ms));
    EXPECT_FALSE(event.wait(0ms));  // consumed by the first wait
    event.set();
    event.reset();
    EXPECT_FALSE(event.wait(0ms));
    std::thread setter([&] {
        std::this_thread::sleep_for(20ms);
        event.set();
    });
    EXPECT_TRUE(event.wait(5s));
    setter.join();
}

}  // namespace

// Setting the clock cannot be done in a test; what can be checked is that the
// watch waits armed, reports nothing while the clock stays, and stays armed.
TEST(ClockChangeWatch, WaitsArmedAndReportsNoChangeWhileTheClockStays) {
    platform::ClockChangeWatch watch;
    ASSERT_GE(watch.descriptor(), 0);
    EXPECT_TRUE(watch.isArmed());
    pollfd readable{watch.descriptor(), POLLIN, 0};
    EXPECT_EQ(::poll(&readable, 1, 0), 0);
    EXPECT_FALSE(watch.takeClockChange());
    EXPECT_TRUE(watch.isArmed());
}
