#include "tools/z8scan/acquire.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "tools/z8scan/capability_names.h"
#include "tools/z8scan/capability_steps.h"
#include "tools/z8scan/dialog_driver.h"
#include "tools/z8scan/page_writer.h"

namespace z8scan {
namespace {

const char* PixelTypeName(TW_INT16 type) {
    switch (type) {
        case TWPT_BW:
            return "TWPT_BW";
        case TWPT_GRAY:
            return "TWPT_GRAY";
        case TWPT_RGB:
            return "TWPT_RGB";
        case TWPT_PALETTE:
            return "TWPT_PALETTE";
        default:
            return "TWPT_?";
    }
}

double Real(TW_FIX32 value) {
    return value.Whole + value.Frac / 65536.0;
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

// The size of a file, or -1 when it cannot be read.
long long FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return static_cast<long long>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
}

// One page as it was fetched: the file written and the bytes the source
// handed over.
struct Fetched {
    std::string path;
    uint64_t bytes = 0;
    bool ended = false;    // MSG_ENDXFER came before the last strip
    bool refused = false;  // the file transfer failed; the page is ended all the same
};

class Acquisition {
public:
    Acquisition(DsmClient& dsm, const AcquireOptions& options, DialogDriver* driver)
        : dsm_(dsm), o_(options), driver_(driver) {}

    bool Run() {
        if (!FindSource()) return false;
        if (Send(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &source_) != TWRC_SUCCESS) {
            return false;
        }
        std::printf("opened: %s\n", source_.ProductName);
        bool ok = Prepare() && (driver_ == nullptr || driver_->Start()) && Enable();
        if (ok) {
            ok = WaitForTransfer() && TransferPages();
            if (driver_ != nullptr) AwaitDriver();
            ok = Disable() && ok;
        }
        if (driver_ != nullptr) {
            driver_->Finish();
            ok = driver_->Passed() && ok;
        }
        ok = refusedFiles_ == 0 && ok;
        ok = Send(&source_, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, &source_) == TWRC_SUCCESS && ok;
        std::printf("pages: %d\n", pages_);
        return ok;
    }

private:
    // A triplet to the source (or the manager); its codes are printed when
    // it answers neither `expected` nor `alsoFine`, and always with --verbose.
    TW_UINT16 Send(TW_IDENTITY* dest, TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data,
                   TW_UINT16 expected = TWRC_SUCCESS, TW_UINT16 alsoFine = TWRC_SUCCESS) {
        const TW_UINT16 rc = dsm_.Call(dest, dg, dat, msg, data);
        if (o_.verbose || (rc != expected && rc != alsoFine)) {
            const TW_UINT16 cc = rc == TWRC_SUCCESS ? TWCC_SUCCESS : dsm_.ConditionCode(dest);
            const char* name = MessageName(msg);
            std::printf("DAT 0x%04x %s -> rc %u cc %u\n", dat, name != nullptr ? name : "MSG_?", rc,
                        cc);
        }
        return rc;
    }
    TW_UINT16 Image(TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data, TW_UINT16 expected = TWRC_SUCCESS,
                    TW_UINT16 alsoFine = TWRC_SUCCESS) {
        return Send(&source_, DG_IMAGE, dat, msg, data, expected, alsoFine);
    }
    TW_UINT16 Control(TW_UINT16 dat, TW_UINT16 msg, TW_MEMREF data) {
        return Send(&source_, DG_CONTROL, dat, msg, data);
    }

    bool FindSource() {
        if (o_.source.empty()) {
            return Send(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_GETDEFAULT, &source_) ==
                   TWRC_SUCCESS;
        }
        std::vector<TW_IDENTITY> sources;
        if (!dsm_.ListSources(sources)) {
            std::fprintf(stderr, "z8scan: %s\n", dsm_.error().c_str());
            return false;
        }
        for (const TW_IDENTITY& s : sources) {
            if (o_.source == std::string(s.ProductName, strnlen(s.ProductName, 34))) {
                source_ = s;
                return true;
            }
        }
        std::fprintf(stderr, "z8scan: no source named '%s'\n", o_.source.c_str());
        return false;
    }

    // State 4: the capabilities, the frame, and what the bed is.
    bool Prepare() {
        if (o_.probe) {
            TW_IMAGELAYOUT layout{};
            if (Image(DAT_IMAGELAYOUT, MSG_GET, &layout) != TWRC_SUCCESS) return false;
            std::printf("state 4: DAT_IMAGELAYOUT MSG_GET %g %g %g %g\n", Real(layout.Frame.Left),
                        Real(layout.Frame.Top), Real(layout.Frame.Right),
                        Real(layout.Frame.Bottom));
        }
        if (!RunCapabilitySteps(dsm_, source_, o_.steps)) return false;
        if (!o_.frame) return true;
        TW_IMAGELAYOUT layout{};
        if (Image(DAT_IMAGELAYOUT, MSG_GETCURRENT, &layout) != TWRC_SUCCESS) return false;
        layout.Frame = *o_.frame;
        return Image(DAT_IMAGELAYOUT, MSG_SET, &layout) == TWRC_SUCCESS;
    }

