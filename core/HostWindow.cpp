#include "core/HostWindow.h"

namespace ombrix {

namespace {
HostWindow* g_host = nullptr;
}

HostWindow& Host() {
    static SilentHostWindow silent;
    return g_host ? *g_host : silent;
}

void InstallHost(HostWindow* host) {
    g_host = host;
}

} // namespace ombrix
