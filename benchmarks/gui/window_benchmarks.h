#pragma once

namespace nimbaro {

class WindowRegistry;

namespace test {
class MessageCatcher;
}

namespace bench {

struct LaunchableWindows;

// frmHome built and shown; every window launched until drawn, and closed; one click of each
// of its compute buttons, from typed text to drawn, formatted labels. A message box fails the
// click's benchmark; `messages` dismisses it.
void registerWindowBenchmarks(WindowRegistry& registry, double firstHomeMilliseconds,
                              const LaunchableWindows& windows,
                              const test::MessageCatcher& messages);

}  // namespace bench
}  // namespace nimbaro
