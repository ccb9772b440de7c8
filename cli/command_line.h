#pragma once

namespace nimbaro::cli {

// Parses a command line and runs what it asks for; the exit status. Throws a Failure for a
// usage or input error.
int runCommandLine(int argc, char** argv);

}  // namespace nimbaro::cli
