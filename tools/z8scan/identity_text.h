#pragma once

#include <functional>
#include <string>

#include "twain/twain.h"

namespace z8scan {

// Converts a TWAIN string (ANSI code page) to the output encoding.
using TextConverter = std::function<std::string(const std::string&)>;

// A readable, line-oriented description of an identity; each line is
// "  Key: value" so that scripts can pick fields out of it.
std::string DescribeIdentity(const TW_IDENTITY& identity, const TextConverter& convert);

}  // namespace z8scan
