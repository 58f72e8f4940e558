#pragma once

#include <cstddef>
#include <span>

#include "platform/global_memory.h"
#include "twain/item_size.h"
#include "twain/twain.h"

namespace z8 {

// Block sizes handed to the application. The enumeration and the array end
// with one spare byte after their item lists; applications may check a block's
// size, so these sizes are exact.
inline constexpr std::size_t kOneValueBlockSize = 6;
inline constexpr std::size_t kRangeBlockSize = 22;
inline constexpr std::size_t kEnumerationHeaderSize = 15;
inline constexpr std::size_t kArrayHeaderSize = 7;

// A TW_FIX32 as it sits in a 32-bit container field: Whole in the low half,
// Frac in the high half.
constexpr TW_UINT32 Fix32Bits(TW_FIX32 value) {
    return TW_UINT32{static_cast<TW_UINT16>(value.Whole)} | (TW_UINT32{value.Frac} << 16);
}
constexpr TW_FIX32 Fix32FromBits(TW_UINT32 bits) {
    return TW_FIX32{static_cast<TW_INT16>(bits & 0xFFFF), static_cast<TW_UINT16>(bits >> 16)};
}

// Items of an enumeration or an array: their type and their bytes, one item
// after the other with ItemSize(itemType) bytes each.
struct ItemList {
    TW_UINT16 itemType = TWTY_UINT16;
    std::span<const std::byte> bytes;
};
ItemList UInt16Items(std::span<const TW_UINT16> items);
ItemList Fix32Items(std::span<const TW_FIX32> items);

struct RangeValues {
    TW_UINT16 itemType = TWTY_FIX32;
    TW_UINT32 minValue = 0;
    TW_UINT32 maxValue = 0;
    TW_UINT32 stepSize = 0;
    TW_UINT32 defaultValue = 0;
    TW_UINT32 currentValue = 0;
};

// Each builder allocates a new moveable block for the answer and stores it in
// hContainer (what hContainer held before belongs to the application and is
// left alone), sets ConType and fills the block. When the block cannot be had,
// hContainer is null, ConType is unchanged and the answer is TWCC_LOWMEMORY;
// otherwise TWCC_SUCCESS. The application frees the block.
TW_UINT16 BuildOneValue(GlobalMemory& memory, TW_CAPABILITY& capability, TW_UINT16 itemType,
                        TW_UINT32 item);
TW_UINT16 BuildRange(GlobalMemory& memory, TW_CAPABILITY& capability, const RangeValues& range);
TW_UINT16 BuildEnumeration(GlobalMemory& memory, TW_CAPABILITY& capability, const ItemList& items,
                           TW_UINT32 currentIndex, TW_UINT32 defaultIndex);
TW_UINT16 BuildArray(GlobalMemory& memory, TW_CAPABILITY& capability, const ItemList& items);

// Reads the Item of the application's MSG_SET container, which must be a
// TW_ONEVALUE of itemType: TWCC_BADVALUE for another container type, a null
// or unlockable handle, another item type, or a block too small to hold the
// item. Values narrower than 32 bits come back in the low bits. The
// container stays the application's.
TW_UINT16 ReadOneValue(GlobalMemory& memory, const TW_CAPABILITY& capability, TW_UINT16 itemType,
                       TW_UINT32& item);

}  // namespace z8
