#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace stub {

// The stubpack command line (arguments without the program name); returns the exit status.
int RunStubpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace stub
