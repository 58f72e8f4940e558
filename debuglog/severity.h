#pragma once

namespace z8 {

// Log severities: a lower number is more severe.
enum Severity : int {
    ERR = 0,  // errors
    WNG = 1,  // warnings
    LOG = 2,  // notable events (highlighted in HTML logs)
    DBG = 3,  // ordinary trace lines
};

}  // namespace z8
