#include "datasource/save_file_dialog_win32.h"

#include <windows.h>

#include <commdlg.h>

#include "resources/string_ids.h"

namespace z8 {

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
    SaveFileAnswer answer;
    if (GetSaveFileNameA(&dialog)) {
        answer.outcome = SaveFileAnswer::Outcome::Chosen;
        answer.path = file;
        answer.filterIndex = dialog.nFilterIndex;
    } else {
        answer.outcome = CommDlgExtendedError() == 0 ? SaveFileAnswer::Outcome::Cancelled
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
