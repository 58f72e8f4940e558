#include "tools/z8scan/capability_steps.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "tools/z8scan/container_text.h"

namespace z8scan {
namespace {

class Negotiation {
public:
    Negotiation(DsmClient& dsm, TW_IDENTITY& source) : dsm_(dsm), source_(source) {}

    bool Run(const CapabilityStep& step) {
        if (!step.all) return Send(step.msg, step.cap, step);
        std::vector<TW_UINT16> ids;
        if (!Send(MSG_GET, CAP_SUPPORTEDCAPS, step, &ids)) return false;
        bool ok = true;
        for (TW_UINT16 id : ids)
            ok = Send(step.msg, id, step) && ok;
        return ok;
    }

    bool Finish() {
        std::printf("containers: %u received, %u freed\n", received_, freed_);
        return received_ == freed_;
    }

private:
    // One DAT_CAPABILITY message; a MSG_SET carries a TW_ONEVALUE of our own,
    // which we free afterwards. `listed` receives a TW_ARRAY's items.
    bool Send(TW_UINT16 msg, TW_UINT16 cap, const CapabilityStep& step,
              std::vector<TW_UINT16>* listed = nullptr) {
        TW_CAPABILITY request{cap, TWON_DONTCARE16, nullptr};
        HGLOBAL mine = nullptr;
        if (msg == MSG_SET) {
            mine = GlobalAlloc(GHND, sizeof(TW_ONEVALUE));
            if (mine == nullptr) {
                std::printf("%s: no memory for the container\n",
                            StepLabel(msg, cap, step.itemType, step.item).c_str());
                return false;
            }
            TW_ONEVALUE value{};
            value.ItemType = step.itemType;
            value.Item = step.item;
            std::memcpy(GlobalLock(mine), &value, sizeof value);
            GlobalUnlock(mine);
            request.ConType = TWON_ONEVALUE;
            request.hContainer = mine;
        }
        const TW_UINT16 rc = dsm_.Call(&source_, DG_CONTROL, DAT_CAPABILITY, msg, &request);
        const std::string label = StepLabel(msg, cap, step.itemType, step.item);
        bool ok = rc == TWRC_SUCCESS;
        const HGLOBAL answer = static_cast<HGLOBAL>(request.hContainer);
        if (!ok) {
            std::printf("%s: %s\n", label.c_str(),
                        RefusalText(rc, dsm_.ConditionCode(&source_)).c_str());
        } else if (answer == nullptr || answer == mine) {
            std::printf("%s: ok\n", label.c_str());
        } else {
            ok = Print(label, msg, cap, request.ConType, answer, listed);
        }
        if (mine != nullptr) GlobalFree(mine);
        return ok;
    }

    // Prints and frees a container the source made.
    bool Print(const std::string& label, TW_UINT16 msg, TW_UINT16 cap, TW_UINT16 conType,
               HGLOBAL block, std::vector<TW_UINT16>* listed) {
        ++received_;
        const auto* bytes = static_cast<const uint8_t*>(GlobalLock(block));
        const std::span<const uint8_t> data(bytes, bytes == nullptr ? 0 : GlobalSize(block));
        std::printf("%s: %s\n", label.c_str(), DescribeContainer(msg, cap, conType, data).c_str());
        if (listed != nullptr) *listed = ArrayItems(conType, data);
        if (bytes != nullptr) GlobalUnlock(block);
        if (GlobalFree(block) != nullptr) {
            std::printf("%s: the container could not be freed\n", label.c_str());
            return false;
        }
        ++freed_;
        return true;
    }

    DsmClient& dsm_;
    TW_IDENTITY& source_;
    unsigned received_ = 0;
    unsigned freed_ = 0;
};

}  // namespace

bool RunCapabilitySteps(DsmClient& dsm, TW_IDENTITY& source,
                        const std::vector<CapabilityStep>& steps) {
    Negotiation negotiation(dsm, source);
    bool ok = true;
    for (const CapabilityStep& step : steps)
        ok = negotiation.Run(step) && ok;
    return negotiation.Finish() && ok;
}

}  // namespace z8scan
