#include "tools/z8scan/session.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tools/z8scan/capability_names.h"
#include "tools/z8scan/capability_steps.h"

namespace z8scan {
namespace {

const char* MessageText(TW_UINT16 msg) {
    const char* name = MessageName(msg);
    return name != nullptr ? name : "MSG_?";
}

class Session {
public:
    Session(DsmClient& dsm, const Options& options) : dsm_(dsm), options_(options) {}

    bool Run() {
        if (!FindSource())
            return false;
        if (!Step(nullptr, DAT_IDENTITY, MSG_OPENDS, &source_))
            return false;
        std::printf("opened: %s (Id %lu)\n", source_.ProductName,
                    static_cast<unsigned long>(source_.Id));
        bool ok = true;
        if (options_.command == Command::Capabilities) {
            ok = RunCapabilitySteps(dsm_, source_, options_.steps);
        } else {
            ok = Enable() && EventLoop();
            ok = Disable() && ok;
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
        if (options_.source.empty())
            return Step(nullptr, DAT_IDENTITY, MSG_GETDEFAULT, &source_);
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
    // messages coming even when nothing else happens.
    bool EventLoop() {
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, nullptr);
        const DWORD start = GetTickCount();
        bool ok = true;
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
            TW_EVENT event{};
            event.pEvent = &msg;
            event.TWMessage = MSG_NULL;
            const TW_UINT16 rc =
                dsm_.Call(&source_, DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, &event);
            if (rc == TWRC_NOTDSEVENT) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            if (event.TWMessage == MSG_XFERREADY) {
                std::printf("event: MSG_XFERREADY\n");
                break;
            }
            if (event.TWMessage == MSG_CLOSEDSREQ) {
                std::printf("event: MSG_CLOSEDSREQ\n");
                break;
            }
            if (options_.holdSeconds > 0 &&
                GetTickCount() - start >= static_cast<DWORD>(options_.holdSeconds) * 1000u) {
                std::printf("hold expired\n");
                break;
            }
        }
        KillTimer(nullptr, timer);
        return ok;
    }

    DsmClient& dsm_;
    const Options& options_;
    TW_IDENTITY source_{};
    TW_UINT16 enabledUI_ = 1;
};

}  // namespace

int RunSession(DsmClient& dsm, const Options& options) {
    for (int cycle = 1; cycle <= options.cycles; ++cycle) {
        if (options.cycles > 1)
            std::printf("cycle %d\n", cycle);
        Session session(dsm, options);
        if (!session.Run())
            return 1;
        std::fflush(stdout);
    }
    return 0;
}

}  // namespace z8scan
