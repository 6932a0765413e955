#include "core/Chronos.h"

#include <QtGlobal>
#include <cstdio>

namespace Chronos {

bool actif() {
    static const bool oui = qEnvironmentVariableIsSet("VITRALOG_TIMINGS");
    return oui;
}

void noter(const char* nom, long long ms) {
    if (actif()) std::fprintf(stderr, "vitralog-timing: %s %lld\n", nom, ms);
}

}  // namespace Chronos
