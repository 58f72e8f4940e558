// profile_probe MODE: runs one script of profile_script.h with the real Win32
// private-profile calls and prints its transcript. MODE is profiles, list,
// parse, rewrite or arithmetic.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/win32/profile_store_win32.h"
#include "tests/integration/profile_probe/profile_script.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: profile_probe profiles|list|parse|rewrite|arithmetic\n", stderr);
        return 2;
    }
    z8::Win32ProfileStore store;
    std::string transcript;
    if (std::strcmp(argv[1], "profiles") == 0) {
        transcript = z8::probe::RunProfileScript(store);
    } else if (std::strcmp(argv[1], "list") == 0) {
        transcript = z8::probe::RunProfileListScript(store);
    } else if (std::strcmp(argv[1], "parse") == 0) {
        transcript = z8::probe::RunParsingScript(store);
    } else if (std::strcmp(argv[1], "rewrite") == 0) {
        transcript = z8::probe::RunRewriteScript(store);
    } else if (std::strcmp(argv[1], "arithmetic") == 0) {
        transcript = z8::probe::RunArithmeticScript();
    } else {
        std::fprintf(stderr, "unknown mode %s\n", argv[1]);
        return 2;
    }
    // Byte for byte: no LF to CR LF translation.
    _setmode(_fileno(stdout), _O_BINARY);
    std::fwrite(transcript.data(), 1, transcript.size(), stdout);
    return 0;
}
