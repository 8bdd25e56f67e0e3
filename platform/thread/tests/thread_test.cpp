#include <gtest/gtest.h>

#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <chrono>

#include <platform/thread.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Probe {
    std::atomic<int> release{0};
    size_t seen_stack = 0;
};

DWORD report_stack(LPVOID arg)
{
    Probe* probe = static_cast<Probe*>(arg);
    pthread_attr_t attr;
    if (pthread_getattr_np(pthread_self(), &attr) == 0) {
        pthread_attr_getstacksize(&attr, &probe->seen_stack);
        pthread_attr_destroy(&attr);
    }
    return 7;
}

DWORD wait_for_release(LPVOID arg)
{
    Probe* probe = static_cast<Probe*>(arg);
    while (probe->release.load() == 0)
        Sleep(1);
    return 1;
}

TEST(PlatformThread, RunsOnTheSmallestAcceptedStackAndGivesItsResult)
{
    Probe probe;
    PlatformThread* thread = start_thread(report_stack, &probe, 8192);
    ASSERT_NE(thread, nullptr);
    const size_t size = thread_stack_size(thread);
    EXPECT_EQ(close_thread(thread), 7u);

    const size_t page = (size_t)sysconf(_SC_PAGESIZE);
    const size_t floor = (size_t)sysconf(_SC_THREAD_STACK_MIN);
    EXPECT_GE(size, 8192u);
    EXPECT_GE(size, floor);
    EXPECT_EQ(size % page, 0u);
    // Small, not the default of several megabytes.
    EXPECT_LE(size, 256u * 1024);
    // The thread really ran on a stack of that size (a sanitizer's run-time
    // enlarges small stacks for its own needs).
#if defined(__SANITIZE_THREAD__) || defined(__SANITIZE_ADDRESS__)
    EXPECT_GE(probe.seen_stack, size);
#else
    EXPECT_EQ(probe.seen_stack, size);
#endif
}

TEST(PlatformThread, LargerRequestsAreRoundedUpToWholePages)
{
    Probe probe;
    const size_t page = (size_t)sysconf(_SC_PAGESIZE);
    PlatformThread* thread = start_thread(report_stack, &probe, 64 * page + 1);
    ASSERT_NE(thread, nullptr);
    EXPECT_EQ(thread_stack_size(thread), 65 * page);
    close_thread(thread);
#if defined(__SANITIZE_THREAD__) || defined(__SANITIZE_ADDRESS__)
    EXPECT_GE(probe.seen_stack, 65 * page);
#else
    EXPECT_EQ(probe.seen_stack, 65 * page);
#endif
}

TEST(PlatformThread, EndIsPolledWithoutWaiting)
{
    Probe probe;
    PlatformThread* thread = start_thread(wait_for_release, &probe, 8192);
    ASSERT_NE(thread, nullptr);

    // The thread cannot end before its release: a call that waited for the
    // end would never come back here.
    EXPECT_FALSE(thread_ended(thread));
    EXPECT_FALSE(thread_ended(thread));

    probe.release.store(1);
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(10);
    while (!thread_ended(thread) && Clock::now() < deadline)
        Sleep(1);
    EXPECT_TRUE(thread_ended(thread));
    EXPECT_TRUE(thread_ended(thread));  // stays ended once joined
    EXPECT_EQ(close_thread(thread), 1u);
}

TEST(PlatformThread, SleepLastsAtLeastTheInterval)
{
    const Clock::time_point before = Clock::now();
    Sleep(30);
    EXPECT_GE(Clock::now() - before, std::chrono::milliseconds(30));
    Sleep(0);
}

}  // namespace
