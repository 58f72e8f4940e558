#include "tests/integration/profile_probe/profile_script.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <iomanip>
#include <sstream>

#include "settings/profile_file.h"
#include "settings/scan_settings.h"
#include "twain/fix32.h"

namespace z8::probe {
namespace {

constexpr char kDefaultName[] =
    "Par d\xE9"
    "faut";

class FixedPaths final : public SystemPaths {
public:
    std::string WindowsDirectory() const override { return "C:\\windows"; }
};

// Printable ASCII as is, anything else as \xNN, so transcripts stay ASCII.
std::string Escape(std::string_view text) {
    std::ostringstream out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '\\')
            out << c;
        else
            out << "\\x" << std::hex << std::setw(2) << std::setfill('0') << unsigned{byte};
    }
    return out.str();
}

std::string Fix(TW_FIX32 value) {
    return std::to_string(value.Whole) + "/" + std::to_string(value.Frac);
}

std::string Frame(const TW_FRAME& f) {
    return Fix(f.Left) + " " + Fix(f.Top) + " " + Fix(f.Right) + " " + Fix(f.Bottom);
}

std::string Summary(const CScanSettings& s) {
    std::ostringstream out;
    out << "type " << s.PixelType() << " depth " << s.BitDepth() << " dpi " << Fix(s.XResolution())
        << "x" << Fix(s.YResolution()) << " rgb " << int{s.Red()} << "/" << int{s.Green()} << "/"
        << int{s.Blue()} << " contrast " << Fix(s.Contrast()) << " brightness "
        << Fix(s.Brightness()) << " mirrorH " << s.MirrorH() << " mirrorV " << s.MirrorV()
        << " invert " << s.Invert() << " filter " << s.FilterIndex();
    return out.str();
}

// The listing's answer and the bytes up to and including its final zero.
std::string Listing(ProfileStore& store, uint32_t size, const char* file) {
    char buffer[200];
    std::memset(buffer, '#', sizeof buffer);
    const uint32_t n = store.GetSectionNames(buffer, size, file);
    std::string shown;
    for (uint32_t i = 0; i <= n && i < size; ++i)
        shown += buffer[i] == '\0' ? std::string("|") : Escape(std::string_view(buffer + i, 1));
    return std::to_string(n) + " " + shown;
}

std::string Get(ProfileStore& store, const char* section, const char* key, const char* def,
                uint32_t size, const char* file) {
    char buffer[64];
    std::memset(buffer, '#', sizeof buffer);
    const uint32_t n = store.GetString(section, key, def, buffer, size, file);
    return std::to_string(n) + " [" + Escape(std::string_view(buffer, strnlen(buffer, size))) + "]";
}

}  // namespace

