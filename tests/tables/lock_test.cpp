#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "tables/dbf_error.h"
#include "tables/dbf_table.h"
#include "temp_folder.h"

namespace trb::tables {
namespace {

using test_support::TempFolder;

// A forked process that runs `work` when told to and answers with the character `work` returns
// ('x' when it threw). The parent tells it with Go and reads the answer with Answer.
class Helper {
  public:
    explicit Helper(const std::function<char()>& work) {
        if (::pipe(toChild_) != 0 || ::pipe(toParent_) != 0) throw std::runtime_error("pipe");
        pid_ = ::fork();
        if (pid_ < 0) throw std::runtime_error("fork");
        if (pid_ == 0) {
            char go = 0;
            char answer = 'x';
            if (::read(toChild_[0], &go, 1) == 1) {
                try {
                    answer = work();
                } catch (...) {
                    answer = 'x';
                }
            }
            (void)!::write(toParent_[1], &answer, 1);
            ::_exit(0);
        }
    }
    ~Helper() {
        ::close(toChild_[1]);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        for (int fd : {toChild_[0], toParent_[0], toParent_[1]}) ::close(fd);
    }
    void Go() { (void)!::write(toChild_[1], "g", 1); }
    // The answer, or 0 when none came within `wait`.
    char Answer(std::chrono::milliseconds wait = std::chrono::milliseconds(20000)) {
        pollfd ready{toParent_[0], POLLIN, 0};
        if (::poll(&ready, 1, static_cast<int>(wait.count())) != 1) return 0;
        char answer = 0;
        return ::read(toParent_[0], &answer, 1) == 1 ? answer : 0;
    }

  private:
    int toChild_[2]{};
    int toParent_[2]{};
    pid_t pid_ = -1;
};

// Long enough for a process that is not held back to have done its small write many times over.
constexpr std::chrono::milliseconds kUnhindered(400);

std::filesystem::path TableOfNumbers(const TempFolder& folder, int records) {
    const auto path = folder / "numbers.dbf";
    DbfTable::Create(path, {{"A", 'N', 6, 0}, {"B", 'N', 6, 0}});
    DbfTable t;
    t.Open(path);
    for (int i = 1; i <= records; ++i) {
        t.Insert();
        t.SetFieldNumber(1, i);
        t.SetFieldNumber(2, i);
        t.Post();
    }
    return path;
}

// Two processes append to one table at the same time under the append lock; every record of both
// must arrive, none twice.
TEST(LockTest, ConcurrentAppendsUnderTheAppendLockLoseNothing) {
    TempFolder folder;
    const auto path = folder / "shared.dbf";
    DbfTable::Create(path, {{"WHO", 'C', 1, 0}, {"SEQ", 'N', 6, 0}});
    constexpr int kPerProcess = 300;

    std::vector<pid_t> children;
    for (char who : {'a', 'b'}) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int status = 0;
            try {
                DbfTable t;
                t.Open(path);
                for (int i = 0; i < kPerProcess; ++i) {
                    if (!t.ALock()) {
                        status = 2;
                        break;
                    }
                    t.SetFieldText(1, std::string(1, who));
                    t.SetFieldNumber(2, i);
                    t.AppendRec();
                    t.UnLock();
                }
            } catch (...) {
                status = 3;
            }
            ::_exit(status);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }

    DbfTable t;
    t.Open(path);
    ASSERT_EQ(t.RecordCount(), 2 * kPerProcess);
    std::set<std::string> seen;
    for (int r = 1; r <= t.RecordCount(); ++r) seen.insert(t.Peek(r, 1) + t.Peek(r, 2));
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(2 * kPerProcess));
}

