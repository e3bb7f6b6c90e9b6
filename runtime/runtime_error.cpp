// Fatal run-time errors: the report in a box, the exit code, and the filter that sends the
// system's fatal faults to it.
#include "runtime_error.h"

#include <windows.h>
#ifdef _MSC_VER
#include <intrin.h>
#endif

#include <cstdint>
#include <cstdlib>

#include "library.h"

namespace {

// The codes of the faults that the system raises.
constexpr int kErrDivByZero = 200;
constexpr int kErrStackOverflow = 202;
constexpr int kErrAccessViolation = 216;

void AppendHex(char* p, uintptr_t v) {
  static const char kDigits[] = "0123456789ABCDEF";
  int digits = sizeof(void*) * 2;
  for (int i = digits - 1; i >= 0; --i) {
    p[i] = kDigits[v & 15];
    v >>= 4;
  }
  p[digits] = 0;
}

struct TPendingReport {
  int code;
  const void* address;
};

// The message text for an error, as shown in the box.
void FormatRuntimeError(char* buf, int code, const void* address) {
  // "Runtime error " + number + " at $" + address
  wsprintfA(buf, "Runtime error %d at $", code);
  char* end = buf;
  while (*end) ++end;
  AppendHex(end, reinterpret_cast<uintptr_t>(address));
}

[[noreturn]] void RuntimeErrorAt(int code, const void* address) {
  char text[64];
  FormatRuntimeError(text, code, address);
  wchar_t wide[64];  // ASCII alone
  for (int i = 0; (wide[i] = static_cast<unsigned char>(text[i])) != 0; ++i) {
  }
  MessageBoxW(nullptr, wide, L"Error", MB_OK | MB_ICONHAND | MB_TASKMODAL);
  ExitProcess(static_cast<UINT>(code));
}

DWORD WINAPI ReportThread(void* param) {
  auto* report = static_cast<TPendingReport*>(param);
  RuntimeErrorAt(report->code, report->address);
}

LONG WINAPI FatalFilter(EXCEPTION_POINTERS* info) {
  int code = kErrOtherFatal;
  switch (info->ExceptionRecord->ExceptionCode) {
    case EXCEPTION_ACCESS_VIOLATION: code = kErrAccessViolation; break;
    case EXCEPTION_STACK_OVERFLOW: code = kErrStackOverflow; break;
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_FLT_DIVIDE_BY_ZERO: code = kErrDivByZero; break;
    default: break;
  }
  if (code == kErrStackOverflow) {
    // What is left of the faulting stack cannot carry a message box: report from a fresh one.
    static TPendingReport report;
    report = {code, info->ExceptionRecord->ExceptionAddress};
    HANDLE thread = CreateThread(nullptr, 64 * 1024, ReportThread, &report, 0, nullptr);
    if (thread) WaitForSingleObject(thread, INFINITE);
    ExitProcess(static_cast<UINT>(code));
  }
  RuntimeErrorAt(code, info->ExceptionRecord->ExceptionAddress);
}

}  // namespace

#ifdef _MSC_VER
__declspec(noinline) void RuntimeError(int code) { RuntimeErrorAt(code, _ReturnAddress()); }
#else
__attribute__((noinline)) void RuntimeError(int code) {
  RuntimeErrorAt(code, __builtin_return_address(0));
}
#endif

void InstallRuntimeErrorHandlers() {
  SetUnhandledExceptionFilter(FatalFilter);
  // On 64-bit Windows an exception raised in a window procedure that the system called can be
  // swallowed on its way back through the kernel: the program would go on after a half-run
  // handler, and the filter above would never hear of it. Windows 7 SP1 and later let a
  // program turn that off; older ones lack both calls.
  typedef BOOL(WINAPI * TGetPolicy)(LPDWORD flags);
  typedef BOOL(WINAPI * TSetPolicy)(DWORD flags);
  constexpr DWORD kCallbackFilterEnabled = 0x1;  // PROCESS_CALLBACK_FILTER_ENABLED
  HMODULE kernel = GetModuleHandleA("kernel32");
  auto getPolicy = LookUpFunction<TGetPolicy>(kernel, "GetProcessUserModeExceptionPolicy");
  auto setPolicy = LookUpFunction<TSetPolicy>(kernel, "SetProcessUserModeExceptionPolicy");
  DWORD policy;
  if (getPolicy && setPolicy && getPolicy(&policy)) setPolicy(policy & ~kCallbackFilterEnabled);
  // A stack overflow needs stack of its own to report it.
  ULONG reserve = 32 * 1024;
  SetThreadStackGuarantee(&reserve);
}