std::string RunProfileScript(ProfileStore& store) {
    std::ostringstream out;
    const FixedPaths paths;
    ProfileFile profiles(store, kDefaultName);
    const char* file = kProfileFileName;

    out << "# first start, no file\n";
    out << "listing " << Listing(store, 150, file) << "\n";
    CScanSettings first(paths);
    profiles.ApplyProfile(kDefaultProfileIndex, first);
    out << "apply 4: " << Summary(first) << "\n";
    profiles.EnsureDefaultProfile();
    out << "after EnsureDefaultProfile: listing " << Listing(store, 150, file) << "\n";

    out << "# Photo: grey at 300 dpi, red -20\n";
    CScanSettings photo(paths);
    photo.SetPixelType(TWPT_GRAY);
    photo.SetXResolutionIndex(4);
    photo.SetYResolutionIndex(4);
    photo.SetRed(-20);
    out << "store Photo: " << profiles.StoreProfile("Photo", photo) << "\n";
    for (const char* bad : {"", "a]b", "a=b", "a\r\nb", "tab\tname", " lead", "trail ",
                            "PRESELECTIONS", "Job_Default"})
        out << "store [" << Escape(bad) << "]: " << profiles.StoreProfile(bad, photo) << "\n";

    out << "# the default profile, stored at Scan\n";
    CScanSettings scan(paths);
    scan.SetPixelType(TWPT_RGB);
    scan.SetXResolutionDpi(150);
    scan.SetYResolutionDpi(600);
    scan.SetGreen(7);
    scan.SetBlue(-100);
    scan.SetContrast(FloatToFix32(-2.5f));
    scan.SetBrightness(FloatToFix32(-30.5f));
    scan.SetInvert(1);
    scan.SetMirrorH(1);
    scan.SetFilterIndex(3);
    out << "store default: " << profiles.StoreProfile(kDefaultName, scan) << "\n";
    for (const uint32_t size : {150u, 22u, 21u, 20u, 7u, 6u, 3u, 2u, 1u})
        out << "listing(" << size << ") " << Listing(store, size, file) << "\n";
    profiles.EnsureDefaultProfile();
    out << "after EnsureDefaultProfile: listing " << Listing(store, 150, file) << "\n";

    out << "# applying list entries, from red 50 and inversion on\n";
    const std::pair<int, const char*> entries[] = {{0, "Ecran/Internet"},
                                                   {1, "Imprimante"},
                                                   {2, "Fax noir et blanc"},
                                                   {3, "OCR"},
                                                   {4, kDefaultName},
                                                   {5, "photo"},
                                                   {9, "PHOTO"},
                                                   {6, "Absent"},
                                                   {-1, ""}};
    for (const auto& [index, name] : entries) {
        CScanSettings s(paths);
        s.SetRed(50);
        s.SetInvert(1);
        profiles.ApplyProfile(index, s, name);
        out << "apply " << index << " [" << Escape(name) << "]: " << Summary(s) << "\n";
    }

    out << "# odd stored values, from red 12\n";
    const auto applyPhoto = [&](const char* key, const char* value) {
        store.WriteString("Photo", key, value, file);
        CScanSettings s(paths);
        s.SetRed(12);
        profiles.ApplyProfile(5, s, "Photo");
        out << key << "=" << value << ": " << Summary(s) << "\n";
    };
    applyPhoto("ROUGE", "300");
    applyPhoto("ROUGE", "150");
    applyPhoto("ROUGE", "-100");
    applyPhoto("XRESOLUTION", "250");
    applyPhoto("YRESOLUTION", "70000");
    applyPhoto("COULEUR", "7");
    applyPhoto("COULEUR", "65536");
    applyPhoto("COULEUR", "0");
    applyPhoto("LUMINOSITE", "-40000");
    applyPhoto("CONTRASTE", "'-3'");
    applyPhoto("MIROIRH", "65537");
    applyPhoto("FILTRE", "-1");

    out << "# integers (default 77)\n";
    for (const char* text : {"-20",
                             "+7",
                             "12abc",
                             "abc",
                             "",
                             "   ",
                             "4294967297",
                             "-2147483649",
                             "0x1F",
                             "0X1F",
                             "-0x10",
                             "0b101",
                             "0o17",
                             "08",
                             "1e3",
                             "'-6'",
                             "\"5\"",
                             "\"7",
                             "- 5",
                             "--5",
                             "99999999999999999999999999999999999"}) {
        store.WriteString("Numbers", "n", text, file);
        out << "[" << Escape(text) << "] "
            << static_cast<int32_t>(store.GetInt("Numbers", "n", 77, file)) << "\n";
    }
    out << "missing key: " << static_cast<int32_t>(store.GetInt("Numbers", "none", -9, file))
        << "\n";
    out << "missing section: " << static_cast<int32_t>(store.GetInt("None", "n", -9, file)) << "\n";

    out << "# lookups\n";
    store.WriteString("Texts", "single", "'quoted'", file);
    store.WriteString("Texts", "double", "\"abc\"", file);
    store.WriteString("Texts", "padded", "   padded", file);
    store.WriteString("  Texts ", " spaced ", "trimmed names", file);
    store.WriteString("Texts", "empty", "", file);
    out << "photo/PHOTO " << Get(store, "photo", "PHOTO", "def", 64, file) << "\n";
    out << "accents "
        << Get(store,
               "PAR D\xC9"
               "FAUT",
               "XRESOLUTION", "def", 64, file)
        << "\n";
    out << "missing " << Get(store, "Photo", "none", "dflt  ", 64, file) << "\n";
    out << "missing, no default " << Get(store, "Photo", "none", nullptr, 64, file) << "\n";
    out << "quoted default " << Get(store, "Photo", "none", "'q'", 64, file) << "\n";
    out << "single " << Get(store, "Texts", "single", "def", 64, file) << "\n";
    for (const uint32_t size : {64u, 5u, 4u, 3u, 1u})
        out << "double(" << size << ") " << Get(store, "Texts", "double", "def", size, file)
            << "\n";
    out << "padded " << Get(store, "Texts", "padded", "def", 64, file) << "\n";
    out << "spaced " << Get(store, "texts", "spaced", "def", 64, file) << "\n";
    out << "empty " << Get(store, "Texts", "empty", "def", 64, file) << "\n";
    out << "truncated(3) " << Get(store, "Photo", "Photo", "def", 3, file) << "\n";
    out << "no section " << Get(store, nullptr, nullptr, "def", 64, file) << "\n";
    out << "unchanged write: " << store.WriteString("Photo", "VERT", "0", file) << "\n";

    out << "# deleting\n";
    out << "store Nuit: " << profiles.StoreProfile("Nuit", photo) << "\n";
    out << "listing " << Listing(store, 150, file) << "\n";
    out << "delete nuit: " << store.WriteString("nuit", nullptr, nullptr, file) << "\n";
    out << "delete Numbers: " << store.WriteString("Numbers", nullptr, nullptr, file) << "\n";
    out << "delete Absent: " << store.WriteString("Absent", nullptr, nullptr, file) << "\n";
    out << "delete Photo filtre: " << store.WriteString("Photo", "filtre", nullptr, file) << "\n";
    out << "delete Photo absent: " << store.WriteString("Photo", "absent", nullptr, file) << "\n";
    out << "Photo FILTRE " << Get(store, "Photo", "FILTRE", "gone", 64, file) << "\n";
    out << "listing " << Listing(store, 150, file) << "\n";
    out << "[PRESELECTIONS] DEFAULT " << Get(store, "PRESELECTIONS", "DEFAULT", "", 20, file)
        << "\n";
    return out.str();
}

