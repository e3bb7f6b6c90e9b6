// Start-up harness: starts each program in turn (alternating, RUNS rounds), measures from
// CreateProcess to its window being visible with its last control present, reads its memory
// and GUI object counts at that moment, then ends it and waits for its end.
//
//   startbench RUNS LAST_ID NAME CLASS EXE [NAME CLASS EXE ...]
//
// Prints one line per program: NAME, then the start-up times in milliseconds (median, min,
// 10th and 90th percentile, max), private bytes, working set, GDI objects, USER objects
// (medians of the runs). Each program also writes its own start-up marks (runtime/benchmarks.h)
// into a file beside it; then "mark NAME MARK MS" lines give their medians, in milliseconds
// from CreateProcess, and "thread NAME ID" lines the GUI thread of each run.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct TProgram {
  std::string name, cls, exe;
  std::vector<double> ms;
  std::vector<double> privateBytes, workingSet, gdi, user;
  std::vector<std::string> markNames;
  std::vector<std::vector<double>> marks;  // per mark, per run
  std::vector<std::string> threads;
};

struct TSearch {
  DWORD pid;
  const char* cls;
  int lastId;
  HWND found;
};

BOOL CALLBACK FindLast(HWND w, LPARAM p) {
  auto* s = reinterpret_cast<TSearch*>(p);
  if (GetDlgCtrlID(w) == s->lastId) {
    s->found = w;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK FindForm(HWND w, LPARAM p) {
  auto* s = reinterpret_cast<TSearch*>(p);
  DWORD owner = 0;
  GetWindowThreadProcessId(w, &owner);
  char cls[64];
  if (owner != s->pid || !IsWindowVisible(w) || !GetClassNameA(w, cls, sizeof cls) ||
      lstrcmpA(cls, s->cls) != 0)
    return TRUE;
  HWND form = w;
  s->found = nullptr;
  EnumChildWindows(form, FindLast, p);
  if (s->found) {
    s->found = form;
    return FALSE;
  }
  return TRUE;
}

double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double Percentile(std::vector<double> v, double q) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[static_cast<size_t>(q * (v.size() - 1) + 0.5)];
}

// Private bytes as Windows counts them: committed memory that belongs to the process alone.
// (Wine's process counters leave PrivateUsage at zero.)
double PrivateBytes(HANDLE process) {
  double total = 0;
  MEMORY_BASIC_INFORMATION info;
  for (char* at = nullptr; VirtualQueryEx(process, at, &info, sizeof info) == sizeof info;) {
    if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE)
      total += static_cast<double>(info.RegionSize);
    char* next = static_cast<char*>(info.BaseAddress) + info.RegionSize;
    if (next <= at) break;
    at = next;
  }
  return total;
}

// The marks file the program writes once it is ready: "thread ID", then "MARK HIGH LOW".
void ReadMarks(TProgram& p, const std::string& path, const LARGE_INTEGER& t0,
               const LARGE_INTEGER& freq) {
  FILE* f = nullptr;
  for (int i = 0; i < 500 && !f; ++i) {  // written right after the window is ready
    f = fopen(path.c_str(), "r");
    if (!f) Sleep(10);
  }
  if (!f) return;
  char name[64];
  unsigned long high, low;
  if (fscanf(f, "thread %63s", name) == 1) p.threads.push_back(name);
  while (fscanf(f, "%63s %lu %lu", name, &high, &low) == 3) {
    double ms = 1000.0 *
                (static_cast<double>((static_cast<unsigned long long>(high) << 32) | low) -
                 static_cast<double>(t0.QuadPart)) /
                static_cast<double>(freq.QuadPart);
    size_t i = 0;
    while (i < p.markNames.size() && p.markNames[i] != name) ++i;
    if (i == p.markNames.size()) {
      p.markNames.push_back(name);
      p.marks.emplace_back();
    }
    p.marks[i].push_back(ms);
  }
  fclose(f);
}

bool RunOnce(TProgram& p, int lastId) {
  std::string folder = p.exe.substr(0, p.exe.find_last_of('\\') + 1);
  std::string marks = folder + "bench-marks.txt";
  DeleteFileA(marks.c_str());
  SetEnvironmentVariableA("VCONFIG_BENCH_MARKS", marks.c_str());
  std::string cmd = "\"" + p.exe + "\"";
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  LARGE_INTEGER freq, t0, t1;
  QueryPerformanceFrequency(&freq);
  QueryPerformanceCounter(&t0);
  if (!CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si,
                      &pi))
    return false;
  TSearch s = {pi.dwProcessId, p.cls.c_str(), lastId, nullptr};
  HWND form = nullptr;
  for (int i = 0; i < 30000 && !form; ++i) {
    s.found = nullptr;
    EnumWindows(FindForm, reinterpret_cast<LPARAM>(&s));
    form = s.found;
    if (!form) {
      if (WaitForSingleObject(pi.hProcess, 1) == WAIT_OBJECT_0) break;
    }
  }
  QueryPerformanceCounter(&t1);
  bool ok = form != nullptr;
  if (ok) {
    p.ms.push_back(1000.0 * (t1.QuadPart - t0.QuadPart) / freq.QuadPart);
    PROCESS_MEMORY_COUNTERS_EX mem = {};
    mem.cb = sizeof mem;
    GetProcessMemoryInfo(pi.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&mem), sizeof mem);
    p.privateBytes.push_back(PrivateBytes(pi.hProcess));
    p.workingSet.push_back(static_cast<double>(mem.WorkingSetSize));
    p.gdi.push_back(GetGuiResources(pi.hProcess, GR_GDIOBJECTS));
    p.user.push_back(GetGuiResources(pi.hProcess, GR_USEROBJECTS));
    ReadMarks(p, marks, t0, freq);
  }
  // Measured: nothing more is wanted of it.
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 6 || (argc - 3) % 3 != 0) {
    fprintf(stderr, "usage: startbench RUNS LAST_ID NAME CLASS EXE [NAME CLASS EXE ...]\n");
    return 2;
  }
  int runs = atoi(argv[1]);
  int lastId = static_cast<int>(strtol(argv[2], nullptr, 0));
  std::vector<TProgram> programs;
  for (int i = 3; i + 2 < argc; i += 3) {
    programs.emplace_back();
    programs.back().name = argv[i];
    programs.back().cls = argv[i + 1];
    programs.back().exe = argv[i + 2];
  }
  int failures = 0;
  for (int round = 0; round < runs; ++round)
    for (auto& p : programs)
      if (!RunOnce(p, lastId)) ++failures;
  for (auto& p : programs) {
    printf("%s %.1f %.1f %.1f %.1f %.1f %.0f %.0f %.0f %.0f %zu\n", p.name.c_str(), Median(p.ms),
           Percentile(p.ms, 0), Percentile(p.ms, 0.1), Percentile(p.ms, 0.9), Percentile(p.ms, 1),
           Median(p.privateBytes), Median(p.workingSet), Median(p.gdi), Median(p.user),
           p.ms.size());
    for (size_t i = 0; i < p.markNames.size(); ++i)
      printf("mark %s %s %.1f\n", p.name.c_str(), p.markNames[i].c_str(), Median(p.marks[i]));
    for (const std::string& t : p.threads) printf("thread %s %s\n", p.name.c_str(), t.c_str());
  }
  return failures ? 1 : 0;
}
