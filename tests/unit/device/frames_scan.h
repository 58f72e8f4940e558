#pragma once

#include "tests/unit/device/scripted_serial_device.h"

// The parameter request and the replies of a scan.
namespace z8::test::frames {

// A final grey scan of the whole A4 area at 300 dots per inch on the flatbed,
// neutral brightness and colours: edges 0, 2481, 0, 3509.
inline const Bytes kA4Grey300Block = {
    0x01,        // mode: grey
    0x08,        // bits per sample
    0x02,        // fixed
    0x01,        // source: flatbed
    0x00,        // colour layout
    0x00,        // brightness
    0x00,        // reserved
    0x00,        // reserved
    0x00,        // red
    0x00,        // green
    0x00,        // blue
    0x00,        // black-and-white mode
    0x2C, 0x01,  // X resolution 300
    0x2C, 0x01,  // Y resolution 300
    0x00, 0x00,  // left 0
    0xB1, 0x09,  // right 2481
    0x00, 0x00,  // top 0
    0xB5, 0x0D,  // bottom 3509
    0x00,        // fixed
    0x02,        // fixed
};

// A colour preview of the whole A4 area: 80 by 80 dots per inch, edges 0,
// 661, 0, 935.
inline const Bytes kA4PreviewBlock = {
    0x03,        // mode: colour
    0x08,        // bits per sample
    0x02,        // fixed
    0x01,        // source: flatbed
    0x02,        // colour layout: planes
    0x00,        // brightness
    0x00,        // reserved
    0x00,        // reserved
    0x00,        // red
    0x00,        // green
    0x00,        // blue
    0x00,        // black-and-white mode
    0x50, 0x00,  // X resolution 80
    0x50, 0x00,  // Y resolution 80
    0x00, 0x00,  // left 0
    0x95, 0x02,  // right 661
    0x00, 0x00,  // top 0
    0xA7, 0x03,  // bottom 935
    0x00,        // fixed
    0x02,        // fixed
};

inline const Bytes kParametersHeader = {
    0x32, 0x00,              // code CMD_SET_PARAMETERS
    0x1A, 0x00, 0x00, 0x00,  // length 26
};

inline const Bytes kStarted = {
    0x32, 0x00,              // code: parameters accepted
    0x00, 0x00, 0x00, 0x00,  // length 0
};

// A band of 4 lines of 2 bytes.
inline const Bytes kBand4x2 = {
    0x33, 0x00,              // code: band
    0x0A, 0x00, 0x00, 0x00,  // length 10
    0x04, 0x00,              // 4 lines
    0x10, 0x11,              // line 0
    0x20, 0x21,              // line 1
    0x30, 0x31,              // line 2
    0x40, 0x41,              // line 3
};

// A band that announces 0 lines.
inline const Bytes kBandOfZeroLines = {
    0x33, 0x00,              // code: band
    0x04, 0x00, 0x00, 0x00,  // length 4
    0x00, 0x00,              // 0 lines
    0x10, 0x11,              // data
};

// A band that announces more lines than its 3 bytes of data can hold.
inline const Bytes kBandOfTooManyLines = {
    0x33, 0x00,              // code: band
    0x05, 0x00, 0x00, 0x00,  // length 5
    0x04, 0x00,              // 4 lines
    0x10, 0x11, 0x12,        // data
};

// A reply of code 0x31, which no reply carries.
inline const Bytes kUnacceptedCode = {
    0x31, 0x00,              // code 0x31
    0x00, 0x00, 0x00, 0x00,  // length 0
};

}  // namespace z8::test::frames
