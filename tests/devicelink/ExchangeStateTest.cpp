#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <thread>

#include "devicelink/ExchangeState.h"

using namespace devicelink;
using namespace std::chrono_literals;

TEST(ExchangeState, AnswerEndsPendingSoLaterDataCannotOverwriteIt) {
    ExchangeState state;
    std::array<std::uint8_t, 4> buffer{};
    state.publish(buffer.data(), buffer.size());
    EXPECT_TRUE(state.isPending());
    EXPECT_TRUE(state.deliver(std::array<std::uint8_t, 4>{7, 7, 7, 7}));
    EXPECT_EQ(state.waitForAnswer(1ms), ExchangeState::WaitResult::Answered);
    EXPECT_FALSE(state.isPending());
    EXPECT_FALSE(state.deliver(std::array<std::uint8_t, 4>{9, 9, 9, 9}));
    EXPECT_EQ(buffer[0], 7);
}

TEST(ExchangeState, TimeOutEndsPendingAndWakesOnAnAnswerFromAnotherThread) {
    ExchangeState state;
    std::array<std::uint8_t, 4> buffer{};
    state.publish(buffer.data(), buffer.size());
    EXPECT_EQ(state.waitForAnswer(2ms), ExchangeState::WaitResult::TimedOut);
    EXPECT_FALSE(state.isPending());
    EXPECT_FALSE(state.deliver(std::array<std::uint8_t, 1>{5}));

    state.publish(buffer.data(), buffer.size());
    std::thread callback([&] {
        std::this_thread::sleep_for(5ms);
        state.deliver(std::array<std::uint8_t, 2>{4, 2});
    });
    EXPECT_EQ(state.waitForAnswer(10s), ExchangeState::WaitResult::Answered);
    callback.join();
    EXPECT_EQ(buffer[1], 2);
    EXPECT_EQ(state.receivedLength(), 2u);
}
