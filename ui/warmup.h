// Two first uses that cost the start more than anything else before the
// input window's first paint, made on a second thread while the main
// thread connects to the display and builds the window:
//  - fontconfig's configuration (some sixty XML files) and its font
//    caches, which Qt reads when the first font is resolved;
//  - libthai's word-break dictionary (600 KB of trie), which Qt reads at
//    the first layout of Thai text.
// Neither may be started a second time from the main thread while the
// first is under way (fontconfig would do its work twice, libthai's shared
// dictionary is not safe to create from two threads), so the main thread
// waits for each before its own first use.
#pragma once

#include <future>
#include <thread>

namespace morvane {

class StartWarmUp
{
public:
    StartWarmUp();
    ~StartWarmUp();
    StartWarmUp(const StartWarmUp &) = delete;
    StartWarmUp &operator=(const StartWarmUp &) = delete;

    // Before the first font is resolved.
    void waitForFonts();
    // Before anything lays out Thai text; also ends the thread.
    void waitForThaiBreaks();

private:
    std::promise<void> fontsRead_;
    std::future<void> fonts_;
    std::thread thread_;
};

}  // namespace morvane
