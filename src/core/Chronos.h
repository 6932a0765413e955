#pragma once

// The timings the benchmark script reads from stderr ("vitralog-timing: nom
// ms"), printed only when VITRALOG_TIMINGS is set in the environment.
namespace Chronos {

// The variable, read once.
bool actif();
// One line for scripts/bench; nothing when the timings are off.
void noter(const char* nom, long long ms);
// The wall clock in microseconds, for a delay whose start only the script
// knows (a key it typed).
void horodater(const char* nom);

}  // namespace Chronos
