#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "datasource/data_source.h"
#include "platform/global_memory_table.h"
#include "tests/unit/datasource/fake_source_ui.h"
#include "tests/unit/scanning/session_rig.h"
#include "twain/fix32.h"

namespace z8::test {

// A container as an application reads it, decoded from the block's bytes by
// the TWAIN layouts (not by the source's own code).
struct Container {
    TW_UINT16 conType = 0;
    size_t blockSize = 0;
    TW_UINT16 itemType = 0;
    TW_UINT32 item = 0;  // one value
    TW_UINT32 minValue = 0, maxValue = 0, stepSize = 0, defaultValue = 0, currentValue = 0;
    TW_UINT32 numItems = 0, currentIndex = 0, defaultIndex = 0;
    std::vector<TW_UINT32> items;  // enumeration and array items, widened
};

struct Answer {
    TW_UINT16 rc = 0;
    TW_UINT16 cc = 0;         // from DAT_STATUS after a failure
    TW_CAPABILITY request{};  // as the source left it
    // Copied out of the packed record, where the handle may be misaligned.
    GlobalHandle handle = nullptr;
    TW_UINT16 conType = 0;
};

inline TW_UINT32 ReadU32(const uint8_t* p) {
    return TW_UINT32{p[0]} | TW_UINT32{p[1]} << 8 | TW_UINT32{p[2]} << 16 | TW_UINT32{p[3]} << 24;
}
inline TW_UINT16 ReadU16(const uint8_t* p) {
    return static_cast<TW_UINT16>(p[0] | p[1] << 8);
}

inline size_t TestItemSize(TW_UINT16 type) {
    switch (type) {
        case TWTY_INT8:
        case TWTY_UINT8:
            return 1;
        case TWTY_INT16:
        case TWTY_UINT16:
        case TWTY_BOOL:
            return 2;
        default:
            return 4;
    }
}

inline TW_FIX32 FixOf(TW_UINT32 bits) {
    return TW_FIX32{static_cast<TW_INT16>(bits & 0xFFFF), static_cast<TW_UINT16>(bits >> 16)};
}
inline TW_UINT32 BitsOf(TW_FIX32 value) {
    return static_cast<TW_UINT16>(value.Whole) | TW_UINT32{value.Frac} << 16;
}

// An application with the source open: asks, sets and decodes containers,
// and frees every block it receives, checking that the source left it
// unlocked and exactly as large as its contents.
class CapabilityClient : public ::testing::Test {
protected:
    CapabilityClient() : source(rig.session, ui, manager, memory) {
        rig.session.Settings().SetFeederSupport(4);
        rig.session.Settings().SetFlatbedSupport(1);
        rig.session.Settings().SetDocumentSource(kSourceFlatbed);
        app.Id = 41;
        Open();
    }

    void Open() {
        TW_IDENTITY assigned{};
        assigned.Id = 7;
        ASSERT_EQ(source.Entry(&app, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &assigned),
                  TWRC_SUCCESS);
    }

    TW_UINT16 Status() {
        TW_STATUS status{};
        EXPECT_EQ(source.Entry(&app, DG_CONTROL, DAT_STATUS, MSG_GET, &status), TWRC_SUCCESS);
        return status.ConditionCode;
    }

    Answer Send(TW_UINT16 msg, TW_CAPABILITY request) {
        Answer answer;
        answer.rc = source.Entry(&app, DG_CONTROL, DAT_CAPABILITY, msg, &request);
        answer.request = request;
        answer.handle = request.hContainer;
        answer.conType = request.ConType;
        answer.cc = answer.rc == TWRC_SUCCESS ? TWCC_SUCCESS : Status();
        return answer;
    }

    // A get-type message with no container of the application's own.
    Answer Ask(TW_UINT16 cap, TW_UINT16 msg) {
        return Send(msg, TW_CAPABILITY{cap, TWON_DONTCARE16, nullptr});
    }

