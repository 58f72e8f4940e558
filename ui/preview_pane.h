#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "imaging/image.h"
#include "ui/framework/rect_tracker.h"
#include "ui/framework/subclass.h"

namespace z8::ui {

// The white pane of the scanning dialog that shows the last preview and lets
// the user drag a selection on it (a rubber band, then moving and resizing
// the frame by its handles). It stands for a whole A4 sheet whatever its
// size in pixels.
class CPreviewPane final : public SubclassedWindow {
public:
    // What the pane asks of its dialog.
    class Owner {
    public:
        virtual ~Owner() = default;
        // Draws the preview, adjusted, into `area` of the pane's device context.
        virtual void RenderPreview(HDC dc, const RECT& area) = 0;
        // After every press of the left button on a preview: the selection
        // (none: the whole sheet) in a pane of width × height pixels.
        virtual void SelectionMade(const std::optional<PixelRect>& selection, int width,
                                   int height) = 0;
    };

    explicit CPreviewPane(Owner& owner) : owner_(owner) {}
    ~CPreviewPane() override;

    // Subclasses the dialog's pane control; the pane starts without a picture.
    bool AttachPane(HWND pane);

    // Holds the picture (the previous one is freed); none also clears the
    // selection.
    void SetPreviewImage(std::unique_ptr<Image> image);
    // No selection: the next scan covers the whole sheet.
    void ResetSelection();
    const Image* PreviewImage() const { return image_.get(); }
    // Paints the pane again (picture and frame) when the dialog next paints.
    void Invalidate() const;
    std::optional<PixelRect> Selection() const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDetach() override;

private:
    void Paint();
    bool SetTrackerCursor();
    void OnLeftButtonDown(POINT click);
    // Draws the preview and the frame at once.
    void Redraw();

    Owner& owner_;
    std::unique_ptr<Image> image_;
    RectTracker tracker_;
    bool hasSelection_ = false;
};

}  // namespace z8::ui
