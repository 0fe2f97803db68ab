#include "warmup.h"

#include <dlfcn.h>

#include <cstddef>
#include <system_error>

namespace morvane {
namespace {

// The libraries Qt itself uses, already loaded with it or loaded the way Qt
// loads them: the same instances, so the same configuration and dictionary.
// The handles stay open, as Qt's do.
template <typename Function>
Function symbol(const char *library, const char *name)
{
    void *handle = dlopen(library, RTLD_NOW | RTLD_LOCAL);
    return handle ? reinterpret_cast<Function>(dlsym(handle, name)) : nullptr;
}

void readFontConfiguration()
{
    if (const auto init = symbol<int (*)()>("libfontconfig.so.1", "FcInit"))
        init();
}

void readThaiDictionary()
{
    // Without libthai Qt breaks Thai at spaces only, and there is nothing to read.
    if (const auto breaks = symbol<int (*)(const unsigned char *, int *, std::size_t)>("libthai.so.0", "th_brk")) {
        // "ทำนาย" in TIS-620, libthai's encoding; the first call reads the dictionary.
        const unsigned char word[] = {0xb7, 0xd3, 0xb9, 0xd2, 0xc2, 0};
        int positions[4];
        breaks(word, positions, 4);
    }
}

}  // namespace

StartWarmUp::StartWarmUp() : fonts_(fontsRead_.get_future())
{
    try {
        thread_ = std::thread([this] {
            readFontConfiguration();
            fontsRead_.set_value();
            readThaiDictionary();
        });
    } catch (const std::system_error &) {
        fonts_ = {};  // no second thread: the main thread reads both itself
    }
}

StartWarmUp::~StartWarmUp()
{
    waitForThaiBreaks();
}

void StartWarmUp::waitForFonts()
{
    if (fonts_.valid())
        fonts_.get();
}

void StartWarmUp::waitForThaiBreaks()
{
    if (thread_.joinable())
        thread_.join();
}

}  // namespace morvane
