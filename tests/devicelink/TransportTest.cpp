#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <string>
#include <thread>
#include <vector>

#include "SimulatedKeyboard.h"
#include "devicelink/DeviceResult.h"
#include "devicelink/FourCharCode.h"

using namespace devicelink;
using namespace devicelink::testing;
using namespace std::chrono_literals;

namespace {

class TransportTest : public SimulatedKeyboardTest {
protected:
    std::int32_t exchange(const Report &request, Report &answer, std::uint32_t &received) {
        answer.fill(0);
        return transport->exchangeReport(request, answer, received);
    }
    std::size_t writesOf(CommandCode code) { return keyboard().writesOf(code).size(); }
};

const Report kReadInfo = buildRequest(CommandCode::ReadInfo, 44);

}  // namespace

TEST_F(TransportTest, ShortRequestIsSentZeroFilledAndLongOneCut) {
    poke("params", 0, std::vector<std::uint8_t>(8, 0xEE));
    // A write of six parameter bytes whose request ends after the fourth:
    // the last two must arrive as zeros, and the check sum covers them as zeros.
    Report full =
        buildRequest(CommandCode::WriteParams, 6, 0, std::vector<std::uint8_t>{1, 2, 3, 4});
    const std::span<const std::uint8_t> shortRequest(full.data(), 12);
    Report answer;
    std::uint32_t received = 99;
    EXPECT_EQ(transport->exchangeReport(shortRequest, answer, received), kDone);
    EXPECT_EQ(received, kReportSize);
    EXPECT_EQ(peek("params", 0, 8), (std::vector<std::uint8_t>{1, 2, 3, 4, 0, 0, 0xEE, 0xEE}));
    const std::vector<Report> sent = keyboard().writesOf(CommandCode::WriteParams);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0], full);

    std::vector<std::uint8_t> longRequest(kReadInfo.begin(), kReadInfo.end());
    longRequest.resize(80, 0x5A);
    EXPECT_EQ(transport->exchangeReport(longRequest, answer, received), kDone);
    EXPECT_EQ(keyboard().writesOf(CommandCode::ReadInfo).back(), kReadInfo);
}

TEST_F(TransportTest, ForeignOrLostAnswersAreWrittenAgainUpToThreeTimes) {
    Report answer;
    std::uint32_t received = 0;
    keyboard().command("fault foreign 1");
    EXPECT_EQ(exchange(kReadInfo, answer, received), kDone);
    EXPECT_EQ(answer[kCodeByte], 0x03);
    EXPECT_EQ(writesOf(CommandCode::ReadInfo), 2u);

    keyboard().clearWrites();
    keyboard().command("fault drop 2");
    EXPECT_EQ(exchange(kReadInfo, answer, received), kDone);
    EXPECT_EQ(writesOf(CommandCode::ReadInfo), 3u);

    keyboard().clearWrites();
    keyboard().command("fault foreign 3");
    EXPECT_EQ(exchange(kReadInfo, answer, received), kNoAnswer);
    EXPECT_EQ(received, 0u);
    EXPECT_EQ(writesOf(CommandCode::ReadInfo), 3u);

    keyboard().clearWrites();
    keyboard().command("fault drop 5");
    EXPECT_EQ(exchange(kReadInfo, answer, received), kNoAnswer);
    EXPECT_EQ(writesOf(CommandCode::ReadInfo), 3u);
}

TEST_F(TransportTest, BusyStatusIsRetriedAndPassedUpAfterTheThirdAnswer) {
    Report answer;
    std::uint32_t received = 0;
    keyboard().command("fault status 255 3");
    EXPECT_EQ(exchange(kReadInfo, answer, received), kDone);
    EXPECT_EQ(answer[kStatusByte], 255);
    EXPECT_EQ(received, kReportSize);
    EXPECT_EQ(writesOf(CommandCode::ReadInfo), 3u);

    keyboard().command("fault status 255 3");
    InfoBlock info{};
    EXPECT_EQ(commands->readInfo(info), kStatusBusy);
    keyboard().command("fault status 254 3");
    EXPECT_EQ(commands->readInfo(info), kStatusRefused);

    // A refusal that clears before the third attempt is a plain success.
    keyboard().clearWrites();
    keyboard().command("fault status 254 2");
    EXPECT_EQ(commands->readInfo(info), kDone);
    EXPECT_EQ(writesOf(CommandCode::ReadInfo), 3u);
}

TEST_F(TransportTest, RefusedWriteEndsTheExchangeAtOnce) {
    keyboard().refuseWritesOf(CommandCode::ReadInfo);
    Report answer;
    std::uint32_t received = 5;
    EXPECT_EQ(exchange(kReadInfo, answer, received), kWriteRefused);
    EXPECT_EQ(received, 0u);
    EXPECT_EQ(writesOf(CommandCode::ReadInfo), 1u);
}

