// A product the update agent shuts down and restarts: each start appends "started <pid>" to
// $STUBTEST_PRODUCT_LOG, then it runs until signalled (at most ten minutes).
#include <cstdlib>
#include <fstream>
#include <unistd.h>

int main() {
    if (const char* log = std::getenv("STUBTEST_PRODUCT_LOG"))
        std::ofstream(log, std::ios::app) << "started " << getpid() << "\n";
    for (int i = 0; i < 600; ++i)
        sleep(1);
    return 0;
}
