#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <thread>
#include <tuple>

#include "devicelink/ExchangeState.h"

using namespace devicelink;
using namespace std::chrono_literals;

namespace {

const Report kRequest = buildRequest(CommandCode::ReadKeyPage, 56, 112);
const AnswerMatch kMatch(kRequest);

// The keyboard's answer to `request`, its first payload byte set to `mark`.
Report answerTo(const Report &request, std::uint8_t mark) {
    Report answer{};
    std::copy_n(request.begin(), kPayloadByte, answer.begin());
    answer[kPayloadByte] = mark;
    return answer;
}

ExchangeState::WaitResult waitForAnswer(ExchangeState &state, std::chrono::milliseconds timeout) {
    state.awaitAnswer(std::chrono::steady_clock::now() + timeout);
    return state.endWait();
}

}  // namespace

TEST(ExchangeState, AnswerEndsPendingSoLaterDataCannotOverwriteIt) {
    ExchangeState state;
    Report buffer{};
    state.publish(buffer.data(), buffer.size(), kMatch);
    EXPECT_TRUE(state.isPending());
    EXPECT_TRUE(state.deliver(answerTo(kRequest, 7)));
    EXPECT_EQ(waitForAnswer(state, 1ms), ExchangeState::WaitResult::Answered);
    EXPECT_FALSE(state.isPending());
    EXPECT_FALSE(state.deliver(answerTo(kRequest, 9)));
    EXPECT_EQ(buffer[kCodeByte], kRequest[kCodeByte]);
}

TEST(ExchangeState, TimeOutEndsPendingAndWakesOnAnAnswerFromAnotherThread) {
    ExchangeState state;
    Report buffer{};
    state.publish(buffer.data(), buffer.size(), kMatch);
    EXPECT_EQ(waitForAnswer(state, 2ms), ExchangeState::WaitResult::TimedOut);
    EXPECT_FALSE(state.isPending());
    EXPECT_FALSE(state.deliver(answerTo(kRequest, 5)));

    state.publish(buffer.data(), buffer.size(), kMatch);
    std::thread callback([&] {
        std::this_thread::sleep_for(5ms);
        state.deliver(answerTo(kRequest, 2));
    });
    EXPECT_EQ(waitForAnswer(state, 10s), ExchangeState::WaitResult::Answered);
    callback.join();
    EXPECT_EQ(buffer[kPayloadByte], 2);
    EXPECT_EQ(state.receivedLength(), kReportSize);
}

// A report left over from an earlier exchange (other code, length or offset)
// and a report cut short are not answers: the buffer stays untouched and the
// exchange keeps waiting for its own answer.
TEST(ExchangeState, OnlyAWholeReportEchoingTheRequestAnswersIt) {
    ExchangeState state;
    Report buffer{};
    state.publish(buffer.data(), buffer.size(), kMatch);
    for (const auto &[code, length, offset] : {std::tuple{CommandCode::ReadKeyPage, 56, 56},
                                               std::tuple{CommandCode::ReadKeyPage, 42, 112},
                                               std::tuple{CommandCode::ReadMacroArea, 56, 112}}) {
        const Report earlier = buildRequest(code, static_cast<std::uint8_t>(length),
                                            static_cast<std::uint16_t>(offset));
        EXPECT_FALSE(state.deliver(answerTo(earlier, 1)));
    }
    const Report own = answerTo(kRequest, 3);
    for (std::size_t cut : {std::size_t{8}, std::size_t{40}, kReportSize - 1}) {
        EXPECT_FALSE(state.deliver(std::span(own).first(cut))) << cut << " bytes";
    }
    EXPECT_EQ(buffer, Report{});
    EXPECT_TRUE(state.isPending());

    EXPECT_TRUE(state.deliver(own));
    EXPECT_EQ(waitForAnswer(state, 1ms), ExchangeState::WaitResult::Answered);
    EXPECT_EQ(buffer, own);
}
