#include "SharedConfig.h"

SharedConfig& sharedConfig() {
    static SharedConfig config;
    return config;
}