// Two processes edit different fields of the same records and append at the same time: each
// posted edit writes only its own field into the record as stored, so no edit of the other
// process is overwritten and no record is lost.
TEST(LockTest, ConcurrentEditsOfOneRecordKeepBothChanges) {
    TempFolder folder;
    const auto path = folder / "shared.dbf";
    DbfTable::Create(path, {{"A", 'N', 6, 0}, {"B", 'N', 6, 0}, {"WHO", 'C', 1, 0}});
    constexpr int kRecords = 40, kRounds = 5;
    {
        DbfTable t;
        t.Open(path);
        for (int i = 0; i < kRecords; ++i) {
            t.Insert();
            t.SetFieldText(3, "-");
            t.Post();
        }
    }
    std::vector<pid_t> children;
    for (int field : {1, 2}) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int status = 0;
            try {
                DbfTable t;
                t.Open(path);
                for (int round = 1; round <= kRounds; ++round) {
                    for (int r = 1; r <= kRecords; ++r) {
                        t.Go(r);
                        t.SetFieldNumber(field, round * 1000 + r);
                        t.Post();
                    }
                    t.Insert();
                    t.SetFieldText(3, field == 1 ? "a" : "b");
                    t.Post();
                }
            } catch (...) {
                status = 3;
            }
            ::_exit(status);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
    DbfTable t;
    t.Open(path);
    ASSERT_EQ(t.RecordCount(), kRecords + 2 * kRounds);
    for (int r = 1; r <= kRecords; ++r) {
        EXPECT_EQ(t.Peek(r, 1), std::string(std::to_string(kRounds * 1000 + r)).insert(0, 2, ' ')) << r;
        EXPECT_EQ(t.Peek(r, 2), std::string(std::to_string(kRounds * 1000 + r)).insert(0, 2, ' ')) << r;
    }
    int a = 0, b = 0;
    for (int r = kRecords + 1; r <= t.RecordCount(); ++r) (t.Peek(r, 3) == "a" ? a : b)++;
    EXPECT_EQ(a, kRounds);
    EXPECT_EQ(b, kRounds);
}

// Packing renumbers records; while another process has the table open it is refused.
TEST(LockTest, PackNeedsTheTableToItself) {
    TempFolder folder;
    const auto path = folder / "t.dbf";
    DbfTable::Create(path, {{"A", 'C', 1, 0}});
    {
        DbfTable t;
        t.Open(path);
        for (const char* a : {"x", "y"}) {
            t.Insert();
            t.SetFieldText(1, a);
            t.Post();
        }
        t.Go(1);
        t.Delete();
    }
    int toChild[2], toParent[2];
    ASSERT_EQ(::pipe(toChild), 0);
    ASSERT_EQ(::pipe(toParent), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        {
            DbfTable t;
            t.Open(path);
            (void)!::write(toParent[1], "o", 1);
            char go;
            (void)!::read(toChild[0], &go, 1);
        }
        (void)!::write(toParent[1], "c", 1);
        ::_exit(0);
    }
    char reply = 0;
    ASSERT_EQ(::read(toParent[0], &reply, 1), 1);
    DbfTable t;
    t.Open(path);
    try {
        t.Pack();
        ADD_FAILURE() << "packed while another process has the table open";
    } catch (const DbfError& e) {
        EXPECT_EQ(e.Code(), DbfErrorCode::ExclusiveRequired);
    }
    EXPECT_EQ(t.RecordCount(), 2);
    (void)!::write(toChild[1], "g", 1);
    ASSERT_EQ(::read(toParent[0], &reply, 1), 1);
    t.Pack();
    EXPECT_EQ(t.RecordCount(), 1);
    EXPECT_EQ(t.Peek(1, 1), "y");
    int status = 0;
    ::waitpid(pid, &status, 0);
}

// A lock held by another process is refused once the patience runs out, and granted after release.
TEST(LockTest, LocksHeldElsewhereAreRefused) {
    TempFolder folder;
    const auto path = folder / "t.dbf";
    DbfTable::Create(path, {{"A", 'C', 1, 0}});
    int toChild[2], toParent[2];
    ASSERT_EQ(::pipe(toChild), 0);
    ASSERT_EQ(::pipe(toParent), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        DbfTable t;
        t.Open(path);
        const char ok = t.FLock() ? 'y' : 'n';
        (void)!::write(toParent[1], &ok, 1);
        char go;
        (void)!::read(toChild[0], &go, 1);
        t.UnLock();
        (void)!::write(toParent[1], &ok, 1);
        char done;
        (void)!::read(toChild[0], &done, 1);
        ::_exit(0);
    }
    char reply = 0;
    ASSERT_EQ(::read(toParent[0], &reply, 1), 1);
    ASSERT_EQ(reply, 'y');
    DbfTable t;
    t.Open(path);
    t.SetLockPatience(std::chrono::milliseconds(50));
    EXPECT_FALSE(t.ALock());
    EXPECT_FALSE(t.FLock());
    EXPECT_THROW(t.Pack(), std::exception);  // needs the table to itself
    (void)!::write(toChild[1], "g", 1);
    ASSERT_EQ(::read(toParent[0], &reply, 1), 1);
    EXPECT_TRUE(t.ALock());
    t.UnLock();
    (void)!::write(toChild[1], "d", 1);
    int status = 0;
    ::waitpid(pid, &status, 0);
}

