// The filter-tree loader on any bytes: parsing never crashes, a parsed tree
// writes out and reads back as the same text, and filter arrays load from it
// in both modes and save again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "debuglog/application_path.h"
#include "debuglog/debug_filter_array.h"
#include "debuglog/xml_config.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Output files of loaded filters would land in a folder that does not
    // exist: their opening fails, and nothing is written.
    static const bool once = [] {
        z8::SetLogApplicationPath("/nonexistent-z8-fuzz/fuzz");
        return true;
    }();
    (void)once;

    const auto parsed = z8::ParseXml(std::string_view(reinterpret_cast<const char*>(data), size));
    if (parsed.root == nullptr) {
        if (parsed.error.empty()) {
            std::abort();
        }
        return 0;
    }
    std::string text;
    std::string error;
    if (!z8::WriteXml(*parsed.root, text, error)) {
        std::abort();
    }
    const auto again = z8::ParseXml(text);
    std::string textAgain;
    if (again.root == nullptr || !z8::WriteXml(*again.root, textAgain, error) ||
        textAgain != text) {
        std::abort();
    }

    z8::CDebugFilterArray filters;
    filters.Load(parsed.root.get());
    filters.SetNamed(false);
    filters.Load(parsed.root.get());
    const auto holder = z8::XmlConfigDocument().CreateElement("Holder");
    const auto saved = filters.Save(*holder);
    if (saved != nullptr) {
        z8::WriteXml(*saved, text, error);
    }
    return 0;
}
