#include "tools/z8scan/container_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <type_traits>

#include "tools/z8scan/capability_names.h"
#include "twain/fix32.h"
#include "twain/item_size.h"

namespace z8scan {
namespace {

// Little-endian field of 1, 2 or 4 bytes.
TW_UINT32 Field(const uint8_t* p, std::size_t bytes) {
    TW_UINT32 value = 0;
    for (std::size_t i = bytes; i-- > 0;)
        value = value << 8 | p[i];
    return value;
}

std::string TypeText(TW_UINT16 itemType) {
    if (const char* name = ItemTypeName(itemType)) return name;
    char text[24];
    std::snprintf(text, sizeof text, "TWTY 0x%04X", static_cast<unsigned>(itemType));
    return text;
}

std::string TooShort(const char* what, std::size_t size) {
    return std::string(what) + ", block of " + std::to_string(size) + " bytes is too short";
}

// "N items [a, b, c]" for the items the block holds; says so when the header
// counts more.
std::string ItemsText(TW_UINT16 cap, TW_UINT16 itemType, TW_UINT32 count,
                      std::span<const uint8_t> bytes) {
    const std::size_t size = z8::ItemSize(itemType);
    std::string text = std::to_string(count) + " items";
    if (size == 0) return text + " (not shown)";
    const std::size_t held = bytes.size() / size;
    const std::size_t shown = count < held ? count : held;
    text += " [";
    for (std::size_t i = 0; i < shown; ++i) {
        if (i != 0) text += ", ";
        text += ItemText(cap, itemType, Field(bytes.data() + i * size, size));
    }
    text += "]";
    if (shown < count) text += " (only " + std::to_string(shown) + " in the block)";
    return text;
}

std::string IndexText(TW_UINT16 cap, TW_UINT16 itemType, TW_UINT32 index, TW_UINT32 count,
                      std::span<const uint8_t> bytes) {
    const std::size_t size = z8::ItemSize(itemType);
    std::string text = std::to_string(index);
    if (size != 0 && index < count && index < bytes.size() / size)
        return text + " (" + ItemText(cap, itemType, Field(bytes.data() + index * size, size)) +
               ")";
    return text + " (no such item)";
}

template <typename Int>
bool ParseInteger(const std::string& text, Int& out) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        begin += 2;
        base = 16;
    }
    const auto [ptr, ec] = std::from_chars(begin, end, out, base);
    return begin != end && ec == std::errc() && ptr == end;
}

template <typename Int>
bool PackInteger(const std::string& text, TW_UINT32& item) {
    Int value = 0;
    if (!ParseInteger(text, value)) return false;
    using Unsigned = std::make_unsigned_t<Int>;
    item = static_cast<Unsigned>(value);
    return true;
}

// TWQC_ bits by name: "GET GETDEFAULT GETCURRENT".
std::string SupportText(TW_INT32 mask) {
    static constexpr struct {
        TW_INT32 bit;
        const char* name;
    } kBits[] = {{TWQC_GET, "GET"},
                 {TWQC_SET, "SET"},
                 {TWQC_GETDEFAULT, "GETDEFAULT"},
                 {TWQC_GETCURRENT, "GETCURRENT"},
                 {TWQC_RESET, "RESET"}};
    std::string text;
    for (const auto& entry : kBits) {
        if (mask & entry.bit) {
            if (!text.empty()) text += " ";
            text += entry.name;
        }
    }
    return text.empty() ? "nothing" : text;
}

}  // namespace

std::string ItemText(TW_UINT16 cap, TW_UINT16 itemType, TW_UINT32 item) {
    switch (itemType) {
        case TWTY_INT8:
            return std::to_string(static_cast<int8_t>(item & 0xFF));
        case TWTY_INT16:
            return std::to_string(static_cast<int16_t>(item & 0xFFFF));
        case TWTY_INT32:
            return std::to_string(static_cast<int32_t>(item));
        case TWTY_UINT8:
            return std::to_string(item & 0xFF);
        case TWTY_UINT16:
            if (cap == CAP_SUPPORTEDCAPS) return CapabilityLabel(static_cast<TW_UINT16>(item));
            return std::to_string(item & 0xFFFF);
        case TWTY_BOOL:
            switch (item & 0xFFFF) {
                case 0:
                    return "FALSE";
                case 1:
                    return "TRUE";
                default:
                    return "TRUE (" + std::to_string(item & 0xFFFF) + ")";
            }
        case TWTY_FIX32: {
            const TW_FIX32 fix{static_cast<TW_INT16>(item & 0xFFFF),
                               static_cast<TW_UINT16>(item >> 16)};
            const double value = fix.Whole + fix.Frac / 65536.0;
            char text[32];
            std::snprintf(text, sizeof text, "%.4f", value);
            // 299.99997 dpi scans at 299: a fifth decimal, enough for any
            // fraction, where four would round up to another whole part.
            if (std::floor(std::strtod(text, nullptr)) != fix.Whole)
                std::snprintf(text, sizeof text, "%.5f", value);
            std::string s = text;
            while (s.back() == '0')
                s.pop_back();
            if (s.back() == '.') s.pop_back();
            return s == "-0" ? "0" : s;
        }
        default:
            return std::to_string(item);
    }
}

