#pragma once

#include <string>

#include "platform/profile_store.h"

namespace z8::probe {

// Fixed sequences over the settings code and a profile store, each giving a
// transcript. The Wine probe runs them with the real Win32 calls, the unit tests
// with IniProfileStore; both compare the transcripts and the files written
// with the same golden files, so the two implementations cannot drift apart.

// Starts from a missing ViruvoVozav.ini: first start, stored profiles, applying
// them, odd values, lookups, deletions.
std::string RunProfileScript(ProfileStore& store);

// Starts from a missing ViruvoVozav.ini: the profile list filled, entries
// chosen, profiles stored under typed names, created and deleted, names
// refused, many long names listed.
std::string RunProfileListScript(ProfileStore& store);

// Reads kParsingFile (a copy of a hand-written file with odd lines) and makes
// writes that change nothing, so the file must stay as it was.
inline constexpr char kParsingFile[] = "z8parsing.ini";
std::string RunParsingScript(ProfileStore& store);
// Then one write that changes it, which rewrites the whole file.
std::string RunRewriteScript(ProfileStore& store);

// Fixed-point conversions and unit arithmetic of the settings.
std::string RunArithmeticScript();

}  // namespace z8::probe