std::string RunParsingScript(ProfileStore& store) {
    std::ostringstream out;
    const char* file = kParsingFile;
    out << "listing " << Listing(store, 150, file) << "\n";
    const char* const lookups[][2] = {
        {"", "top"},  {"A", "k1"}, {"a", "K2"},     {"A", "k3"},   {"A", "k4"},   {"A", "noeq"},
        {"A", ";c"},  {"A", ""},   {"B", "x"},      {"B", "[abc"}, {"abc", "x"},  {"B", "y"},
        {"C", "dup"}, {"D", "t"},  {"E", "q"},      {"E", "q2"},   {"E", "lone"}, {"F", "z"},
        {"F ", "z"},  {"G", "sp"}, {"Sp ace", "k"}, {"H", "n"},    {"H", "m"},
    };
    for (const auto& [section, key] : lookups)
        out << "[" << Escape(section) << "] " << Escape(key) << " "
            << Get(store, section, key, "<def>", 64, file) << "\n";
    out << "int [H] n " << static_cast<int32_t>(store.GetInt("H", "n", 5, file)) << "\n";
    out << "int [H] m " << static_cast<int32_t>(store.GetInt("H", "m", 5, file)) << "\n";
    // None of these changes anything, so none rewrites the file.
    out << "same value: " << store.WriteString("A", "k1", "v1", file) << "\n";
    out << "absent section: " << store.WriteString("Absent", nullptr, nullptr, file) << "\n";
    out << "absent key: " << store.WriteString("A", "absent", nullptr, file) << "\n";
    return out.str();
}

std::string RunRewriteScript(ProfileStore& store) {
    std::ostringstream out;
    out << "write: " << store.WriteString("A", "added", "1", kParsingFile) << "\n";
    return out.str();
}

