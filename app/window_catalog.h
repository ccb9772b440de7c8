#pragma once

namespace nimbaro {

class WindowRegistry;

// Registers the factory of every window the program has, the main menu among them.
void registerWindows(WindowRegistry& registry);

}  // namespace nimbaro
