#include "ui/dib.h"

#include <vector>

namespace z8::ui {

bool CDib::LoadFromResource(int id, HINSTANCE module) {
    auto* bitmap = static_cast<HBITMAP>(LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0,
                                                   LR_CREATEDIBSECTION | LR_DEFAULTSIZE));
    if (bitmap == nullptr) return false;
    if (AttachBitmap(bitmap)) return true;
    DeleteObject(bitmap);
    return false;
}

bool CDib::AttachBitmap(HBITMAP bitmap) {
    BITMAP header{};
    // The record's own size: it holds a pointer, so it is larger on 64 bits.
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof header, &header) != sizeof header) {
        return false;
    }
    DropImage();
    bitmap_.reset(bitmap);
    header_ = header;
    BuildPalette();
    return true;
}

void CDib::DropImage() {
    palette_.reset();
    header_ = BITMAP{};
    bitmap_.reset();
}

int CDib::ReadColorTable(RGBQUAD* entries, int capacity) const {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    if (dc == nullptr) return 0;
    HGDIOBJ previous = SelectObject(dc, bitmap_.get());
    const UINT read = GetDIBColorTable(dc, 0, static_cast<UINT>(capacity), entries);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return static_cast<int>(read);
}

bool CDib::BuildPalette() {
    RGBQUAD table[256];
    const int count = ReadColorTable(table, 256);
    if (count > 0) {
        std::vector<unsigned char> storage(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * count);
        auto* logical = reinterpret_cast<LOGPALETTE*>(storage.data());
        logical->palVersion = 0x300;
        logical->palNumEntries = static_cast<WORD>(count);
        for (int i = 0; i < count; ++i) {
            logical->palPalEntry[i] = {table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
        }
        palette_.reset(CreatePalette(logical));
    } else {
        // A true-colour picture has no table: the halftone palette shows it best.
        HDC screen = GetDC(nullptr);
        palette_.reset(CreateHalftonePalette(screen));
        ReleaseDC(nullptr, screen);
    }
    return palette_.get() != nullptr;
}

bool CDib::DrawTo(HDC dc, const RECT* destination, const RECT* source, HPALETTE palette,
                  bool foreground) const {
    if (Empty()) return false;
    HPALETTE chosen = palette != nullptr ? palette : palette_.get();
    HPALETTE previous =
        chosen != nullptr ? SelectPalette(dc, chosen, foreground ? FALSE : TRUE) : nullptr;
    if (chosen != nullptr) RealizePalette(dc);
    const BOOL drawn = BlitBitmap(dc, bitmap_.get(), destination, source, SRCCOPY);
    if (previous != nullptr) SelectPalette(dc, previous, TRUE);
    return drawn != FALSE;
}

BOOL BlitBitmap(HDC dc, HBITMAP bitmap, const RECT* destination, const RECT* source, DWORD rop) {
    const SIZE size = BitmapSize(bitmap);
    const RECT whole{0, 0, size.cx, size.cy};
    const RECT from = source != nullptr ? *source : whole;
    const RECT to = destination != nullptr ? *destination : from;
    HDC memory = CreateCompatibleDC(dc);
    if (memory == nullptr) return FALSE;
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const int fromWidth = from.right - from.left, fromHeight = from.bottom - from.top;
    const int toWidth = to.right - to.left, toHeight = to.bottom - to.top;
    BOOL result;
    if (fromWidth == toWidth && fromHeight == toHeight) {
        result = BitBlt(dc, to.left, to.top, toWidth, toHeight, memory, from.left, from.top, rop);
    } else {
        const int mode = SetStretchBltMode(dc, COLORONCOLOR);
        result = StretchBlt(dc, to.left, to.top, toWidth, toHeight, memory, from.left, from.top,
                            fromWidth, fromHeight, rop);
        SetStretchBltMode(dc, mode);
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    return result;
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP header{};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof header, &header) != sizeof header) {
        return SIZE{0, 0};
    }
    return SIZE{header.bmWidth, header.bmHeight};
}

}  // namespace z8::ui
