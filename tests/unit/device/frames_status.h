#pragma once

#include "tests/unit/device/scripted_serial_device.h"

// The status request and its answers.
namespace z8::test::frames {

inline const Bytes kStatus = {
    0x30, 0x00,              // code CMD_STATUS
    0x00, 0x00, 0x00, 0x00,  // length 0
};

inline const Bytes kAbort = {
    0x33, 0x00,              // code CMD_ABORT
    0x00, 0x00, 0x00, 0x00,  // length 0
};

inline Bytes StatusReply(uint8_t status) {
    return {
        0x30,   0x00,              // code: status reply
        0x01,   0x00, 0x00, 0x00,  // length 1
        status,                    // the status byte
    };
}

inline Bytes EndOfPage(uint8_t status) {
    return {
        0x35,   0x00,              // code: end of page
        0x01,   0x00, 0x00, 0x00,  // length 1
        status,                    // the status byte
    };
}

}  // namespace z8::test::frames