TEST_F(TransportTest, NoDeviceReturnsZeroWithoutWriting) {
    keyboard().command("unplug");
    Report answer;
    std::uint32_t received = 7;
    EXPECT_EQ(exchange(kReadInfo, answer, received), kNoDevice);
    EXPECT_EQ(received, 0u);
    EXPECT_TRUE(keyboard().writes().empty());
    InfoBlock info{};
    EXPECT_EQ(commands->readInfo(info), kNoDevice);
    EXPECT_TRUE(keyboard().writes().empty());
}

TEST_F(TransportTest, AnswerLongerThanTheCapacityIsCut) {
    std::array<std::uint8_t, 24> buffer;
    buffer.fill(0xCC);
    std::uint32_t received = 0;
    EXPECT_EQ(transport->exchangeReport(kReadInfo, std::span(buffer).first(16), received), kDone);
    EXPECT_EQ(received, 16u);
    EXPECT_EQ(buffer[kCodeByte], 0x03);
    const std::vector<std::uint8_t> info = peek("info", 0, 8);
    EXPECT_TRUE(std::equal(info.begin(), info.end(), buffer.begin() + kPayloadByte));
    EXPECT_EQ(buffer[16], 0xCC);
    EXPECT_EQ(buffer[23], 0xCC);
}

TEST_F(TransportTest, LateAnswersWhileNothingIsPendingAreDropped) {
    poke("info", 20, {0x11});
    // Each answer comes after the whole exchange (three waits of 200 ms) gave up.
    keyboard().command("fault delay 900 3");
    Report answer;
    std::uint32_t received = 0;
    EXPECT_EQ(exchange(kReadInfo, answer, received), kNoAnswer);
    // Let the three late answers arrive while no exchange waits.
    std::this_thread::sleep_for(1500ms);
    poke("info", 20, {0x22});
    EXPECT_EQ(exchange(kReadInfo, answer, received), kDone);
    EXPECT_EQ(answer[kPayloadByte + 20], 0x22);
}

TEST_F(TransportTest, TwoThreadsExchangingAtOnceEachGetTheirOwnAnswers) {
    keyboard().command("latency 2");
    const std::vector<std::uint8_t> params = pattern(56, 40);
    poke("params", 0, params);
    const Report readParams = buildRequest(CommandCode::ReadParams, 56, 0);
    std::atomic<int> wrongAnswers = 0;
    auto run = [&](const Report &request, auto isOwnAnswer) {
        for (int i = 0; i < 25; ++i) {
            Report answer{};
            std::uint32_t received = 0;
            const std::int32_t result = transport->exchangeReport(request, answer, received);
            if (result != kDone || !isOwnAnswer(answer)) ++wrongAnswers;
        }
    };
    const std::vector<std::uint8_t> info = peek("info", 0, 44);
    std::thread interfaceThread(run, kReadInfo, [&](const Report &answer) {
        return answer[kCodeByte] == 0x03 &&
               std::equal(info.begin(), info.end(), answer.begin() + kPayloadByte);
    });
    std::thread worker(run, readParams, [&](const Report &answer) {
        return answer[kCodeByte] == 0x05 &&
               std::equal(params.begin(), params.end(), answer.begin() + kPayloadByte);
    });
    interfaceThread.join();
    worker.join();
    EXPECT_EQ(wrongAnswers, 0);
    EXPECT_EQ(keyboard().writes().size(), 50u);
}

TEST(TransportRealWaits, AnswerWithinTheFullSecondIsAcceptedOnTheFirstWrite) {
    SimulatedKeyboard &keyboard = SimulatedKeyboard::instance();
    ASSERT_EQ(keyboard.bindStatus(), BindStatus::Bound) << keyboard.bindDetail();
    keyboard.restart();
    ReportTransport transport(keyboard.library());
    ASSERT_EQ(transport.registerReads(), 1);
    DeviceCommands commands(transport);

    // 600 ms is far beyond the short test waits but inside the real 1000 ms one.
    keyboard.command("fault delay 600 1");
    InfoBlock info{};
    EXPECT_EQ(commands.readInfo(info), kDone);
    EXPECT_EQ(keyboard.writesOf(CommandCode::ReadInfo).size(), 1u);

    // A lost answer costs a full wait and one more write.
    keyboard.clearWrites();
    keyboard.command("fault drop 1");
    EXPECT_EQ(commands.readInfo(info), kDone);
    EXPECT_EQ(keyboard.writesOf(CommandCode::ReadInfo).size(), 2u);
    transport.withdrawReads();
}

namespace {

// What the transport reports about waiting exchanges, and on which thread.
class RecordingWaitObserver : public ExchangeWaitObserver {
public:
    void exchangeStalled() override { record("stalled"); }
    void exchangeStillWaiting() override {
        std::lock_guard lock(mutex_);
        ++stillWaiting;
    }
    void stalledExchangeEnded() override { record("ended"); }

