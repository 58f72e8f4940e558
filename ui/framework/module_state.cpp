#include "ui/framework/module_state.h"

#include <atomic>

namespace z8::ui {
namespace {

// Read from the progress thread too.
std::atomic<HINSTANCE> g_instance{nullptr};
std::atomic<HINSTANCE> g_resources{nullptr};

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

}  // namespace z8::ui
