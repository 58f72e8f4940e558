// The memory transfer of an A4 300-dpi colour page (2480 x 3508) in strips
// of 1 MiB through DataSource's entry, as an application asks for it,
// against memcpy of the same bytes into the same buffer strip by strip.
#include <cstdio>
#include <cstring>
#include <vector>

#include "bench/imaging/bench_support.h"
#include "datasource/data_source.h"
#include "tests/unit/datasource/fake_source_ui.h"
#include "tests/unit/scanning/session_rig.h"

using namespace z8;

int main() {
    constexpr uint32_t kStripBytes = 0x100000;
    test::AbsentSerialDevice port;
    test::SessionRig rig{port};
    test::FakeSourceUi ui;
    test::FakeManager manager;
    GlobalMemoryTable appMemory;
    DataSource source(rig.session, ui, manager, appMemory);
    rig.session.Settings().SetShowUI(0);

    AcquiredPage& page = rig.session.Job().acquired;
    page.image = Image::Create(rig.memory, 2480, 3508, 24);
    if (page.image == nullptr) return 1;
    page.layout.bottomUp = true;
    ++rig.session.Job().pagesAcquired;
    const size_t line = page.image->BytesPerLine();
    const size_t pageBytes = line * static_cast<size_t>(page.image->Height());
    uint32_t state = 12345;
    for (size_t i = 0; i < pageBytes; ++i) {
        state = state * 1664525u + 1013904223u;
        page.image->Pixels()[i] = static_cast<uint8_t>(state >> 24);
    }

    std::vector<uint8_t> buffer(kStripBytes);
    TW_IDENTITY app{};
    size_t delivered = 0;
    bool ok = true;
    const double ours = bench::BestMilliseconds(10, [&] {
        source.state.sourceState = 6;
        delivered = 0;
        for (TW_UINT16 rc = TWRC_SUCCESS; rc == TWRC_SUCCESS;) {
            TW_IMAGEMEMXFER xfer{};
            xfer.Memory = TW_MEMORY{TWMF_APPOWNS | TWMF_POINTER, kStripBytes, buffer.data()};
            rc = source.Entry(&app, DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &xfer);
            ok = ok && (rc == TWRC_SUCCESS || rc == TWRC_XFERDONE);
            delivered += xfer.BytesWritten;
        }
    });
    const size_t rowsPerStrip = kStripBytes / line;
    const double theirs = bench::BestMilliseconds(10, [&] {
        for (size_t offset = 0; offset < pageBytes; offset += rowsPerStrip * line) {
            const size_t bytes = std::min(rowsPerStrip * line, pageBytes - offset);
            std::memcpy(buffer.data(), page.image->Pixels() + offset, bytes);
        }
    });
    if (!ok || delivered != pageBytes) {
        std::fprintf(stderr, "the page was not delivered whole\n");
        return 1;
    }
    std::printf(
        "page 2480 x 3508 colour, %zu bytes in strips of %zu rows (goal: ratio 1.3 or less)\n",
        pageBytes, rowsPerStrip);
    bench::Report("memory transfer, 1 MiB strips", ours, "memcpy of the same bytes", theirs);
    return 0;
}
