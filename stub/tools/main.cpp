// stubpack: writes, lists, verifies and extracts the packages that the stub carries.
#include "tools/StubpackCommand.h"

#include <iostream>

int main(int argc, char** argv) {
    return stub::RunStubpack(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
