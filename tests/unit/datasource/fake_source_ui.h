#pragma once

#include <deque>
#include <string>
#include <vector>

#include "datasource/source_ui.h"

namespace z8::test {

// Records every operation the core asks of the dialog side, in order.
class FakeSourceUi final : public SourceUi {
public:
    bool ProcessEvent(TW_MEMREF message) override {
        Record("ProcessEvent");
        return message == dialogMessage;
    }
    void DrainDialogMessages() override { Record("Drain"); }
    bool CreateDialogWindow() override {
        Record("CreateDialogWindow");
        return windowCreated;
    }
    bool StartMessageThread() override {
        Record("StartMessageThread");
        return threadStarted;
    }
    void ShowDialog() override { Record("ShowDialog"); }
    void HideDialog() override { Record("HideDialog"); }
    void EndMessageThread() override { Record("EndMessageThread"); }
    void DestroyDialogWindow() override { Record("DestroyDialogWindow"); }
    // The scripted answers in turn, then cancels.
    SaveFileAnswer AskSaveFile(const SaveFileRequest& request) override {
        Record("AskSaveFile");
        saveRequests.push_back(request);
        if (saveAnswers.empty()) return {};
        const SaveFileAnswer answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }
    bool ConfirmReplace(const SaveFileRequest&, const std::string& path) override {
        Record("ConfirmReplace " + path);
        return replaceAgreed;
    }

    TW_MEMREF dialogMessage = nullptr;
    std::deque<SaveFileAnswer> saveAnswers;
    std::vector<SaveFileRequest> saveRequests;
    bool replaceAgreed = true;
    bool windowCreated = true;
    bool threadStarted = true;
    std::vector<std::string> calls;

private:
    void Record(const std::string& call) { calls.push_back(call); }
};

class FakeManager final : public ManagerLink {
public:
    void Send(TW_IDENTITY& source, TW_IDENTITY& application, TW_UINT16 msg) override {
        sent.push_back({TW_UINT32{source.Id}, TW_UINT32{application.Id}, msg});
    }
    struct Message {
        TW_UINT32 sourceId, appId;
        TW_UINT16 msg;
    };
    std::vector<Message> sent;
};

}  // namespace z8::test