    bool Enable() {
        TW_USERINTERFACE ui{};
        ui.ShowUI = o_.showUI ? 1 : 0;
        ui.hParent = dsm_.window();
        return Control(DAT_USERINTERFACE, MSG_ENABLEDS, &ui) == TWRC_SUCCESS;
    }

    bool Disable() {
        TW_USERINTERFACE ui{};
        ui.ShowUI = o_.showUI ? 1 : 0;
        ui.hParent = dsm_.window();
        return Control(DAT_USERINTERFACE, MSG_DISABLEDS, &ui) == TWRC_SUCCESS;
    }

    // Every message goes through the source until it says a page waits. The
    // manager hands its notifications back through these calls, so a timer
    // keeps messages coming.
    bool WaitForTransfer() {
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, nullptr);
        const DWORD start = GetTickCount();
        bool clicked = !o_.pressScan;
        bool ready = false;
        MSG msg;
        while (!ready && GetMessageA(&msg, nullptr, 0, 0) > 0) {
            TW_EVENT event{};
            event.pEvent = &msg;
            event.TWMessage = MSG_NULL;
            if (dsm_.Call(&source_, DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, &event) ==
                TWRC_NOTDSEVENT) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            if (event.TWMessage == MSG_CLOSEDSREQ) {
                std::printf("event: MSG_CLOSEDSREQ\n");
                break;
            }
            if (driver_ != nullptr && event.TWMessage != MSG_NULL)
                driver_->NoteEvent(event.TWMessage);
            ready = event.TWMessage == MSG_XFERREADY;
            if (!clicked) clicked = PressScan();
            if (!ready && GetTickCount() - start >= static_cast<DWORD>(o_.timeoutSeconds) * 1000u) {
                std::printf("no MSG_XFERREADY within %d s\n", o_.timeoutSeconds);
                break;
            }
        }
        KillTimer(nullptr, timer);
        if (ready) std::printf("event: MSG_XFERREADY\n");
        return ready;
    }

    // The script's last steps may still be under way: messages are pumped
    // until it ends, within the time-out.
    void AwaitDriver() {
        const DWORD start = GetTickCount();
        const DWORD limit = static_cast<DWORD>(o_.timeoutSeconds) * 1000u;
        while (!driver_->Done() && GetTickCount() - start < limit) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
    }

    // The source's dialog, once shown, gets a click on Scan, its default
    // button, through the message loop like any click.
    bool PressScan() {
        const std::string title(source_.ProductName, strnlen(source_.ProductName, 34));
        HWND dialog = FindWindowA("#32770", title.c_str());
        if (dialog == nullptr || !IsWindowVisible(dialog)) return false;
        std::printf("pressing Scan\n");
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
        return true;
    }

    // State 6 on: page after page until MSG_ENDXFER answers Count 0.
    bool TransferPages() {
        if (o_.probe && !ProbeStateSix()) return false;
        if (o_.resetAtReady) return Reset("at MSG_XFERREADY");
        for (;;) {
            TW_IMAGEINFO info{};
            if (Image(DAT_IMAGEINFO, MSG_GET, &info) != TWRC_SUCCESS) return Abandon();
            const int number = pages_ + 1;
            Fetched page;
            page.path = o_.out + "/page-" + std::to_string(number) + ".bmp";
            bool fetched = false;
            switch (o_.mechanism) {
                case Mechanism::Native:
                    fetched = Native(page);
                    break;
                case Mechanism::Memory:
                    fetched = Memory(info, page);
                    break;
                case Mechanism::File:
                    fetched = File(page);
                    break;
            }
            if (!fetched || (o_.probe && !ProbeStateSeven(info))) return Abandon();
            TW_PENDINGXFERS pending{};
            if (Control(DAT_PENDINGXFERS, MSG_ENDXFER, &pending) != TWRC_SUCCESS) return false;
            if (page.ended) {
                std::printf("page %d: MSG_ENDXFER after %d strips, Count %u\n", number,
                            o_.endAfterStrips, pending.Count);
            } else if (page.refused) {
                ++refusedFiles_;
                std::printf("page %d: no file, MSG_ENDXFER Count %u\n", number, pending.Count);
            } else {
                ++pages_;
                std::printf("page %d: %d x %d, %g x %g dpi, %s, %d bits, %" PRIu64 " bytes, %s\n",
                            number, info.ImageWidth, info.ImageLength, Real(info.XResolution),
                            Real(info.YResolution), PixelTypeName(info.PixelType),
                            info.BitsPerPixel, page.bytes, page.path.c_str());
            }
            std::fflush(stdout);
            if (pending.Count == 0) break;
        }
        return !o_.resetAfterEnd || Reset("after the last MSG_ENDXFER");
    }

