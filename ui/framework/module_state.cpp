#include "ui/framework/module_state.h"

#include <atomic>

#include "platform/win32/string_table_win32.h"

namespace z8::ui {
namespace {

// Read from the progress thread too.
std::atomic<HINSTANCE> g_instance{nullptr};
std::atomic<HINSTANCE> g_resources{nullptr};

class ResourceModuleStrings final : public StringTable {
public:
    std::string Load(unsigned id) const override {
        return Win32StringTable(ResourceModule()).Load(id);
    }
};

// Built with the library, not at first use (see SystemClock).
const ResourceModuleStrings g_strings{};

}  // namespace

HINSTANCE InstanceModule() {
    return g_instance.load();
}
HINSTANCE ResourceModule() {
    HINSTANCE resources = g_resources.load();
    return resources != nullptr ? resources : g_instance.load();
}
void SetInstanceModule(HINSTANCE module) {
    g_instance.store(module);
}
void SetResourceModule(HINSTANCE module) {
    g_resources.store(module);
}

const StringTable& ResourceStrings() {
    return g_strings;
}

}  // namespace z8::ui