    // Read once the exchanges have ended.
    std::vector<std::string> calls;
    std::vector<std::thread::id> threads;
    int stillWaiting = 0;

private:
    void record(const char *call) {
        std::lock_guard lock(mutex_);
        calls.emplace_back(call);
        threads.push_back(std::this_thread::get_id());
    }
    std::mutex mutex_;
};

}  // namespace

// An exchange that waits past the busy notice is reported on its own thread
// (stalled, still waiting, ended once); its attempts stay as they were. One
// answered at once is not reported at all.
TEST_F(TransportTest, LongWaitsAreReportedOnTheWaitingThreadWithoutChangingTheAttempts) {
    ExchangeTiming timing = shortTiming();
    timing.answerWait = 400ms;
    timing.busyNotice = 50ms;
    timing.busyNoticeRepeat = 20ms;
    ReportTransport slow(keyboard().library(), timing);
    ASSERT_EQ(slow.registerReads(), 1);
    RecordingWaitObserver observer;
    slow.setWaitObserver(&observer);
    Report answer;
    std::uint32_t received = 0;
    EXPECT_EQ(slow.exchangeReport(kReadInfo, answer, received), kDone);
    EXPECT_TRUE(observer.calls.empty());

    keyboard().clearWrites();
    keyboard().command("fault drop 1");
    EXPECT_EQ(slow.exchangeReport(kReadInfo, answer, received), kDone);
    EXPECT_EQ(writesOf(CommandCode::ReadInfo), 2u);
    EXPECT_EQ(observer.calls, (std::vector<std::string>{"stalled", "ended"}));
    EXPECT_GE(observer.stillWaiting, 1);
    for (std::thread::id thread : observer.threads) EXPECT_EQ(thread, std::this_thread::get_id());

    // Waiting for the turn behind another thread's stalled exchange is
    // waiting too, although this exchange is then answered at once.
    keyboard().clearWrites();
    keyboard().command("fault drop 1");
    observer.calls.clear();
    observer.threads.clear();
    std::thread other([&] {
        Report otherAnswer;
        std::uint32_t otherReceived = 0;
        slow.exchangeReport(kReadInfo, otherAnswer, otherReceived);
    });
    while (keyboard().writes().empty()) std::this_thread::yield();
    EXPECT_EQ(slow.exchangeReport(kReadInfo, answer, received), kDone);
    other.join();
    EXPECT_EQ(
        std::count(observer.threads.begin(), observer.threads.end(), std::this_thread::get_id()),
        2);
    EXPECT_EQ(std::count(observer.calls.begin(), observer.calls.end(), "stalled"), 2);
    EXPECT_EQ(std::count(observer.calls.begin(), observer.calls.end(), "ended"), 2);

    slow.withdrawReads();
    ASSERT_EQ(transport->registerReads(), 1);
}

namespace {

class RecordingListener : public DeviceEventListener {
public:
    void onDeviceCountChanged(std::uint32_t deviceCount) override {
        std::lock_guard lock(mutex_);
        counts_.push_back(deviceCount);
        changed_.notify_all();
    }
    void onDeviceEvent(std::uint16_t eventCode) override {
        std::lock_guard lock(mutex_);
        events_.push_back(eventCode);
        changed_.notify_all();
    }
    std::vector<std::uint32_t> waitForCounts(std::size_t n) { return waitFor(counts_, n); }
    std::vector<std::uint16_t> waitForEvents(std::size_t n) { return waitFor(events_, n); }

private:
    template <typename T>
    std::vector<T> waitFor(const std::vector<T> &items, std::size_t n) {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, 5s, [&] { return items.size() >= n; });
        return items;
    }
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::uint32_t> counts_;
    std::vector<std::uint16_t> events_;
};

}  // namespace

TEST_F(TransportTest, EventCodesAndDeviceCountChangesReachTheListener) {
    RecordingListener listener;
    transport->setListener(&listener);
    // Registering again replaces the earlier registrations: a bank toggle
    // delivered twice would undo itself.
    ASSERT_EQ(transport->registerReads(), 1);
    keyboard().command("event 0x02FF");
    keyboard().command("event 0x1811");
    EXPECT_EQ(listener.waitForEvents(2), (std::vector<std::uint16_t>{0x02FF, 0x1811}));
    keyboard().command("event 0x0401");
    EXPECT_EQ(listener.waitForEvents(3), (std::vector<std::uint16_t>{0x02FF, 0x1811, 0x0401}));

    keyboard().command("unplug");
    keyboard().command("plug");
    EXPECT_EQ(listener.waitForCounts(2), (std::vector<std::uint32_t>{0, 1}));
    transport->setListener(nullptr);
}
