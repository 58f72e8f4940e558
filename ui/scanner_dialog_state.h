#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/scan_settings.h"

namespace z8 {

// Window sizes in pixels: fixed numbers that do not follow the font. The
// narrow window cuts off the preview side; the large layout is for large
// system fonts.
struct WindowPixels {
    int width = 0;
    int height = 0;
    bool operator==(const WindowPixels&) const = default;
};
inline constexpr WindowPixels kNarrowWindow{235, 495};
inline constexpr WindowPixels kWideWindow{550, 495};
inline constexpr WindowPixels kNarrowLargeWindow{310, 608};
inline constexpr WindowPixels kWideLargeWindow{725, 608};

// The colour mode buttons.
enum class ModeButton { BlackWhite, Grey, Colour };

// How the scanning dialog's controls follow the settings.
struct ScannerDialogState {
    WindowPixels window;
    // No source or the feeder: the pane holds no preview.
    bool clearPreview = false;
    // The flatbed: the pane shows the preview and the rulers are drawn.
    bool showPreview = false;
    // Which source button shows as chosen.
    bool feederChosen = false;
    bool flatbedChosen = false;
    bool feederEnabled = false;
    bool flatbedEnabled = false;
    bool previewEnabled = false;
    bool scanEnabled = false;
    bool imageParamsEnabled = false;
    bool resolutionEnabled = false;
    bool blackWhiteEnabled = false;
    bool greyEnabled = false;
    bool colourEnabled = false;
    // The colour button is hidden for a source that previews in grey only,
    // shown for one that previews in colour, left as it is otherwise.
    std::optional<bool> colourVisible;
    ModeButton chosenMode = ModeButton::Grey;
    // The resolution list when a source is chosen (every entry of the
    // resolution table, the feeder's without 1200 and 2400) and the entry of
    // the current X resolution (-1 when it is not in the list).
    std::optional<std::vector<std::string>> resolutions;
    int resolutionSelection = -1;
};

ScannerDialogState DialogStateFor(const CScanSettings& settings, bool largeLayout);

}  // namespace z8