// The record lock is held from reading the stored record to writing it back: an edit of the same
// record by another process, started inside that window, waits until the write is done, and both
// changes are kept.
TEST(LockTest, AnEditOfTheSameRecordElsewhereWaitsForThePostedEdit) {
    TempFolder folder;
    const auto path = TableOfNumbers(folder, 3);
    Helper other([&] {
        DbfTable t;
        t.SetLockPatience(std::chrono::milliseconds(20000));
        t.Open(path);
        t.Go(2);
        t.SetFieldNumber(2, 222);
        t.Post();
        return 'p';
    });
    DbfTable t;
    t.Open(path);
    t.Go(2);
    t.SetFieldNumber(1, 111);
    char inside = 1;
    t.SetLockedWriteHook([&] {
        other.Go();
        inside = other.Answer(kUnhindered);
    });
    t.Post();
    t.SetLockedWriteHook({});
    EXPECT_EQ(inside, 0) << "the other edit was written while the record lock was held";
    EXPECT_EQ(other.Answer(), 'p');
    DbfTable check;
    check.Open(path);
    EXPECT_EQ(check.Peek(2, 1), "   111");
    EXPECT_EQ(check.Peek(2, 2), "   222");
    EXPECT_EQ(check.Peek(1, 2), "     1");
}

// An opening during a pack waits for the pack to end and then sees the packed table; one whose
// patience runs out first is refused instead of working on records that are being renumbered.
TEST(LockTest, OpeningDuringAPackWaitsOrIsRefused) {
    TempFolder folder;
    const auto path = TableOfNumbers(folder, 4);
    auto opener = [&](std::chrono::milliseconds patience) {
        return [&path, patience] {
            DbfTable t;
            t.SetLockPatience(patience);
            try {
                t.Open(path);
            } catch (const DbfError& e) {
                return e.Code() == DbfErrorCode::AlreadyInUse ? 'r' : 'e';
            }
            return static_cast<char>('0' + t.RecordCount());
        };
    };
    Helper impatient(opener(std::chrono::milliseconds(50)));
    Helper patient(opener(std::chrono::milliseconds(20000)));
    DbfTable t;
    t.Open(path);
    t.Go(1);
    t.Delete();
    t.Go(3);
    t.Delete();
    char refused = 0, early = 1;
    t.SetLockedWriteHook([&] {
        impatient.Go();
        refused = impatient.Answer();
        patient.Go();
        early = patient.Answer(kUnhindered);
    });
    t.Pack();
    EXPECT_EQ(refused, 'r');
    EXPECT_EQ(early, 0) << "opened while the pack was running";
    EXPECT_EQ(patient.Answer(), '2');
    EXPECT_EQ(t.RecordCount(), 2);
}

// Each opening owns its locks: closing a second opening of the table in this process keeps the
// append lock and the presence of the first, so another process can neither append nor pack.
TEST(LockTest, ClosingOneOpeningKeepsTheLocksOfAnother) {
    TempFolder folder;
    const auto path = TableOfNumbers(folder, 2);
    DbfTable first;
    first.Open(path);
    ASSERT_TRUE(first.ALock());
    {
        DbfTable second;
        second.Open(path);
        EXPECT_EQ(second.RecordCount(), 2);
    }
    Helper other([&] {
        DbfTable t;
        t.SetLockPatience(std::chrono::milliseconds(50));
        t.Open(path);
        if (t.ALock()) return 'a';
        try {
            t.Pack();
        } catch (const DbfError& e) {
            return e.Code() == DbfErrorCode::ExclusiveRequired ? 'k' : 'e';
        }
        return 'p';
    });
    other.Go();
    EXPECT_EQ(other.Answer(), 'k');
    first.UnLock();
}

// Two openings in one process exclude each other as two processes would.
TEST(LockTest, TwoOpeningsInOneProcessExcludeEachOther) {
    TempFolder folder;
    const auto path = TableOfNumbers(folder, 2);
    DbfTable first, second;
    first.Open(path);
    second.Open(path);
    second.SetLockPatience(std::chrono::milliseconds(20));
    ASSERT_TRUE(first.ALock());
    EXPECT_FALSE(second.ALock());
    EXPECT_THROW(second.Pack(), DbfError);
    first.UnLock();
    first.Close();
    EXPECT_TRUE(second.ALock());
    second.UnLock();
}

}  // namespace
}  // namespace trb::tables