std::string RunArithmeticScript() {
    std::ostringstream out;
    const auto bits = [](float f) {
        std::ostringstream s;
        s << std::hex << std::setw(8) << std::setfill('0') << std::bit_cast<uint32_t>(f);
        return s.str();
    };

    out << "# FloatToFix32\n";
    for (const float x : {0.1f,
                          -0.1f,
                          -100.0f,
                          0.5f,
                          -0.5f,
                          1.0f / 131072.0f,
                          -1.0f / 131072.0f,
                          2.54f,
                          0.39370078f,
                          8.27f,
                          11.7f,
                          21.0058f,
                          29.718f,
                          -2.5f,
                          -30.5f,
                          32767.99f,
                          32767.999f,
                          32768.0f,
                          -32768.0f,
                          -32768.00001f,
                          -32769.0f,
                          1e10f,
                          -1e10f,
                          std::nanf("")})
        out << bits(x) << " -> " << Fix(FloatToFix32(x)) << "\n";
    out << "# Fix32ToFloat\n";
    for (const TW_FIX32 v : {TW_FIX32{11, 45875}, TW_FIX32{-1, 65535}, TW_FIX32{32767, 65535},
                             TW_FIX32{-32768, 1}, TW_FIX32{31, 32509}, TW_FIX32{0, 1}})
        out << Fix(v) << " -> " << bits(Fix32ToFloat(v)) << "\n";

    const FixedPaths paths;
    const auto show = [&](const char* what, const CScanSettings& s) {
        out << what << ": image " << Frame(s.GetLayout().Frame) << " physical "
            << Frame(s.GetPhysicalLayout().Frame) << " px " << s.LeftInPixels() << " "
            << s.TopInPixels() << " " << s.RightInPixels() << " " << s.BottomInPixels() << " px80 "
            << s.PhysicalLeftInPixels80() << " " << s.PhysicalTopInPixels80() << " "
            << s.PhysicalRightInPixels80() << " " << s.PhysicalBottomInPixels80() << "\n";
    };

    out << "# per resolution: A4 in inches, then converted and reset in each unit\n";
    for (int index = 0; index < kResolutionCount; ++index) {
        out << "dpi " << CScanSettings::ResolutionEntry(index) << "\n";
        for (const TW_UINT16 unit : {TWUN_INCHES, TWUN_CENTIMETERS, TWUN_PIXELS}) {
            CScanSettings s(paths);
            s.SetXResolutionIndex(index);
            s.SetYResolutionIndex(8 - index);
            s.ConvertUnits(unit);
            show(("unit " + std::to_string(unit) + " converted").c_str(), s);
            out << "resolution " << Fix(s.GetXResolution()) << " " << Fix(s.GetYResolution())
                << "\n";
            s.ResetLayout();
            show("reset", s);
            s.SetLeftPixels(37);
            s.SetTopPixels(-5);
            s.SetRightPixels(1234);
            s.SetBottomPixels(32767);
            s.ComputePixelFrame();
            show("from pixels", s);
            out << "frame " << Frame(s.PixelFrame()) << " width " << s.ImageWidth() << " height "
                << s.ImageHeight() << "\n";
        }
    }

    out << "# unit cycles\n";
    for (const int index : {1, 4, 7}) {
        CScanSettings s(paths);
        s.SetXResolutionIndex(index);
        s.SetYResolutionIndex(index + 1);
        for (const TW_UINT16 unit : {TWUN_CENTIMETERS, TWUN_PIXELS, TWUN_INCHES, TWUN_PIXELS,
                                     TWUN_CENTIMETERS, TWUN_INCHES}) {
            s.ConvertUnits(unit);
            show(("to " + std::to_string(unit)).c_str(), s);
        }
    }

    out << "# resolutions set in centimetres\n";
    for (const float r : {300.0f, 118.11f, 31.496f, 0.5f, 12000.0f}) {
        CScanSettings s(paths);
        s.ConvertUnits(TWUN_CENTIMETERS);
        s.SetXResolution(FloatToFix32(r));
        out << bits(r) << " -> " << Fix(s.XResolution()) << " reads " << Fix(s.GetXResolution())
            << "\n";
    }
    return out.str();
}

}  // namespace z8::probe
