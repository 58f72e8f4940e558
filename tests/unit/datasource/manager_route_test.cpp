#include "datasource/manager_route.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace z8 {
namespace {

// What reached a manager's DSM_Entry, as "TWAINDSM 257 from 7 to 41".
std::vector<std::string> delivered;

template <const char* kName>
TW_UINT16 TW_CALLINGSTYLE Entry(pTW_IDENTITY origin, pTW_IDENTITY dest, TW_UINT32 dg, TW_UINT16 dat,
                                TW_UINT16 msg, TW_MEMREF data) {
    const bool notification = dg == DG_CONTROL && dat == DAT_NULL && data == nullptr;
    delivered.push_back(std::string(kName) + (notification ? " " : " not DAT_NULL ") +
                        std::to_string(msg) + " from " + std::to_string(origin->Id) + " to " +
                        std::to_string(dest->Id));
    return TWRC_SUCCESS;
}
constexpr char kTwainDsm[] = "TWAINDSM", kTwain32[] = "twain_32";

// The process's modules: whether TWAINDSM.dll is in it, which files load as
// twain_32.dll; every Load and Release recorded.
class FakeModules final : public ManagerModules {
public:
    ManagerModule Loaded(const std::string& name) override {
        if (name != "TWAINDSM.dll" || !twainDsm) return {};
        return {&twainDsm, twainDsmEntry ? Entry<kTwainDsm> : nullptr};
    }
    ManagerModule Load(const std::string& file) override {
        calls.push_back("load " + file);
        for (const std::string& loadable : files) {
            if (loadable == file) return {&files, Entry<kTwain32>};
        }
        return {};
    }
    void Release(const ManagerModule& module) override {
        calls.push_back(module.handle == &files ? "release" : "release another");
    }

    bool twainDsm = false, twainDsmEntry = true;
    std::vector<std::string> files, calls;
};

class FakePaths final : public SystemPaths {
public:
    std::string WindowsDirectory() const override { return directory; }
    std::string directory;
};

TEST(ManagerRoute, NotificationsReachTheManagerThatLoadedTheSource) {
    const std::string windows = "C:\\windows\\twain_32.dll", search = "twain_32.dll";
    const struct {
        const char* what;
        bool twainDsm, twainDsmEntry;
        const char* windowsDirectory;
        std::vector<std::string> loadable, delivered, calls;
    } cases[] = {
        {"the 2.x manager in the process",
         true,
         true,
         "C:\\windows",
         {windows},
         {"TWAINDSM 257 from 7 to 41"},
         {}},
        {"a 2.x manager without an entry: never the half-loaded twain_32",
         true,
         false,
         "C:\\windows",
         {windows},
         {},
         {}},
        {"the Windows directory's manager",
         false,
         true,
         "C:\\windows\\",
         {windows},
         {"twain_32 257 from 7 to 41"},
         {"load " + windows, "release"}},
        {"the normal search when that one does not load",
         false,
         true,
         "C:\\windows",
         {search},
         {"twain_32 257 from 7 to 41"},
         {"load " + windows, "load " + search, "release"}},
        {"no Windows directory",
         false,
         true,
         "",
         {search},
         {"twain_32 257 from 7 to 41"},
         {"load " + search, "release"}},
        {"no manager at all",
         false,
         true,
         "C:\\windows",
         {},
         {},
         {"load " + windows, "load " + search}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeModules modules;
        modules.twainDsm = c.twainDsm;
        modules.twainDsmEntry = c.twainDsmEntry;
        modules.files = c.loadable;
        FakePaths paths;
        paths.directory = c.windowsDirectory;
        TW_IDENTITY source{}, application{};
        source.Id = 7;
        application.Id = 41;
        delivered.clear();
        ManagerRoute(modules, paths).Send(source, application, MSG_XFERREADY);
        EXPECT_EQ(delivered, c.delivered);
        EXPECT_EQ(modules.calls, c.calls);
    }
}

}  // namespace
}  // namespace z8
