#include "tools/z8scan/session.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "tools/z8scan/capability_names.h"
#include "tools/z8scan/capability_steps.h"
#include "tools/z8scan/dialog_driver.h"
#include "tools/z8scan/process_figures.h"

namespace z8scan {
namespace {

const char* MessageText(TW_UINT16 msg) {
    const char* name = MessageName(msg);
    return name != nullptr ? name : "MSG_?";
}

// Threads and top-level windows of this process, to show that a disabled
// source leaves none of its own behind.
std::string ProcessCensus() {
    const ProcessFigures figures = TakeProcessFigures();
    return std::to_string(figures.threads) + " threads, " + std::to_string(figures.windows) +
           " windows";
}

class Session {
public:
    Session(DsmClient& dsm, const Options& options, const std::vector<ScriptStep>& script)
        : dsm_(dsm), options_(options), script_(script) {}

    bool Run() {
        if (!FindSource()) return false;
        if (!Step(nullptr, DAT_IDENTITY, MSG_OPENDS, &source_)) return false;
        std::printf("opened: %s (Id %lu)\n", source_.ProductName,
                    static_cast<unsigned long>(source_.Id));
        bool ok = true;
        if (options_.command == Command::Capabilities) {
            ok = RunCapabilitySteps(dsm_, source_, options_.steps);
        } else {
            if (options_.verbose) std::printf("before enable: %s\n", ProcessCensus().c_str());
            // The driver starts first: without the dialog the whole scan
            // runs inside MSG_ENABLEDS, and a script may watch its progress
            // window meanwhile.
            std::unique_ptr<DialogDriver> driver;
            if (!script_.empty()) driver = std::make_unique<DialogDriver>(script_);
            ok = (!driver || driver->Start()) && Enable() && EventLoop(driver.get());
            if (driver) {
                driver->Finish();
                ok = driver->Passed() && ok;
            }
            ok = Disable() && ok;
            if (options_.verbose) std::printf("after disable: %s\n", ProcessCensus().c_str());
        }
        ok = Step(&source_, DAT_IDENTITY, MSG_CLOSEDS, &source_) && ok;
        std::printf("closed\n");
        return ok;
    }

private:
    // Sends one control triplet; on failure reads the condition code from the
    // source (or the manager when no source is addressed yet).
    bool Step(TW_IDENTITY* dest, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data) {
        const TW_UINT16 rc = dsm_.Call(dest, DG_CONTROL, dat, msg, data);
        const bool ok = rc == TWRC_SUCCESS;
        const TW_UINT16 cc =
            ok ? TWCC_SUCCESS : dsm_.ConditionCode(dest == nullptr ? nullptr : dest);
        if (options_.verbose || !ok) {
            std::printf("%s -> rc %u cc %u\n", MessageText(msg), rc, cc);
        }
        return ok;
    }

    bool FindSource() {
        if (options_.source.empty()) return Step(nullptr, DAT_IDENTITY, MSG_GETDEFAULT, &source_);
        std::vector<TW_IDENTITY> sources;
        if (!dsm_.ListSources(sources)) {
            std::fprintf(stderr, "z8scan: %s\n", dsm_.error().c_str());
            return false;
        }
        for (const TW_IDENTITY& s : sources) {
            if (options_.source == std::string(s.ProductName, strnlen(s.ProductName, 34))) {
                source_ = s;
                return true;
            }
        }
        std::fprintf(stderr, "z8scan: no source named '%s'\n", options_.source.c_str());
        return false;
    }

    bool Enable() {
        TW_USERINTERFACE ui{};
        ui.ShowUI = options_.showUI ? 1 : 0;
        ui.ModalUI = 0;
        ui.hParent = dsm_.window();
        enabledUI_ = ui.ShowUI;
        return Step(&source_, DAT_USERINTERFACE, MSG_ENABLEDS, &ui);
    }

    bool Disable() {
        TW_USERINTERFACE ui{};
        ui.ShowUI = enabledUI_;
        ui.hParent = dsm_.window();
        return Step(&source_, DAT_USERINTERFACE, MSG_DISABLEDS, &ui);
    }

    // Every message goes through the source first. The manager hands the
    // source's notifications back through these calls, so a timer keeps
    // messages coming even when nothing else happens. Without a script the
    // first transfer or close request ends the loop; with one, the driver
    // hears of them and the loop runs until the script's last step.
    bool EventLoop(DialogDriver* driver) {
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, nullptr);
        const DWORD start = GetTickCount();
        int sourceEvents = 0, otherEvents = 0;
        bool escaped = false;
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
            TW_EVENT event{};
            event.pEvent = &msg;
            event.TWMessage = MSG_NULL;
            const TW_UINT16 rc =
                dsm_.Call(&source_, DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, &event);
            if (rc == TWRC_NOTDSEVENT) {
                ++otherEvents;
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            } else if (rc == TWRC_DSEVENT) {
                ++sourceEvents;
            }
            if (event.TWMessage != MSG_NULL) {
                std::printf("event: %s\n", MessageText(event.TWMessage));
                std::fflush(stdout);
                if (driver) {
                    driver->NoteEvent(event.TWMessage);
                } else if (event.TWMessage == MSG_XFERREADY || event.TWMessage == MSG_CLOSEDSREQ) {
                    break;
                }
            }
            if (driver && driver->Done()) break;
            const DWORD elapsed = GetTickCount() - start;
            if (!escaped && options_.escapeAfter > 0 &&
                elapsed >= static_cast<DWORD>(options_.escapeAfter) * 1000u) {
                escaped = PressEscape();
            }
            if (options_.holdSeconds > 0 &&
                GetTickCount() - start >= static_cast<DWORD>(options_.holdSeconds) * 1000u) {
                std::printf("hold expired\n");
                break;
            }
        }
        KillTimer(nullptr, timer);
        if (options_.verbose) {
            std::printf("events: %d for the source, %d for the application\n", sourceEvents,
                        otherEvents);
        }
        return true;
    }

    // Esc goes to the source's dialog as a user would type it, so that it
    // travels through MSG_PROCESSEVENT like any key.
    bool PressEscape() {
        const std::string title(source_.ProductName, strnlen(source_.ProductName, 34));
        HWND dialog = FindWindowA("#32770", title.c_str());
        if (dialog == nullptr) return false;
        std::printf("pressing Esc\n");
        PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 1);
        return true;
    }

    DsmClient& dsm_;
    const Options& options_;
    const std::vector<ScriptStep>& script_;
    TW_IDENTITY source_{};
    TW_UINT16 enabledUI_ = 1;
};

}  // namespace

int RunSession(DsmClient& dsm, const Options& options, const std::vector<ScriptStep>& script) {
    for (int cycle = 1; cycle <= options.cycles; ++cycle) {
        if (options.cycles > 1) std::printf("cycle %d\n", cycle);
        Session session(dsm, options, script);
        if (!session.Run()) return 1;
        std::fflush(stdout);
    }
    return 0;
}

}  // namespace z8scan
