#pragma once

#include "tests/unit/device/scripted_serial_device.h"

// The inquiry and its answers, a byte (or a field) a line.
namespace z8::test::frames {

inline const Bytes kInquiry = {
    0x37, 0x00,              // code CMD_INQUIRY
    0x00, 0x00, 0x00, 0x00,  // length 0
};

// The inquiry reply of a scanner with these feeder and flatbed bytes.
inline Bytes InquiryReply(uint8_t feeder, uint8_t flatbed) {
    return {
        0x37,    0x00,              // code: inquiry reply
        0x02,    0x00, 0x00, 0x00,  // length 2
        feeder,                     // byte 0: feeder ability
        flatbed,                    // byte 1: flatbed ability
    };
}

}  // namespace z8::test::frames
