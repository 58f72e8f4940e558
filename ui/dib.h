#pragma once

#include <windows.h>

#include "ui/controls/gdi_handles.h"

namespace z8::ui {

// A picture from the resources (the dialogs' background) as a DIB section
// with the palette that shows it on palette displays; drawn whole or in part,
// at its size or stretched.
class CDib {
public:
    CDib() = default;
    ~CDib() { DropImage(); }
    CDib(const CDib&) = delete;
    CDib& operator=(const CDib&) = delete;

    bool LoadFromResource(int id, HINSTANCE module);
    // Takes ownership of the bitmap when it succeeds.
    bool AttachBitmap(HBITMAP bitmap);
    void DropImage();

    bool Empty() const { return bitmap_.get() == nullptr; }

    // Draws the source part (all of it when null) into the destination (the
    // source's size at its origin when null), realising the palette given or
    // the picture's own. False when nothing is held or the copy failed.
    bool DrawTo(HDC dc, const RECT* destination, const RECT* source, HPALETTE palette,
                bool foreground) const;

private:
    bool BuildPalette();
    int ReadColorTable(RGBQUAD* entries, int capacity) const;

    UniqueGdi<HBITMAP> bitmap_;
    BITMAP header_{};
    UniqueGdi<HPALETTE> palette_;
};

// Copies a bitmap into a DC: pixel for pixel when the rectangles have the same
// size, stretched colour on colour otherwise.
BOOL BlitBitmap(HDC dc, HBITMAP bitmap, const RECT* destination, const RECT* source, DWORD rop);
SIZE BitmapSize(HBITMAP bitmap);

}  // namespace z8::ui
