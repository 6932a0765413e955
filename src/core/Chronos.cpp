#include "core/Chronos.h"

#include <QtGlobal>
#include <chrono>
#include <cstdio>

namespace Chronos {

bool actif() {
    static const bool oui = qEnvironmentVariableIsSet("VITRALOG_TIMINGS");
    return oui;
}

void noter(const char* nom, long long ms) {
    if (actif()) std::fprintf(stderr, "vitralog-timing: %s %lld\n", nom, ms);
}

void horodater(const char* nom) {
    if (!actif()) return;
    const auto us =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::system_clock::now().time_since_epoch());
    std::fprintf(stderr, "vitralog-timing: %s %lld\n", nom, static_cast<long long>(us.count()));
}

}  // namespace Chronos
