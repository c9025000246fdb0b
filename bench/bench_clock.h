#pragma once
// Clocks for figures that must hold on a loaded machine: CPU time counts only what this thread
// or process ran, not the time it waited while others ran.

namespace kovrin::bench {

// Seconds of CPU time this thread has used.
double threadCpuSeconds();

// Seconds of CPU time this process has used, all threads.
double processCpuSeconds();

// Seconds on the monotonic clock, comparable between processes of one machine.
double monotonicSeconds();

} // namespace kovrin::bench
