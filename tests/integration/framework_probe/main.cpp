// framework_probe: the dialog framework's promises with real windows. Prints
// "ok WHAT" or "FAIL WHAT" for each check; exit 1 when one failed.
//  - Create refuses a second window while one is open, and RunModal too;
//  - a dialog destroyed through its own destructor runs its OnDestroy; one
//    left to the base destructor has its window destroyed without a call
//    into the half-destroyed object;
//  - a subclassed control's messages reach WindowProc, Detach puts the old
//    procedure back, a second Attach is refused, and destroying the control
//    detaches it;
//  - the rectangle tracker follows posted mouse messages to the button's
//    release, and Esc cancels it;
//  - an icon button that holds the mouse lets it go when it is disabled or
//    hidden.
#include <windows.h>

#include <cstdio>

#include "tests/integration/framework_probe/probe_ids.h"
#include "ui/controls/icon_button.h"
#include "ui/framework/dialog.h"
#include "ui/framework/rect_tracker.h"
#include "ui/framework/subclass.h"

namespace {

using z8::PixelRect;
using z8::ui::Dialog;
using z8::ui::RectTracker;
using z8::ui::SubclassedWindow;

int failures = 0;

void Check(bool good, const char* what) {
    std::printf("%s %s\n", good ? "ok" : "FAIL", what);
    if (!good) ++failures;
}

class ProbeDialog : public Dialog {
public:
    explicit ProbeDialog(int& destroyed) : destroyed_(destroyed) {}

protected:
    void OnDestroy() override { ++destroyed_; }

private:
    int& destroyed_;
};

// Destroys its window while it is whole.
class OwnedDialog final : public ProbeDialog {
public:
    using ProbeDialog::ProbeDialog;
    ~OwnedDialog() override { Destroy(); }
};

constexpr UINT kProbeMessage = WM_USER + 7;

class ProbePane final : public SubclassedWindow {
public:
    int detached = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kProbeMessage) return 42;
        return CallPrevious(message, wParam, lParam);
    }
    void OnDetach() override { ++detached; }
};

void PostMouse(HWND window, UINT message, int x, int y) {
    PostMessageA(window, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
}

void CheckDialogs(HINSTANCE instance) {
    int destroyed = 0;
    {
        OwnedDialog dialog(destroyed);
        const bool made = dialog.Create(instance, IDD_PROBE, nullptr) != nullptr;
        const DWORD error = GetLastError();
        Check(made, "Create makes the window");
        if (!made) std::printf("  (error %lu)\n", static_cast<unsigned long>(error));
        const HWND first = dialog.hwnd();
        Check(dialog.Create(instance, IDD_PROBE, nullptr) == nullptr && dialog.hwnd() == first,
              "a second Create is refused and keeps the window");
        Check(dialog.RunModal(instance, IDD_PROBE, nullptr) == -1,
              "RunModal is refused while the window is open");
        dialog.Destroy();
        Check(destroyed == 1 && dialog.hwnd() == nullptr && !IsWindow(first),
              "Destroy runs OnDestroy and forgets the window");
        Check(dialog.Create(instance, IDD_PROBE, nullptr) != nullptr,
              "a new window once the old one is gone");
    }
    Check(destroyed == 2, "the derived destructor's Destroy runs OnDestroy");

    destroyed = 0;
    HWND left = nullptr;
    {
        ProbeDialog dialog(destroyed);
        dialog.Create(instance, IDD_PROBE, nullptr);
        left = dialog.hwnd();
    }
    Check(!IsWindow(left) && destroyed == 0,
          "the base destructor destroys the window without calling the gone object");
}

void CheckSubclass(HINSTANCE instance) {
    int destroyed = 0;
    OwnedDialog dialog(destroyed);
    dialog.Create(instance, IDD_PROBE, nullptr);
    const HWND pane = dialog.Item(IDC_PROBE_PANE);
    const LONG_PTR original = GetWindowLongPtrA(pane, GWLP_WNDPROC);
    ProbePane probe;
    Check(probe.Attach(pane), "Attach subclasses the control");
    Check(SendMessageA(pane, kProbeMessage, 0, 0) == 42, "its messages reach WindowProc");
    ProbePane second;
    Check(!second.Attach(pane) && !probe.Attach(pane), "a second Attach is refused");
    probe.Detach();
    Check(GetWindowLongPtrA(pane, GWLP_WNDPROC) == original &&
              SendMessageA(pane, kProbeMessage, 0, 0) != 42,
          "Detach puts the old procedure back");
    Check(probe.Attach(pane), "attached again");
    dialog.Destroy();
    Check(probe.detached == 1 && probe.hwnd() == nullptr, "destroying the control detaches it");
}

void CheckTracker(HINSTANCE instance) {
    int destroyed = 0;
    OwnedDialog dialog(destroyed);
    dialog.Create(instance, IDD_PROBE, nullptr);
    const HWND pane = dialog.Item(IDC_PROBE_PANE);

    PostMouse(pane, WM_MOUSEMOVE, 60, 50);
    PostMouse(pane, WM_MOUSEMOVE, 20, 90);
    PostMouse(pane, WM_LBUTTONUP, 15, 95);
    PixelRect band;
    Check(RectTracker::TrackRubberBand(pane, POINT{40, 30}, band) &&
              band == PixelRect{40, 30, 15, 95},
          "a rubber band ends where the button goes up, inverted as dragged");
    Check(GetCapture() == nullptr, "the capture is released");

    RectTracker tracker;
    tracker.rect = PixelRect{20, 20, 100, 80};
    PostMouse(pane, WM_MOUSEMOVE, 55, 45);
    PostMouse(pane, WM_LBUTTONUP, 60, 50);
    Check(tracker.Track(pane, POINT{50, 40}, z8::TrackerHit::Inside) &&
              tracker.rect == PixelRect{30, 30, 110, 90},
          "a frame moves by the mouse's travel");
    PostMouse(pane, WM_MOUSEMOVE, 90, 60);
    PostMessageA(pane, WM_KEYDOWN, VK_ESCAPE, 0);
    Check(!tracker.Track(pane, POINT{105, 85}, z8::TrackerHit::BottomRight) &&
              tracker.rect == PixelRect{30, 30, 110, 90},
          "Esc cancels a resize and keeps the frame");
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

// The mouse comes over the button, which takes the capture to see it leave;
// disabling or hiding the button must give the capture back.
void CheckButtonCapture(HINSTANCE instance) {
    int destroyed = 0;
    OwnedDialog dialog(destroyed);
    dialog.Create(instance, IDD_PROBE, nullptr);
    SetActiveWindow(dialog.hwnd());
    z8::ui::CIconButton button;
    button.Subclass(dialog.hwnd(), IDC_PROBE_BUTTON);
    const HWND control = dialog.Item(IDC_PROBE_BUTTON);
    const struct {
        const char* what;
        void (*let)(HWND);
    } ways[] = {
        {"a disabled icon button lets go of the mouse", [](HWND w) { EnableWindow(w, FALSE); }},
        {"a hidden icon button lets go of the mouse", [](HWND w) { ShowWindow(w, SW_HIDE); }},
    };
    for (const auto& way : ways) {
        EnableWindow(control, TRUE);
        ShowWindow(control, SW_SHOW);
        SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        const bool held = GetCapture() == control;
        way.let(control);
        Check(held && GetCapture() == nullptr, way.what);
    }
}

}  // namespace

int main() {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    CheckDialogs(instance);
    CheckSubclass(instance);
    CheckTracker(instance);
    CheckButtonCapture(instance);
    std::fflush(stdout);
    return failures == 0 ? 0 : 1;
}