    // Decodes and frees the container of a successful answer.
    Container Take(const Answer& answer) {
        Container c;
        EXPECT_EQ(answer.rc, TWRC_SUCCESS) << "cc " << answer.cc;
        const GlobalHandle block = answer.handle;
        if (answer.rc != TWRC_SUCCESS || block == nullptr) {
            ADD_FAILURE() << "no container";
            return c;
        }
        EXPECT_EQ(memory.LockCount(block), 0u) << "container left locked";
        c.conType = answer.conType;
        c.blockSize = memory.Size(block);
        const auto* p = static_cast<const uint8_t*>(memory.Lock(block));
        c.itemType = ReadU16(p);
        size_t expectedSize = 0;
        switch (c.conType) {
            case TWON_ONEVALUE:
                c.item = ReadU32(p + 2);
                expectedSize = 6;
                break;
            case TWON_RANGE:
                c.minValue = ReadU32(p + 2);
                c.maxValue = ReadU32(p + 6);
                c.stepSize = ReadU32(p + 10);
                c.defaultValue = ReadU32(p + 14);
                c.currentValue = ReadU32(p + 18);
                expectedSize = 22;
                break;
            case TWON_ENUMERATION:
                c.numItems = ReadU32(p + 2);
                c.currentIndex = ReadU32(p + 6);
                c.defaultIndex = ReadU32(p + 10);
                expectedSize = 15 + c.numItems * TestItemSize(c.itemType);
                ReadItems(c, p + 14);
                break;
            case TWON_ARRAY:
                c.numItems = ReadU32(p + 2);
                expectedSize = 7 + c.numItems * TestItemSize(c.itemType);
                ReadItems(c, p + 6);
                break;
            default:
                ADD_FAILURE() << "container type " << c.conType;
        }
        EXPECT_EQ(c.blockSize, expectedSize);
        memory.Unlock(block);
        memory.Free(block);
        return c;
    }

    Container Get(TW_UINT16 cap, TW_UINT16 msg = MSG_GET) { return Take(Ask(cap, msg)); }

    // MSG_SET with a one-value block of the application's own, which must
    // come back alive, unlocked and in place; frees it afterwards.
    Answer SetWith(TW_UINT16 cap, TW_UINT16 itemType, TW_UINT32 item,
                   TW_UINT16 conType = TWON_ONEVALUE, size_t blockSize = 6) {
        const GlobalHandle block = memory.Allocate(blockSize);
        auto* p = static_cast<uint8_t*>(memory.Lock(block));
        const uint8_t bytes[6] = {
            static_cast<uint8_t>(itemType),   static_cast<uint8_t>(itemType >> 8),
            static_cast<uint8_t>(item),       static_cast<uint8_t>(item >> 8),
            static_cast<uint8_t>(item >> 16), static_cast<uint8_t>(item >> 24)};
        std::memcpy(p, bytes, blockSize < 6 ? blockSize : 6);
        memory.Unlock(block);
        const Answer answer = Send(MSG_SET, TW_CAPABILITY{cap, conType, block});
        EXPECT_EQ(answer.handle, block);
        EXPECT_EQ(answer.conType, conType);
        EXPECT_EQ(memory.Size(block), blockSize) << "the application's container was freed";
        EXPECT_EQ(memory.LockCount(block), 0u);
        memory.Free(block);
        return answer;
    }
    Answer SetFix(TW_UINT16 cap, float value) {
        return SetWith(cap, TWTY_FIX32, BitsOf(FloatToFix32(value)));
    }

    void TearDown() override { EXPECT_EQ(memory.LiveBlocks(), 0u) << "blocks left behind"; }

    AbsentSerialDevice port;
    SessionRig rig{port};
    FakeSourceUi ui;
    FakeManager manager;
    GlobalMemoryTable memory;
    DataSource source;
    TW_IDENTITY app{};

private:
    static void ReadItems(Container& c, const uint8_t* p) {
        const size_t size = TestItemSize(c.itemType);
        for (TW_UINT32 i = 0; i < c.numItems; ++i, p += size) {
            c.items.push_back(size == 1 ? p[0] : size == 2 ? ReadU16(p) : ReadU32(p));
        }
    }
};

}  // namespace z8::test
