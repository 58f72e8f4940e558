#include "ui/scanner_dialog_state.h"

namespace z8 {
namespace {

// The feeder cannot scan at the table's last two resolutions (1200, 2400).
constexpr int kFeederResolutionCount = kResolutionCount - 2;

ModeButton ModeOf(TW_UINT16 pixelType) {
    switch (pixelType) {
        case TWPT_BW:
            return ModeButton::BlackWhite;
        case TWPT_RGB:
            return ModeButton::Colour;
        default:  // grey, and the palette type, which shows as grey
            return ModeButton::Grey;
    }
}

}  // namespace

ScannerDialogState DialogStateFor(const CScanSettings& settings, bool largeLayout) {
    ScannerDialogState state;
    const TW_UINT16 source = settings.DocumentSource();
    const bool feeder = source == kSourceFeeder;
    const bool flatbed = source == kSourceFlatbed;
    const bool chosen = feeder || flatbed;

    if (flatbed)
        state.window = largeLayout ? kWideLargeWindow : kWideWindow;
    else
        state.window = largeLayout ? kNarrowLargeWindow : kNarrowWindow;
    state.clearPreview = !flatbed;
    state.showPreview = flatbed;
    state.feederChosen = feeder;
    state.flatbedChosen = flatbed;
    state.previewEnabled = flatbed;
    state.scanEnabled = chosen;
    state.imageParamsEnabled = chosen;
    state.resolutionEnabled = chosen;
    if (chosen) {
        const int count = feeder ? kFeederResolutionCount : kResolutionCount;
        std::vector<std::string> entries;
        for (int index = 0; index < count; ++index) {
            const TW_INT16 dpi = CScanSettings::ResolutionEntry(index);
            if (dpi == settings.XResolution().Whole) state.resolutionSelection = index;
            entries.push_back(std::to_string(dpi));
        }
        state.resolutions = std::move(entries);
    }

    switch (settings.PreviewColourKind()) {
        case 1:
            state.blackWhiteEnabled = state.greyEnabled = true;
            state.colourVisible = false;
            break;
        case 2:
            state.blackWhiteEnabled = state.greyEnabled = state.colourEnabled = true;
            state.colourVisible = true;
            break;
        default:
            break;
    }
    state.chosenMode = ModeOf(settings.PixelType());
    state.feederEnabled = settings.FeederAvailable();
    state.flatbedEnabled = settings.FlatbedAvailable();
    return state;
}

}  // namespace z8
