#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/string_table.h"

namespace z8::test {

// Serves texts from a map and records the order in which they were asked for.
class FakeStringTable final : public StringTable {
public:
    explicit FakeStringTable(std::map<unsigned, std::string> texts) : texts_(std::move(texts)) {}
    std::string Load(unsigned id) const override {
        requests.push_back(id);
        auto it = texts_.find(id);
        return it == texts_.end() ? std::string() : it->second;
    }
    mutable std::vector<unsigned> requests;

private:
    std::map<unsigned, std::string> texts_;
};

}  // namespace z8::test