    // A page that could not be had: the cycle ends, the run fails.
    bool Abandon() {
        Reset("after a failure");
        return false;
    }

    bool Reset(const char* when) {
        TW_PENDINGXFERS pending{};
        const TW_UINT16 rc = Control(DAT_PENDINGXFERS, MSG_RESET, &pending);
        std::printf("MSG_RESET %s: rc %u, Count %u\n", when, rc, pending.Count);
        return rc == TWRC_SUCCESS;
    }

    bool ProbeStateSix() {
        TW_UINT32 group = 0;
        if (Control(DAT_XFERGROUP, MSG_GET, &group) != TWRC_SUCCESS) return false;
        std::printf("state 6: DAT_XFERGROUP 0x%lx\n", static_cast<unsigned long>(group));
        TW_CAPABILITY mech{ICAP_XFERMECH, TWON_DONTCARE16, nullptr};
        if (Control(DAT_CAPABILITY, MSG_GETCURRENT, &mech) != TWRC_SUCCESS) return false;
        const auto* value = static_cast<const TW_ONEVALUE*>(GlobalLock(mech.hContainer));
        if (value == nullptr) return false;
        std::printf("state 6: ICAP_XFERMECH %lu\n", static_cast<unsigned long>(value->Item));
        GlobalUnlock(mech.hContainer);
        GlobalFree(mech.hContainer);
        TW_PENDINGXFERS pending{};
        if (Control(DAT_PENDINGXFERS, MSG_GET, &pending) != TWRC_SUCCESS) return false;
        std::printf("state 6: DAT_PENDINGXFERS Count %u\n", pending.Count);
        return true;
    }

    bool ProbeStateSeven(const TW_IMAGEINFO& six) {
        TW_IMAGEINFO seven;
        std::memset(&seven, 0xFF, sizeof seven);
        if (Image(DAT_IMAGEINFO, MSG_GET, &seven) != TWRC_SUCCESS) return false;
        const bool same = std::memcmp(&six, &seven, sizeof six) == 0;
        std::printf("state 7: DAT_IMAGEINFO %s\n", same ? "as in state 6" : "differs from state 6");
        return same;
    }

    bool Native(Fetched& page) {
        // Filled with a pattern first: a handle written only in part is no
        // block at all.
        TW_HANDLE handle;
        std::memset(&handle, 0xA5, sizeof handle);
        if (Image(DAT_IMAGENATIVEXFER, MSG_GET, &handle, TWRC_XFERDONE) != TWRC_XFERDONE) {
            return false;
        }
        const SIZE_T size = GlobalSize(handle);
        const auto* dib = static_cast<const uint8_t*>(GlobalLock(handle));
        if (size == 0 || dib == nullptr) {
            std::printf("the native handle (%u bytes) is not a memory block\n",
                        static_cast<unsigned>(sizeof handle));
            return false;
        }
        std::printf("native: a handle of %u bytes to a block of %lu bytes\n",
                    static_cast<unsigned>(sizeof handle), static_cast<unsigned long>(size));
        const std::vector<uint8_t> bmp = BmpFromPackedDib({dib, size});
        GlobalUnlock(handle);
        GlobalFree(handle);
        if (bmp.empty()) {
            std::printf("the native transfer is not a DIB\n");
            return false;
        }
        page.bytes = bmp.size() - 14;
        return Save(page.path, bmp);
    }

    TW_UINT32 StripSize(const TW_SETUPMEMXFER& setup) const {
        if (o_.strip == "min") return setup.MinBufSize;
        if (o_.strip == "max") return setup.MaxBufSize;
        if (o_.strip == "preferred") return setup.Preferred;
        return static_cast<TW_UINT32>(std::stoul(o_.strip));
    }

