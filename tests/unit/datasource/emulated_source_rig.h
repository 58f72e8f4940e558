#pragma once

#include "datasource/data_source.h"
#include "tests/unit/datasource/fake_source_ui.h"
#include "tests/unit/scanning/fake_views.h"
#include "tests/unit/scanning/session_rig.h"
#include "tools/emulator/emulated_serial_device.h"

namespace z8::test {

// A loaded data source over the emulated scanner, in-process and without
// windows: the session has started up against the scripted scanner, time
// passes only when waited for, and the source and the application share one
// table of global memory (rig.memory), as they share the process heap.
struct EmulatedSourceRig {
    explicit EmulatedSourceRig(emu::Script script) : port(std::move(script), portClock) {
        session.AttachDialog(&dialog);
        session.AttachProgress(&progress);
        session.StartUp();
    }

    // A small area, so that every page costs little: `width` × `height`
    // pixels at the current resolution.
    void SelectArea(TW_INT16 width, TW_INT16 height) {
        CScanSettings& s = session.Settings();
        s.SetLeftPixels(0);
        s.SetTopPixels(0);
        s.SetRightPixels(width);
        s.SetBottomPixels(height);
    }

    FakeClock portClock;
    emu::EmulatedSerialDevice port;
    SessionRig rig{port};
    ScanningSession& session = rig.session;
    FakeDialogView dialog;
    FakeProgressView progress;
    FakeSourceUi ui;
    FakeManager manager;
    DataSource source{session, ui, manager, rig.memory};
};

}  // namespace z8::test
