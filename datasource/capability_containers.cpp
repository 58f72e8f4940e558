#include "datasource/capability_containers.h"

#include <cstddef>
#include <cstring>

namespace z8 {
namespace {

constexpr std::size_t kEnumerationItemsOffset = offsetof(TW_ENUMERATION, ItemList);
constexpr std::size_t kArrayItemsOffset = offsetof(TW_ARRAY, ItemList);
static_assert(kEnumerationItemsOffset < kEnumerationHeaderSize);
static_assert(kArrayItemsOffset < kArrayHeaderSize);
static_assert(sizeof(TW_ONEVALUE) == kOneValueBlockSize);
static_assert(sizeof(TW_RANGE) == kRangeBlockSize);

TW_UINT32 ItemCount(const ItemList& items) {
    const std::size_t size = ItemSize(items.itemType);
    return size == 0 ? 0 : static_cast<TW_UINT32>(items.bytes.size() / size);
}

// Allocates the answer's block into hContainer and hands it out locked; null
// (and hContainer null) when it cannot be had.
std::byte* NewBlock(GlobalMemory& memory, TW_CAPABILITY& capability, TW_UINT16 conType,
                    std::size_t size) {
    const GlobalHandle block = memory.Allocate(size);
    capability.hContainer = block;
    if (block == nullptr) return nullptr;
    auto* data = static_cast<std::byte*>(memory.Lock(block));
    if (data == nullptr) {
        memory.Free(block);
        capability.hContainer = nullptr;
        return nullptr;
    }
    capability.ConType = conType;
    return data;
}

TW_UINT16 Finish(GlobalMemory& memory, const TW_CAPABILITY& capability) {
    memory.Unlock(capability.hContainer);
    return TWCC_SUCCESS;
}

}  // namespace

ItemList UInt16Items(std::span<const TW_UINT16> items) {
    return ItemList{TWTY_UINT16, std::as_bytes(items)};
}

ItemList Fix32Items(std::span<const TW_FIX32> items) {
    static_assert(sizeof(TW_FIX32) == 4);
    return ItemList{TWTY_FIX32, std::as_bytes(items)};
}

TW_UINT16 BuildOneValue(GlobalMemory& memory, TW_CAPABILITY& capability, TW_UINT16 itemType,
                        TW_UINT32 item) {
    std::byte* data = NewBlock(memory, capability, TWON_ONEVALUE, kOneValueBlockSize);
    if (data == nullptr) return TWCC_LOWMEMORY;
    TW_ONEVALUE header{};
    header.ItemType = itemType;
    header.Item = item;
    std::memcpy(data, &header, sizeof header);
    return Finish(memory, capability);
}

TW_UINT16 BuildRange(GlobalMemory& memory, TW_CAPABILITY& capability, const RangeValues& range) {
    std::byte* data = NewBlock(memory, capability, TWON_RANGE, kRangeBlockSize);
    if (data == nullptr) return TWCC_LOWMEMORY;
    TW_RANGE header{};
    header.ItemType = range.itemType;
    header.MinValue = range.minValue;
    header.MaxValue = range.maxValue;
    header.StepSize = range.stepSize;
    header.DefaultValue = range.defaultValue;
    header.CurrentValue = range.currentValue;
    std::memcpy(data, &header, sizeof header);
    return Finish(memory, capability);
}

TW_UINT16 BuildEnumeration(GlobalMemory& memory, TW_CAPABILITY& capability, const ItemList& items,
                           TW_UINT32 currentIndex, TW_UINT32 defaultIndex) {
    const TW_UINT32 count = ItemCount(items);
    const std::size_t itemBytes = std::size_t{count} * ItemSize(items.itemType);
    std::byte* data =
        NewBlock(memory, capability, TWON_ENUMERATION, itemBytes + kEnumerationHeaderSize);
    if (data == nullptr) return TWCC_LOWMEMORY;
    TW_ENUMERATION header{};
    header.ItemType = items.itemType;
    header.NumItems = count;
    header.CurrentIndex = currentIndex;
    header.DefaultIndex = defaultIndex;
    std::memcpy(data, &header, kEnumerationItemsOffset);
    if (itemBytes != 0) std::memcpy(data + kEnumerationItemsOffset, items.bytes.data(), itemBytes);
    return Finish(memory, capability);
}

TW_UINT16 BuildArray(GlobalMemory& memory, TW_CAPABILITY& capability, const ItemList& items) {
    const TW_UINT32 count = ItemCount(items);
    const std::size_t itemBytes = std::size_t{count} * ItemSize(items.itemType);
    std::byte* data = NewBlock(memory, capability, TWON_ARRAY, itemBytes + kArrayHeaderSize);
    if (data == nullptr) return TWCC_LOWMEMORY;
    TW_ARRAY header{};
    header.ItemType = items.itemType;
    header.NumItems = count;
    std::memcpy(data, &header, kArrayItemsOffset);
    if (itemBytes != 0) std::memcpy(data + kArrayItemsOffset, items.bytes.data(), itemBytes);
    return Finish(memory, capability);
}

TW_UINT16 ReadOneValue(GlobalMemory& memory, const TW_CAPABILITY& capability, TW_UINT16 itemType,
                       TW_UINT32& item) {
    if (capability.ConType != TWON_ONEVALUE) return TWCC_BADVALUE;
    const GlobalHandle block = capability.hContainer;
    if (block == nullptr) return TWCC_BADVALUE;
    const auto* data = static_cast<const std::byte*>(memory.Lock(block));
    if (data == nullptr) return TWCC_BADVALUE;
    const std::size_t size = memory.Size(block);
    const std::size_t itemSize = ItemSize(itemType);
    constexpr std::size_t kItemOffset = offsetof(TW_ONEVALUE, Item);
    TW_UINT16 declared = 0;
    if (size >= kItemOffset) std::memcpy(&declared, data, sizeof declared);
    TW_UINT16 result = TWCC_BADVALUE;
    if (size >= kItemOffset + itemSize && declared == itemType && itemSize != 0) {
        // Little-endian: the item's bytes are the low bytes of the field.
        TW_UINT32 value = 0;
        std::memcpy(&value, data + kItemOffset, itemSize);
        item = value;
        result = TWCC_SUCCESS;
    }
    memory.Unlock(block);
    return result;
}

}  // namespace z8
