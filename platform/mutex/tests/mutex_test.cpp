#include <gtest/gtest.h>

#include <signal.h>

#include <thread>

#include <platform/mutex.h>
#include <testsupport/child_process.h>

namespace {

class NamedMutex : public ::testing::Test {
protected:
    PrivateSession session_;
};

TEST_F(NamedMutex, SecondProcessSeesItExistAndExitsWithOne)
{
    ChildProcess first({MUTEX_PROBE, "Parvell"});
    ASSERT_EQ(first.read_line(), "owned");
    EXPECT_EQ(run_program({MUTEX_PROBE, "Parvell"}), 1);
    EXPECT_EQ(run_program({MUTEX_PROBE, "Dunmere"}), 0);  // names are distinct objects
    first.close_input();
    EXPECT_EQ(first.wait(), 0);
    EXPECT_EQ(run_program({MUTEX_PROBE, "Parvell"}), 0);  // gone with its process
}

TEST_F(NamedMutex, NothingStaleAfterTheHolderCrashes)
{
    ChildProcess first({MUTEX_PROBE, "Parvell"});
    ASSERT_EQ(first.read_line(), "owned");
    first.kill(SIGKILL);
    EXPECT_EQ(first.wait(), 128 + SIGKILL);
    ChildProcess second({MUTEX_PROBE, "Parvell"});
    EXPECT_EQ(second.read_line(), "owned");
}

TEST_F(NamedMutex, HeldByThisProcessAnotherProcessCannotTakeIt)
{
    HANDLE mine = CreateMutexA(nullptr, TRUE, "held-here");
    ASSERT_NE(mine, nullptr);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_SUCCESS);
    EXPECT_EQ(run_program({MUTEX_PROBE, "held-here"}), 1);
    // Released but still open: the object still exists, as the process runs.
    EXPECT_TRUE(ReleaseMutex(mine));
    EXPECT_EQ(run_program({MUTEX_PROBE, "held-here"}), 1);
}

TEST_F(NamedMutex, SameNameAgainInThisProcessAlreadyExists)
{
    HANDLE first = CreateMutexA(nullptr, TRUE, "twice");
    ASSERT_EQ(GetLastError(), (DWORD)ERROR_SUCCESS);
    HANDLE second = CreateMutexA(nullptr, TRUE, "twice");
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_ALREADY_EXISTS);
    EXPECT_EQ(second, first);
    EXPECT_TRUE(ReleaseMutex(first));
    EXPECT_FALSE(ReleaseMutex(first));  // the second call gave no ownership
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_NOT_OWNER);
}

TEST_F(NamedMutex, ShiftJisNamesAreTheirOwnObjects)
{
    ChildProcess holder({MUTEX_PROBE, "ゴム製品"});
    ASSERT_EQ(holder.read_line(), "owned");
    EXPECT_EQ(run_program({MUTEX_PROBE, "ゴム製品"}), 1);
    EXPECT_EQ(run_program({MUTEX_PROBE, "ゴム製"}), 0);
}

TEST_F(NamedMutex, OwnershipBelongsToTheCreatingThread)
{
    HANDLE mutex = CreateMutexA(nullptr, TRUE, nullptr);  // unnamed
    ASSERT_NE(mutex, nullptr);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_SUCCESS);
    BOOL released_elsewhere = TRUE;
    DWORD error_elsewhere = 0;
    std::thread other([&] {
        released_elsewhere = ReleaseMutex(mutex);
        error_elsewhere = GetLastError();
    });
    other.join();
    EXPECT_FALSE(released_elsewhere);
    EXPECT_EQ(error_elsewhere, (DWORD)ERROR_NOT_OWNER);
    EXPECT_TRUE(ReleaseMutex(mutex));

    HANDLE not_owned = CreateMutexA(nullptr, FALSE, "not-owned");
    EXPECT_FALSE(ReleaseMutex(not_owned));
    int not_a_mutex = 0;
    EXPECT_FALSE(ReleaseMutex(&not_a_mutex));
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_INVALID_HANDLE);
}

// Without a usable runtime folder every process of the user falls back to the
// same private folder, so a second instance still sees the first.
TEST_F(NamedMutex, UnusableRuntimeFolderFallsBackAndOnlyNoFolderAtAllFails)
{
    TempFolder temp;
    setenv("TMPDIR", temp.path().c_str(), 1);
    setenv("XDG_RUNTIME_DIR", "/proc/velmora-no-such-folder", 1);
    ChildProcess first({MUTEX_PROBE, "Parvell"});
    EXPECT_EQ(first.read_line(), "owned");
    EXPECT_EQ(run_program({MUTEX_PROBE, "Parvell"}), 1);
    first.close_input();
    EXPECT_EQ(first.wait(), 0);

    setenv("TMPDIR", "/proc/velmora-no-such-folder", 1);
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(CreateMutexA(nullptr, TRUE, "nowhere"), nullptr);
    EXPECT_NE(GetLastError(), (DWORD)ERROR_SUCCESS);
    EXPECT_NE(GetLastError(), (DWORD)ERROR_ALREADY_EXISTS);
    unsetenv("TMPDIR");
    setenv("XDG_RUNTIME_DIR", session_.path().c_str(), 1);
}

}  // namespace
