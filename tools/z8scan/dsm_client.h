#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "twain/twain.h"

namespace z8scan {

// The application side of the source manager: loads its library (twain_32.dll
// or TWAINDSM.dll), opens it with a hidden parent window and sends triplets.
class DsmClient {
public:
    explicit DsmClient(std::string library);
    ~DsmClient();
    DsmClient(const DsmClient&) = delete;
    DsmClient& operator=(const DsmClient&) = delete;

    // The product name presented to the manager and the sources; before Open.
    void SetProductName(const std::string& name);
    // False with a message in error() when the manager is missing or refuses.
    bool Open();
    void Close();

    TW_UINT16 Call(TW_IDENTITY* dest, TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data);
    // The manager's condition code (dest null) or a source's.
    TW_UINT16 ConditionCode(TW_IDENTITY* dest);

    bool ListSources(std::vector<TW_IDENTITY>& sources);

    const std::string& error() const { return error_; }
    HWND window() const { return window_; }

private:
    TW_IDENTITY app_{};
    std::string libraryName_;
    HMODULE library_ = nullptr;
    DSMENTRYPROC entry_ = nullptr;
    HWND window_ = nullptr;
    bool open_ = false;
    std::string error_;
};

// ANSI code page text to UTF-8, for printing.
std::string AnsiToUtf8(const std::string& text);

}  // namespace z8scan
