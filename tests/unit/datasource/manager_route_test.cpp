#include "datasource/manager_route.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace z8 {
namespace {

// What reached a manager's DSM_Entry: "TWAINDSM 0x0101 from 7 to 41".
std::vector<std::string> delivered;

std::string Describe(const char* manager, pTW_IDENTITY origin, pTW_IDENTITY dest, TW_UINT32 dg,
                     TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data) {
    const bool asNotification = dg == DG_CONTROL && dat == DAT_NULL && data == nullptr;
    return std::string(manager) + (asNotification ? "" : " (not DAT_NULL)") + " " +
           std::to_string(msg) + " from " + std::to_string(origin->Id) + " to " +
           std::to_string(dest->Id);
}

TW_UINT16 TW_CALLINGSTYLE TwainDsmEntry(pTW_IDENTITY origin, pTW_IDENTITY dest, TW_UINT32 dg,
                                        TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data) {
    delivered.push_back(Describe("TWAINDSM", origin, dest, dg, dat, msg, data));
    return TWRC_SUCCESS;
}

TW_UINT16 TW_CALLINGSTYLE Twain32Entry(pTW_IDENTITY origin, pTW_IDENTITY dest, TW_UINT32 dg,
                                       TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data) {
    delivered.push_back(Describe("twain_32", origin, dest, dg, dat, msg, data));
    return TWRC_SUCCESS;
}

int twainDsmModule, twain32Module;

// The process's modules: which are loaded, which files load; every Load and
// Release recorded.
class FakeModules final : public ManagerModules {
public:
    ManagerModule Loaded(const std::string& name) override {
        if (name != "TWAINDSM.dll" || !twainDsmLoaded) return {};
        return {&twainDsmModule, twainDsmHasEntry ? TwainDsmEntry : nullptr};
    }
    ManagerModule Load(const std::string& file) override {
        calls.push_back("load " + file);
        for (const std::string& loadable : files) {
            if (loadable == file) return {&twain32Module, Twain32Entry};
        }
        return {};
    }
    void Release(const ManagerModule& module) override {
        calls.push_back(module.handle == &twain32Module ? "release twain_32" : "release other");
    }

    bool twainDsmLoaded = false;
    bool twainDsmHasEntry = true;
    std::vector<std::string> files;
    std::vector<std::string> calls;
};

class FakePaths final : public SystemPaths {
public:
    std::string WindowsDirectory() const override { return directory; }
    std::string directory;
};

struct RouteCase {
    const char* what;
    bool twainDsmLoaded;
    bool twainDsmHasEntry;
    const char* windowsDirectory;
    std::vector<std::string> loadable;
    std::vector<std::string> delivered;
    std::vector<std::string> calls;
};

TEST(ManagerRoute, NotificationsReachTheManagerThatLoadedTheSource) {
    const std::string fromWindows = "load C:\\windows\\twain_32.dll";
    const RouteCase cases[] = {
        {"the 2.x manager in the process",
         true,
         true,
         "C:\\windows",
         {"twain_32.dll"},
         {"TWAINDSM 257 from 7 to 41"},
         {}},
        {"a 2.x manager without an entry: never the half-loaded twain_32",
         true,
         false,
         "C:\\windows",
         {"C:\\windows\\twain_32.dll"},
         {},
         {}},
        {"the Windows directory's manager",
         false,
         true,
         "C:\\windows\\",
         {"C:\\windows\\twain_32.dll"},
         {"twain_32 257 from 7 to 41"},
         {fromWindows, "release twain_32"}},
        {"the normal search when that one does not load",
         false,
         true,
         "C:\\windows",
         {"twain_32.dll"},
         {"twain_32 257 from 7 to 41"},
         {fromWindows, "load twain_32.dll", "release twain_32"}},
        {"no Windows directory",
         false,
         true,
         "",
         {"twain_32.dll"},
         {"twain_32 257 from 7 to 41"},
         {"load twain_32.dll", "release twain_32"}},
        {"no manager at all",
         false,
         true,
         "C:\\windows",
         {},
         {},
         {fromWindows, "load twain_32.dll"}},
    };
    for (const RouteCase& c : cases) {
        SCOPED_TRACE(c.what);
        FakeModules modules;
        modules.twainDsmLoaded = c.twainDsmLoaded;
        modules.twainDsmHasEntry = c.twainDsmHasEntry;
        modules.files = c.loadable;
        FakePaths paths;
        paths.directory = c.windowsDirectory;
        ManagerRoute route(modules, paths);
        TW_IDENTITY source{}, application{};
        source.Id = 7;
        application.Id = 41;
        delivered.clear();
        route.Send(source, application, MSG_XFERREADY);
        EXPECT_EQ(delivered, c.delivered);
        EXPECT_EQ(modules.calls, c.calls);
    }
}

}  // namespace
}  // namespace z8
