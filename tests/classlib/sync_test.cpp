#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>
#include <vector>

#include "classlib/SyncObjs.h"

namespace {

using namespace std::chrono_literals;

// Runs `body` on a thread of its own; false when it has not ended in time.
bool EndsInTime(std::function<void()> body, std::chrono::milliseconds limit = 10s)
{
    auto done = std::async(std::launch::async, std::move(body));
    return done.wait_for(limit) == std::future_status::ready;
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit = 5s)
{
    for (auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;) {
        if (condition())
            return true;
        std::this_thread::sleep_for(1ms);
    }
    return condition();
}

}  // namespace

TEST(Synchronizer, ReadersOverlap)
{
    TMultiReadExclusiveWriteSynchronizer sync;
    std::atomic<int> inside{0};
    std::atomic<bool> allInside{false};
    std::vector<std::thread> readers;
    for (int i = 0; i < 4; ++i)
        readers.emplace_back([&] {
            sync.BeginRead();
            ++inside;
            if (WaitFor([&] { return inside.load() == 4; }))
                allInside = true;
            sync.EndRead();
        });
    for (auto& t : readers)
        t.join();
    EXPECT_TRUE(allInside);
}

TEST(Synchronizer, AWriterExcludesReadersAndWriters)
{
    TMultiReadExclusiveWriteSynchronizer sync;
    std::atomic<int> readers{0}, writers{0}, violations{0};
    long shared = 0;
    auto work = [&](int seed) {
        for (int i = 0; i < 300; ++i) {
            if ((i + seed) % 3 == 0) {
                sync.BeginWrite();
                if (++writers != 1 || readers.load() != 0)
                    ++violations;
                long before = shared;
                std::this_thread::yield();
                shared = before + 1;
                --writers;
                sync.EndWrite();
            } else {
                sync.BeginRead();
                ++readers;
                if (writers.load() != 0)
                    ++violations;
                std::this_thread::yield();
                --readers;
                sync.EndRead();
            }
        }
    };
    ASSERT_TRUE(EndsInTime([&] {
        std::vector<std::thread> threads;
        for (int t = 0; t < 6; ++t)
            threads.emplace_back(work, t);
        for (auto& t : threads)
            t.join();
    }, 60s));
    EXPECT_EQ(violations.load(), 0);
    EXPECT_EQ(shared, 6 * 100);
}

TEST(Synchronizer, NestingRulesHoldWithoutDeadlock)
{
    TMultiReadExclusiveWriteSynchronizer sync;
    // The writer may read; writing nests.
    ASSERT_TRUE(EndsInTime([&] {
        sync.BeginWrite();
        sync.BeginRead();
        EXPECT_TRUE(sync.BeginWrite());
        sync.EndWrite();
        sync.EndRead();
        sync.EndWrite();
    }));
    // A reader reads again while a writer waits for it.
    std::atomic<bool> writerIn{false};
    ASSERT_TRUE(EndsInTime([&] {
        sync.BeginRead();
        std::thread writer([&] {
            sync.BeginWrite();
            writerIn = true;
            sync.EndWrite();
        });
        std::this_thread::sleep_for(50ms);
        sync.BeginRead();
        EXPECT_FALSE(writerIn);
        sync.EndRead();
        sync.EndRead();
        writer.join();
    }));
    EXPECT_TRUE(writerIn);
    // Two readers upgrade at once: both get the write side, one after the other;
    // the one that had to let go of its read is told that another wrote.
    std::atomic<int> unchanged{0}, exclusive{0}, violations{0};
    std::atomic<int> reading{0};
    ASSERT_TRUE(EndsInTime([&] {
        auto upgrade = [&] {
            sync.BeginRead();
            ++reading;
            WaitFor([&] { return reading.load() == 2; });
            if (sync.BeginWrite())
                ++unchanged;
            if (++exclusive != 1)
                ++violations;
            std::this_thread::sleep_for(10ms);
            --exclusive;
            sync.EndWrite();
            sync.EndRead();
        };
        std::thread a(upgrade), b(upgrade);
        a.join();
        b.join();
    }));
    EXPECT_EQ(violations.load(), 0);
    EXPECT_EQ(unchanged.load(), 1);
}