    bool Memory(const TW_IMAGEINFO& info, Fetched& page) {
        TW_SETUPMEMXFER setup{};
        if (Control(DAT_SETUPMEMXFER, MSG_GET, &setup) != TWRC_SUCCESS) return false;
        TW_PALETTE8 palette{};
        if (info.PixelType == TWPT_PALETTE &&
            Image(DAT_PALETTE8, MSG_GET, &palette) != TWRC_SUCCESS) {
            return false;
        }
        const TW_UINT32 size = StripSize(setup);
        std::vector<uint8_t> plain(o_.handle ? 0 : size);
        HGLOBAL block = o_.handle ? GlobalAlloc(GHND, size) : nullptr;
        if (o_.handle && block == nullptr) return false;
        TW_IMAGEMEMXFER xfer{};
        // A strip into the buffer; a further one may follow (TWRC_SUCCESS).
        const auto strip = [&](TW_UINT32 length, TW_UINT16 expected) {
            xfer = TW_IMAGEMEMXFER{};
            xfer.Memory.Flags = TWMF_APPOWNS | (o_.handle ? TWMF_HANDLE : TWMF_POINTER);
            xfer.Memory.Length = length;
            xfer.Memory.TheMem = o_.handle ? static_cast<TW_MEMREF>(block) : plain.data();
            return Image(DAT_IMAGEMEMXFER, MSG_GET, &xfer, expected);
        };
        bool ok = true;
        if (o_.shortBufferFirst) {
            const TW_UINT16 rc = strip(setup.MinBufSize - 1, TWRC_FAILURE);
            std::printf("a strip of %lu bytes: rc %u cc %u\n",
                        static_cast<unsigned long>(setup.MinBufSize - 1), rc,
                        rc == TWRC_SUCCESS ? TWCC_SUCCESS : dsm_.ConditionCode(&source_));
            ok = rc == TWRC_FAILURE;
        }
        StripPage assembled(info, palette);
        int strips = 0;
        for (TW_UINT16 rc = TWRC_SUCCESS; ok && rc == TWRC_SUCCESS;) {
            rc = strip(size, TWRC_XFERDONE);
            if (rc != TWRC_SUCCESS && rc != TWRC_XFERDONE) {
                ok = false;
                break;
            }
            const auto* data =
                static_cast<const uint8_t*>(o_.handle ? GlobalLock(block) : plain.data());
            std::string error;
            ok = data != nullptr && assembled.Add(xfer, data, error);
            if (o_.handle && data != nullptr) GlobalUnlock(block);
            if (!ok) std::printf("strip %d: %s\n", strips + 1, error.c_str());
            page.bytes += xfer.BytesWritten;
            ++strips;
            if (rc == TWRC_SUCCESS && strips == o_.endAfterStrips) {
                page.ended = true;
                break;
            }
            if (rc == TWRC_SUCCESS && strips > info.ImageLength) {
                std::printf("more strips than rows\n");
                ok = false;
            }
        }
        if (block != nullptr) GlobalFree(block);
        if (!ok || page.ended) return ok;
        if (!assembled.Complete()) {
            std::printf("%u rows of %d received\n", assembled.Rows(), info.ImageLength);
            return false;
        }
        return Save(page.path, assembled.Bmp());
    }

    // A refused file transfer is reported and the page ended as usual. The
    // size is of the name as this process resolves it: a relative name, or
    // a file chosen in the source's save dialog, may be elsewhere.
    bool File(Fetched& page) {
        if (!o_.fileName.empty()) page.path = o_.fileName;
        TW_SETUPFILEXFER setup{};
        std::memcpy(setup.FileName, page.path.c_str(),
                    std::min(page.path.size(), sizeof setup.FileName - 1));
        setup.Format = o_.fileFormat;
        if (Control(DAT_SETUPFILEXFER, MSG_SET, &setup) != TWRC_SUCCESS) return false;
        const TW_UINT16 rc = Image(DAT_IMAGEFILEXFER, MSG_GET, nullptr, TWRC_XFERDONE);
        if (rc != TWRC_XFERDONE) {
            page.refused = true;
            return rc == TWRC_FAILURE || rc == TWRC_CANCEL;
        }
        const long long size = FileSize(page.path);
        if (size < 0) {
            std::printf("file transfer done, nothing at %s\n", page.path.c_str());
            return true;
        }
        page.bytes = static_cast<unsigned long long>(size);
        return true;
    }

    bool Save(const std::string& path, const std::vector<uint8_t>& bmp) {
        if (WriteBytes(path, bmp)) return true;
        std::printf("cannot write %s\n", path.c_str());
        return false;
    }

    DsmClient& dsm_;
    const AcquireOptions& o_;
    DialogDriver* driver_;
    TW_IDENTITY source_{};
    int pages_ = 0;
    int refusedFiles_ = 0;
};

}  // namespace

int RunAcquire(DsmClient& dsm, const AcquireOptions& options,
               const std::vector<ScriptStep>& script) {
    std::unique_ptr<DialogDriver> driver;
    if (!script.empty()) driver = std::make_unique<DialogDriver>(script);
    Acquisition acquisition(dsm, options, driver.get());
    const bool ok = acquisition.Run();
    std::fflush(stdout);
    return ok ? 0 : 1;
}

}  // namespace z8scan
