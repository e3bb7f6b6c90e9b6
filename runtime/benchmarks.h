// Start-up marks for the benchmark, written only when it asks (VCONFIG_BENCH_MARKS names the
// file); otherwise each call costs one look at the environment, the first time.
#pragma once

// Records the moment; "ready" writes the file: the thread's id, then "name counter" lines of
// the performance counter. Each mark also shows in a trace of the Wine server's requests.
void BenchMark(const char* name);
// Whether marks are written (also asked by the bench's baseline).
bool BenchMarksOn();
