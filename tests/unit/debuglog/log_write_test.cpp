#include <gtest/gtest.h>

#include <string>

#include "debuglog/debug.h"
#include "debuglog/log_write.h"
#include "tests/unit/debuglog/test_support.h"

namespace z8 {
namespace {

using test::LogStateGuard;
using test::RecordingSink;

// Names taken before the test: Create reports them as existing. The tick
// count advances by one per read; sleeps are counted, never slept.
class FakeMutexes final : public MutexSystem, public Clock {
public:
    class Mutex final : public NamedMutex {
    public:
        explicit Mutex(FakeMutexes& owner) : owner_(owner) {}
        void Lock() override { ++owner_.locks; }
        void Unlock() override { ++owner_.unlocks; }

    private:
        FakeMutexes& owner_;
    };

    Created Create(const std::string& name) override {
        names.push_back(name);
        Created created;
        if (collisionsLeft > 0) {
            --collisionsLeft;
            created.alreadyExisted = true;
        } else if (!failing) {
            created.mutex = std::make_unique<Mutex>(*this);
        }
        return created;
    }
    uint32_t TickCount() override { return tick++; }
    void Sleep(uint32_t milliseconds) override { sleeps.push_back(milliseconds); }

    int collisionsLeft = 0;
    bool failing = false;
    uint32_t tick = 1000;
    std::vector<std::string> names;
    std::vector<uint32_t> sleeps;
    int locks = 0;
    int unlocks = 0;
};

TEST(MutexNames, EmbedTheTickCountAndTheInstanceNumber) {
    EXPECT_EQ(DebugMutexName(123456, 7), "_123456_Mutex_CDebug_Nb_7__");
    EXPECT_EQ(FilterArrayMutexName(99, 2), "_99_Mutex__CDebugFilterArray__Nb_2__");
    // The tick count is printed as a signed number, as the system's %d does.
    EXPECT_EQ(DebugMutexName(0xFFFFFFFFu, 1), "_-1_Mutex_CDebug_Nb_1__");
}

TEST(MutexCreation, RetriesNewNamesAfterCollisions) {
    FakeMutexes mutexes;
    mutexes.collisionsLeft = 3;
    auto mutex = CreateUniqueMutex(mutexes, mutexes, DebugMutexName, 5);
    ASSERT_NE(mutex, nullptr);
    EXPECT_EQ(mutexes.names,
              (std::vector<std::string>{"_1000_Mutex_CDebug_Nb_5__", "_1001_Mutex_CDebug_Nb_5__",
                                        "_1002_Mutex_CDebug_Nb_5__", "_1003_Mutex_CDebug_Nb_5__"}));
    EXPECT_EQ(mutexes.sleeps, (std::vector<uint32_t>{10, 10, 10}));
}

TEST(MutexCreation, GivesUpAfter500CollisionsOrAFailure) {
    FakeMutexes colliding;
    colliding.collisionsLeft = 1000;
    EXPECT_EQ(CreateUniqueMutex(colliding, colliding, DebugMutexName, 1), nullptr);
    EXPECT_EQ(colliding.names.size(), 500u);

    FakeMutexes failing;
    failing.failing = true;
    EXPECT_EQ(CreateUniqueMutex(failing, failing, DebugMutexName, 1), nullptr);
    EXPECT_EQ(failing.names.size(), 1u);
    EXPECT_TRUE(failing.sleeps.empty());
}

TEST(MutexCreation, EachSinkCountsAndTakesItsMutexPerLine) {
    LogStateGuard state;
    FakeMutexes mutexes;
    const int before = DebugInstanceCount();
    RecordingSink sink(mutexes, mutexes);
    EXPECT_EQ(DebugInstanceCount(), before + 1);
    EXPECT_EQ(mutexes.names.back(), DebugMutexName(1000, before + 1));

    SetLogLevel(1);
    EXPECT_TRUE(LogWrite(&sink, WNG, "kept"));
    EXPECT_TRUE(LogWrite(&sink, DBG, "filtered"));
    // The level is tested under the mutex: both calls lock and unlock.
    EXPECT_EQ(mutexes.locks, 2);
    EXPECT_EQ(mutexes.unlocks, 2);
    EXPECT_EQ(sink.lines.size(), 1u);
}

TEST(MutexCreation, ASinkWithoutAMutexRetriesAndStillWrites) {
    FakeMutexes mutexes;
    mutexes.failing = true;
    RecordingSink sink(mutexes, mutexes);
    EXPECT_EQ(mutexes.names.size(), 1u);

    EXPECT_TRUE(LogWrite(&sink, ERR, "unlocked"));
    EXPECT_EQ(mutexes.names.size(), 2u);
    ASSERT_EQ(sink.lines.size(), 1u);

    mutexes.failing = false;
    EXPECT_TRUE(LogWrite(&sink, ERR, "locked"));
    EXPECT_EQ(mutexes.names.size(), 3u);
    EXPECT_EQ(mutexes.locks, 1);
    EXPECT_TRUE(LogWrite(&sink, ERR, "same mutex"));
    EXPECT_EQ(mutexes.names.size(), 3u);
    EXPECT_EQ(sink.lines.size(), 3u);
}

TEST(LogLevel, AcceptsZeroOneThreeAndFourOnly) {
    LogStateGuard state;
    ASSERT_TRUE(SetLogLevel(3));
    EXPECT_FALSE(SetLogLevel(2));
    EXPECT_FALSE(SetLogLevel(5));
    EXPECT_FALSE(SetLogLevel(-1));
    EXPECT_EQ(GetLogLevel(), 3);
    for (int level : {0, 1, 4}) {
        EXPECT_TRUE(SetLogLevel(level));
        EXPECT_EQ(GetLogLevel(), level);
    }
}

TEST(LogLevel, FiltersBySeverity) {
    LogStateGuard state;
    RecordingSink sink;
    sink.result = false;

    SetLogLevel(1);
    // Filtered lines give true whatever the sink would say.
    EXPECT_TRUE(LogWrite(&sink, LOG, "notable"));
    EXPECT_TRUE(LogTrace(&sink, "trace"));
    EXPECT_FALSE(LogWrite(&sink, WNG, "warning"));
    EXPECT_FALSE(LogWrite(&sink, ERR, "error"));

    SetLogLevel(3);
    EXPECT_FALSE(LogTrace(&sink, "trace %d", 3));
    SetLogLevel(4);
    EXPECT_FALSE(LogTrace(&sink, "trace %d", 4));

    const std::vector<std::pair<int, std::string>> expected = {
        {WNG, "warning"}, {ERR, "error"}, {DBG, "trace 3"}, {DBG, "trace 4"}};
    EXPECT_EQ(sink.lines, expected);
}

TEST(LogWrite, FormatsOneBoundedLine) {
    LogStateGuard state;
    SetLogLevel(4);
    RecordingSink sink;
    EXPECT_TRUE(LogWrite(nullptr, ERR, "nobody"));

    LogWrite(&sink, LOG, "a\nb\r\nc %s|%d", "x\ny", 42);
    LogWrite(&sink, DBG, "%s", std::string(3000, 'z').c_str());
    LogWriteText(&sink, DBG, "100% verbatim %s\n");
    LogWriteText(&sink, DBG, std::string(2000, 'v'));

    ASSERT_EQ(sink.lines.size(), 4u);
    EXPECT_EQ(sink.lines[0].second, "a b  c x y|42");
    EXPECT_EQ(sink.lines[1].second, std::string(1023, 'z'));
    EXPECT_EQ(sink.lines[2].second, "100% verbatim %s ");
    EXPECT_EQ(sink.lines[3].second, std::string(1023, 'v'));
}

TEST(CurrentLog, IsNeverNull) {
    LogStateGuard state;
    CDebug* initial = GetCurrentLog();
    ASSERT_NE(initial, nullptr);
    EXPECT_TRUE(LogWrite(initial, ERR, "goes nowhere"));
    EXPECT_FALSE(SetCurrentLog(nullptr));
    EXPECT_EQ(GetCurrentLog(), initial);

    RecordingSink sink;
    EXPECT_TRUE(SetCurrentLog(&sink));
    LogTrace(GetCurrentLog(), "here");
    EXPECT_EQ(sink.lines.size(), 1u);
}

}  // namespace
}  // namespace z8
