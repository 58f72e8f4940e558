// The scanning dialog's preview: the pane's picture, its drawing with the
// display adjustments, and the selections made on it.
#include "resources/control_ids.h"
#include "ui/draw_image.h"
#include "ui/preview_selection.h"
#include "ui/preview_view.h"
#include "ui/sample_picture.h"
#include "ui/scanner_dialog.h"

namespace z8::ui {

void CScannerDialog::SetPreviewImage(std::unique_ptr<Image> image) {
    pane_.SetPreviewImage(std::move(image));
}

void CScannerDialog::ResetSelection() {
    pane_.ResetSelection();
}

void CScannerDialog::DrawPartial() {
    HWND pane = pane_.hwnd();
    if (pane == nullptr || pane_.PreviewImage() == nullptr) return;
    RECT area;
    GetClientRect(pane, &area);
    HDC dc = GetDC(pane);
    if (dc == nullptr) return;
    RenderImageView(dc, area, DisplayMode::Preview);
    ReleaseDC(pane, dc);
}

void CScannerDialog::Invalidate() {
    HWND pane = pane_.hwnd();
    if (pane == nullptr) return;
    InvalidateRect(pane, nullptr, TRUE);
    UpdateWindow(pane);
}

void CScannerDialog::RenderImageView(HDC dc, const RECT& area, DisplayMode mode) {
    const Image* preview = pane_.PreviewImage();
    if (preview != nullptr) {
        const auto view = AdjustedView(*preview, area.right - area.left, area.bottom - area.top,
                                       session_.Settings(), mode);
        if (view != nullptr) DrawImage(dc, area, *view);
        return;
    }
    // Before any preview the image parameters dialog shows the sample picture,
    // inside the frame of its box.
    if (mode != DisplayMode::SamplePicture) return;
    const auto sample = LoadSamplePicture();
    if (sample == nullptr) return;
    const RECT inside{area.left + 1, area.top + 1, area.right - 1, area.bottom - 1};
    const auto view = AdjustedView(*sample, inside.right - inside.left, inside.bottom - inside.top,
                                   session_.Settings(), mode);
    if (view != nullptr) DrawImage(dc, inside, *view);
}

void CScannerDialog::RenderPreview(HDC dc, const RECT& area) {
    RenderImageView(dc, area, DisplayMode::Preview);
}

void CScannerDialog::SelectionMade(const std::optional<PixelRect>& selection, int width,
                                   int height) {
    ApplySelection(session_.Settings(), selection, width, height);
    UpdateControls();
}

}  // namespace z8::ui
