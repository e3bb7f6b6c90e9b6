// Start-up marks for the benchmark.
#include "benchmarks.h"

#include <windows.h>

namespace {

constexpr int kMaxMarks = 16;
struct TMark {
  const char* name;
  LARGE_INTEGER at;
};
TMark gMarks[kMaxMarks];
int gCount;
enum : char { kUnknown, kOff, kOn } gState;
char gPath[MAX_PATH];

void Write(HANDLE file, const char* text) {
  DWORD written;
  WriteFile(file, text, static_cast<DWORD>(lstrlenA(text)), &written, nullptr);
}

}  // namespace

bool BenchMarksOn() {
  if (gState == kUnknown) {
    DWORD n = GetEnvironmentVariableA("VCONFIG_BENCH_MARKS", gPath, MAX_PATH);
    gState = n > 0 && n < MAX_PATH ? kOn : kOff;
  }
  return gState == kOn;
}

void BenchMark(const char* name) {
  if (!BenchMarksOn() || gCount == kMaxMarks) return;
  TMark& mark = gMarks[gCount++];
  mark.name = name;
  QueryPerformanceCounter(&mark.at);
  char atom[64] = "bench-mark-";
  lstrcpynA(atom + 11, name, sizeof atom - 11);
  GlobalDeleteAtom(
      GlobalAddAtomA(atom));  // an add_atom request with this name marks the place in a trace
  if (lstrcmpA(name, "ready") != 0) return;
  HANDLE file = CreateFileA(gPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  char line[96];
  wsprintfA(line, "thread %lx\r\n", GetCurrentThreadId());
  Write(file, line);
  for (int i = 0; i < gCount; ++i) {
    wsprintfA(line, "%s %lu %lu\r\n", gMarks[i].name,
              static_cast<unsigned long>(gMarks[i].at.HighPart),
              static_cast<unsigned long>(gMarks[i].at.LowPart));
    Write(file, line);
  }
  CloseHandle(file);
}
