#include "datasource/manager_route.h"

#include "platform/path_parts.h"

namespace z8 {
namespace {

constexpr const char* kTwainDsm = "TWAINDSM.dll";
constexpr const char* kTwain32 = "twain_32.dll";

void Notify(const ManagerModule& manager, TW_IDENTITY& source, TW_IDENTITY& application,
            TW_UINT16 msg) {
    if (manager.entry != nullptr) {
        manager.entry(&source, &application, DG_CONTROL, DAT_NULL, msg, nullptr);
    }
}

}  // namespace

void ManagerRoute::Send(TW_IDENTITY& source, TW_IDENTITY& application, TW_UINT16 msg) {
    const ManagerModule twainDsm = modules_.Loaded(kTwainDsm);
    if (twainDsm.handle != nullptr) {
        Notify(twainDsm, source, application, msg);
        return;
    }
    ManagerModule twain32;
    const std::string directory = paths_.WindowsDirectory();
    if (!directory.empty()) {
        twain32 = modules_.Load(JoinPath(directory, kTwain32));
    }
    if (twain32.handle == nullptr) twain32 = modules_.Load(kTwain32);
    if (twain32.handle == nullptr) return;
    Notify(twain32, source, application, msg);
    modules_.Release(twain32);
}

}  // namespace z8
