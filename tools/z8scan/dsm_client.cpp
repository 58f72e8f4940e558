#include "tools/z8scan/dsm_client.h"

#include <cstdio>
#include <utility>

namespace z8scan {
namespace {

template <size_t N>
void SetField(char (&field)[N], const char* text) {
    lstrcpynA(field, text, static_cast<int>(N));
}

}  // namespace

DsmClient::DsmClient(std::string library) : libraryName_(std::move(library)) {
    app_.Version.MajorNum = 1;
    app_.Version.MinorNum = 0;
    app_.Version.Language = TWLG_ENGLISH;
    app_.Version.Country = TWCY_USA;
    SetField(app_.Version.Info, "z8scan 1.0");
    app_.ProtocolMajor = 1;
    app_.ProtocolMinor = 9;
    app_.SupportedGroups = DG_CONTROL | DG_IMAGE;
    SetField(app_.Manufacturer, "z8");
    SetField(app_.ProductFamily, "z8 tools");
    SetField(app_.ProductName, "z8scan");
}

void DsmClient::SetProductName(const std::string& name) {
    SetField(app_.ProductName, name.c_str());
}

DsmClient::~DsmClient() {
    Close();
}

bool DsmClient::Open() {
    library_ = LoadLibraryA(libraryName_.c_str());
    if (library_ == nullptr) {
        error_ = "cannot load " + libraryName_ + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    entry_ = reinterpret_cast<DSMENTRYPROC>(
        reinterpret_cast<void*>(GetProcAddress(library_, "DSM_Entry")));
    if (entry_ == nullptr) {
        error_ = libraryName_ + " has no DSM_Entry";
        return false;
    }
    window_ = CreateWindowExA(0, "STATIC", "z8scan", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (window_ == nullptr) {
        error_ = "cannot create the parent window (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    HWND parent = window_;
    const TW_UINT16 rc = entry_(&app_, nullptr, DG_CONTROL, DAT_PARENT, MSG_OPENDSM, &parent);
    if (rc != TWRC_SUCCESS) {
        error_ = "MSG_OPENDSM failed (rc " + std::to_string(rc) + ", cc " +
                 std::to_string(ConditionCode(nullptr)) + ")";
        return false;
    }
    open_ = true;
    return true;
}

void DsmClient::Close() {
    if (open_) {
        HWND parent = window_;
        entry_(&app_, nullptr, DG_CONTROL, DAT_PARENT, MSG_CLOSEDSM, &parent);
        open_ = false;
    }
    if (window_ != nullptr) {
        DestroyWindow(window_);
        window_ = nullptr;
    }
    if (library_ != nullptr) {
        FreeLibrary(library_);
        library_ = nullptr;
        entry_ = nullptr;
    }
}

TW_UINT16 DsmClient::Call(TW_IDENTITY* dest, TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg,
                          TW_MEMREF data) {
    return entry_(&app_, dest, dg, dat, msg, data);
}

TW_UINT16 DsmClient::ConditionCode(TW_IDENTITY* dest) {
    TW_STATUS status{};
    if (entry_(&app_, dest, DG_CONTROL, DAT_STATUS, MSG_GET, &status) != TWRC_SUCCESS) {
        return TWCC_BUMMER;
    }
    return status.ConditionCode;
}

bool DsmClient::ListSources(std::vector<TW_IDENTITY>& sources) {
    TW_IDENTITY identity{};
    TW_UINT16 rc = Call(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_GETFIRST, &identity);
    while (rc == TWRC_SUCCESS) {
        sources.push_back(identity);
        identity = TW_IDENTITY{};
        rc = Call(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_GETNEXT, &identity);
    }
    if (rc != TWRC_ENDOFLIST) {
        error_ = "listing sources failed (rc " + std::to_string(rc) + ", cc " +
                 std::to_string(ConditionCode(nullptr)) + ")";
        return false;
    }
    return true;
}

std::string AnsiToUtf8(const std::string& text) {
    if (text.empty()) return text;
    const int wide =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), w.data(), wide);
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), wide, out.data(), bytes, nullptr, nullptr);
    return out;
}

}  // namespace z8scan
