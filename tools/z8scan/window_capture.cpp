#include "tools/z8scan/window_capture.h"

#include <cstring>

#include "tools/z8scan/source_windows.h"

namespace z8scan {

bool CapturePicture(HWND window, Picture& picture, std::string& why) {
    int width = 0, height = 0;
    if (window == nullptr) {
        width = GetSystemMetrics(SM_CXSCREEN);
        height = GetSystemMetrics(SM_CYSCREEN);
    } else {
        RECT frame{};
        GetWindowRect(window, &frame);
        width = frame.right - frame.left;
        height = frame.bottom - frame.top;
    }
    if (width <= 0 || height <= 0) {
        why = "nothing to capture (" + std::to_string(width) + "x" + std::to_string(height) + ")";
        return false;
    }
    HDC source = window == nullptr ? GetDC(nullptr) : GetWindowDC(window);
    if (source == nullptr) {
        why = "no device context";
        return false;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(source);
    bool ok = section != nullptr && memory != nullptr;
    if (ok) {
        HGDIOBJ old = SelectObject(memory, section);
        ok = BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY) != 0;
        GdiFlush();
        SelectObject(memory, old);
    }
    if (ok) {
        picture.width = width;
        picture.height = height;
        picture.pixels.resize(static_cast<size_t>(width) * height);
        std::memcpy(picture.pixels.data(), bits, picture.pixels.size() * sizeof(uint32_t));
        for (uint32_t& pixel : picture.pixels)
            pixel &= 0xFFFFFF;
    } else {
        why = "cannot copy the pixels (error " + std::to_string(GetLastError()) + ")";
    }
    if (memory != nullptr) DeleteDC(memory);
    if (section != nullptr) DeleteObject(section);
    ReleaseDC(window, source);
    return ok;
}

bool ReadPixel(HWND window, int x, int y, uint32_t& colour, std::string& why) {
    RECT client{};
    GetClientRect(window, &client);
    if (x < 0 || y < 0 || x >= client.right || y >= client.bottom) {
        why = "the point " + std::to_string(x) + "," + std::to_string(y) +
              " lies outside the client area " + std::to_string(client.right) + "x" +
              std::to_string(client.bottom);
        return false;
    }
    HDC dc = GetDC(window);
    const COLORREF pixel = dc == nullptr ? CLR_INVALID : GetPixel(dc, x, y);
    if (dc != nullptr) ReleaseDC(window, dc);
    if (pixel == CLR_INVALID) {
        why = "cannot read the pixel at " + std::to_string(x) + "," + std::to_string(y);
        return false;
    }
    colour = (static_cast<uint32_t>(GetRValue(pixel)) << 16) |
             (static_cast<uint32_t>(GetGValue(pixel)) << 8) | GetBValue(pixel);
    return true;
}

bool WriteWholeFile(const std::string& fileName, const std::vector<uint8_t>& bytes,
                    std::string& why) {
    HANDLE file = CreateFileW(Utf8ToWide(fileName).c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        why = "cannot create " + fileName + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    DWORD written = 0;
    const bool ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != 0 &&
        written == bytes.size();
    if (!ok) why = "cannot write " + fileName + " (error " + std::to_string(GetLastError()) + ")";
    CloseHandle(file);
    return ok;
}

}  // namespace z8scan
