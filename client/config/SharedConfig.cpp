#include "config/SharedConfig.h"

SharedConfig& sharedConfig() {
    static SharedConfig config;
    return config;
}
