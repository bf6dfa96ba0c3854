// The registrar simulator that the command-line tests talk to over loopback: started in this
// process on Linux; on Windows the Linux build's simulator, started by the test fixture.
#pragma once

#include <string>

namespace testing_support {

// "http://127.0.0.1:PORT", or empty when no simulator runs for these tests.
std::string TestRegistrarUrl();

}  // namespace testing_support
