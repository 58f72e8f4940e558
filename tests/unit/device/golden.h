#pragma once

#include <string>
#include <vector>

namespace z8::test {

// Compares transcript lines with transcripts/<name>.txt beside the tests.
// With Z8_UPDATE_GOLDEN=1 in the environment the file is written instead.
void ExpectMatchesGolden(const std::string& name, const std::vector<std::string>& lines);

// The lines of a text file; empty when it cannot be read.
std::vector<std::string> ReadLines(const std::string& path);

}  // namespace z8::test