std::string DescribeContainer(TW_UINT16 msg, TW_UINT16 cap, TW_UINT16 conType,
                              std::span<const uint8_t> block) {
    const char* name = ContainerTypeName(conType);
    if (name == nullptr) {
        return "container type " + std::to_string(conType) + ", block of " +
               std::to_string(block.size()) + " bytes";
    }
    const uint8_t* p = block.data();
    if (block.size() < 2) return TooShort(name, block.size());
    const TW_UINT16 itemType = static_cast<TW_UINT16>(Field(p, 2));
    std::string text = std::string(name) + " " + TypeText(itemType);
    switch (conType) {
        case TWON_ONEVALUE: {
            if (block.size() < 6) return TooShort(name, block.size());
            const TW_UINT32 item = Field(p + 2, 4);
            text += " " + ItemText(cap, itemType, item);
            if (msg == MSG_QUERYSUPPORT && itemType == TWTY_INT32)
                text += " (" + SupportText(static_cast<TW_INT32>(item)) + ")";
            return text;
        }
        case TWON_RANGE: {
            if (block.size() < 22) return TooShort(name, block.size());
            const char* fields[] = {"min", "max", "step", "default", "current"};
            for (int i = 0; i < 5; ++i)
                text += std::string(" ") + fields[i] + " " +
                        ItemText(cap, itemType, Field(p + 2 + 4 * i, 4));
            return text;
        }
        case TWON_ENUMERATION: {
            if (block.size() < 14) return TooShort(name, block.size());
            const TW_UINT32 count = Field(p + 2, 4);
            const auto items = block.subspan(14);
            return text + " " + ItemsText(cap, itemType, count, items) + " CurrentIndex " +
                   IndexText(cap, itemType, Field(p + 6, 4), count, items) + " DefaultIndex " +
                   IndexText(cap, itemType, Field(p + 10, 4), count, items);
        }
        default: {  // TWON_ARRAY
            if (block.size() < 6) return TooShort(name, block.size());
            return text + " " + ItemsText(cap, itemType, Field(p + 2, 4), block.subspan(6));
        }
    }
}

std::vector<TW_UINT16> ArrayItems(TW_UINT16 conType, std::span<const uint8_t> block) {
    std::vector<TW_UINT16> items;
    if (conType != TWON_ARRAY || block.size() < 6 || Field(block.data(), 2) != TWTY_UINT16)
        return items;
    const TW_UINT32 count = Field(block.data() + 2, 4);
    for (TW_UINT32 i = 0; i < count && 6 + 2 * (std::size_t{i} + 1) <= block.size(); ++i)
        items.push_back(static_cast<TW_UINT16>(Field(block.data() + 6 + 2 * i, 2)));
    return items;
}

std::string StepLabel(TW_UINT16 msg, TW_UINT16 cap, TW_UINT16 itemType, TW_UINT32 item) {
    const char* name = MessageName(msg);
    std::string text = name != nullptr ? name : "MSG " + std::to_string(msg);
    text += " " + CapabilityLabel(cap);
    if (msg == MSG_SET) text += " " + TypeText(itemType) + " " + ItemText(cap, itemType, item);
    return text;
}

std::string RefusalText(TW_UINT16 rc, TW_UINT16 cc) {
    std::string text = "refused, rc " + std::to_string(rc) + " cc " + std::to_string(cc);
    if (const char* name = ConditionCodeName(cc)) text += std::string(" ") + name;
    return text;
}

bool ParseItem(TW_UINT16 itemType, const std::string& text, TW_UINT32& item) {
    switch (itemType) {
        case TWTY_INT8:
            return PackInteger<int8_t>(text, item);
        case TWTY_INT16:
            return PackInteger<int16_t>(text, item);
        case TWTY_INT32:
            return PackInteger<int32_t>(text, item);
        case TWTY_UINT8:
            return PackInteger<uint8_t>(text, item);
        case TWTY_UINT16:
            return PackInteger<uint16_t>(text, item);
        case TWTY_UINT32:
            return PackInteger<uint32_t>(text, item);
        case TWTY_BOOL:
            if (text == "true" || text == "TRUE" || text == "1") {
                item = 1;
                return true;
            }
            if (text == "false" || text == "FALSE" || text == "0") {
                item = 0;
                return true;
            }
            return false;
        case TWTY_FIX32: {
            float value = 0;
            const char* end = text.data() + text.size();
            const auto [ptr, ec] = std::from_chars(text.data(), end, value);
            if (text.empty() || ec != std::errc() || ptr != end || !(value >= -32768.0f) ||
                !(value < 32768.0f))
                return false;
            const TW_FIX32 fix = z8::FloatToFix32(value);
            item = static_cast<TW_UINT16>(fix.Whole) | TW_UINT32{fix.Frac} << 16;
            return true;
        }
        default:
            return false;
    }
}

}  // namespace z8scan
