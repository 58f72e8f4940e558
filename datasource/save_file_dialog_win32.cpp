#include "datasource/save_file_dialog_win32.h"

#include <windows.h>

#include <commdlg.h>

#include "resources/string_ids.h"

namespace z8 {
namespace {

// The common dialogs are loaded at the first save dialog, not with the source,
// and then stay for the life of the process: managers load and free a source
// several times a session, and each unload of comdlg32 leaves a mutex of the
// print spooler it pulls in behind (Wine). Looked up at each dialog: a
// function-local static would cost a thread handle at each load of the source.
struct CommonDialogs {
    decltype(&GetSaveFileNameA) getSaveFileName = nullptr;
    decltype(&CommDlgExtendedError) extendedError = nullptr;
};

CommonDialogs LoadCommonDialogs() {
    CommonDialogs dialogs;
    HMODULE library = LoadLibraryA("comdlg32.dll");
    HMODULE pinned = nullptr;
    if (library == nullptr ||
        !GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_PIN, "comdlg32.dll", &pinned)) {
        return dialogs;
    }
    dialogs.getSaveFileName = reinterpret_cast<decltype(&GetSaveFileNameA)>(
        reinterpret_cast<void*>(GetProcAddress(library, "GetSaveFileNameA")));
    dialogs.extendedError = reinterpret_cast<decltype(&CommDlgExtendedError)>(
        reinterpret_cast<void*>(GetProcAddress(library, "CommDlgExtendedError")));
    return dialogs;
}

}  // namespace

SaveFileAnswer RunSaveFileDialog(const SaveFileRequest& request) {
    char file[MAX_PATH] = "";
    char title[MAX_PATH] = "";
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = static_cast<HWND>(request.owner);
    // The filter's own zeros separate its strings; c_str adds the last one.
    dialog.lpstrFilter = request.filter.c_str();
    dialog.nFilterIndex = request.filterIndex;
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file;
    dialog.lpstrFileTitle = title;
    dialog.nMaxFileTitle = sizeof title;
    dialog.lpstrInitialDir = request.initialFolder.c_str();
    dialog.lpstrTitle = request.title.c_str();
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR;
    dialog.lpstrDefExt = request.defaultExtension.c_str();
    const CommonDialogs common = LoadCommonDialogs();
    SaveFileAnswer answer;
    if (common.getSaveFileName == nullptr || common.extendedError == nullptr) {
        answer.outcome = SaveFileAnswer::Outcome::Failed;
    } else if (common.getSaveFileName(&dialog)) {
        answer.outcome = SaveFileAnswer::Outcome::Chosen;
        answer.path = file;
        answer.filterIndex = dialog.nFilterIndex;
    } else {
        answer.outcome = common.extendedError() == 0 ? SaveFileAnswer::Outcome::Cancelled
                                                     : SaveFileAnswer::Outcome::Failed;
    }
    return answer;
}

bool ConfirmFileReplace(const SaveFileRequest& request, const std::string& path,
                        const StringTable& strings) {
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return true;
    std::string question = strings.Load(res::kStrReplaceFile);
    const size_t mark = question.find("%s");
    if (mark != std::string::npos) question.replace(mark, 2, path);
    return MessageBoxA(static_cast<HWND>(request.owner), question.c_str(), request.title.c_str(),
                       MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

}  // namespace z8
