// Included before every source of the MSVC-mode build (clang-cl with Wine's headers): what
// Visual Studio's headers and runtime provide and Wine's do not.
#pragma once

// wchar_t is the Windows character, as in the SDK (Wine's headers take char16_t otherwise).
#define WINE_UNICODE_NATIVE

// winnt.h defines the 64-bit interlocked operations of i386 as inline functions named after
// clang's builtins; renamed here, they no longer collide.
#define _InterlockedAnd64 vconfig_InterlockedAnd64
#define _InterlockedCompareExchangePointer vconfig_InterlockedCompareExchangePointer
#define _InterlockedDecrement64 vconfig_InterlockedDecrement64
#define _InterlockedExchangeAdd64 vconfig_InterlockedExchangeAdd64
#define _InterlockedExchangePointer vconfig_InterlockedExchangePointer
#define _InterlockedIncrement64 vconfig_InterlockedIncrement64
#define _InterlockedOr64 vconfig_InterlockedOr64
#define _InterlockedXor64 vconfig_InterlockedXor64

#ifdef __cplusplus
// Windows 7's, missing from Wine's winbase.h.
extern "C" __declspec(dllimport) int __stdcall SetThreadStackGuarantee(unsigned long* size);

// The compiler's floating-point marker, which Visual Studio's runtime library defines.
extern "C" __declspec(selectany) int _fltused = 0;

// The long double functions of math.h, which libc++ names and Wine's 32-bit math.h lacks. As
// in Visual Studio, long double is double. The program calls none of them.
// A list, not statements: kept as written.
// clang-format off
#define VCONFIG_LD1(f) \
  inline long double f##l(long double x) { return __builtin_##f(static_cast<double>(x)); }
#define VCONFIG_LD2(f)                                                        \
  inline long double f##l(long double x, long double y) {                     \
    return __builtin_##f(static_cast<double>(x), static_cast<double>(y));     \
  }
VCONFIG_LD1(acos) VCONFIG_LD1(acosh) VCONFIG_LD1(asin) VCONFIG_LD1(asinh) VCONFIG_LD1(atan)
VCONFIG_LD1(atanh) VCONFIG_LD1(cbrt) VCONFIG_LD1(ceil) VCONFIG_LD1(cos) VCONFIG_LD1(cosh)
VCONFIG_LD1(erf) VCONFIG_LD1(erfc) VCONFIG_LD1(exp) VCONFIG_LD1(exp2) VCONFIG_LD1(expm1)
VCONFIG_LD1(fabs) VCONFIG_LD1(floor) VCONFIG_LD1(lgamma) VCONFIG_LD1(log) VCONFIG_LD1(log10)
VCONFIG_LD1(log1p) VCONFIG_LD1(log2) VCONFIG_LD1(logb) VCONFIG_LD1(nearbyint) VCONFIG_LD1(sin)
VCONFIG_LD1(sinh) VCONFIG_LD1(sqrt) VCONFIG_LD1(tan) VCONFIG_LD1(tanh) VCONFIG_LD1(tgamma)
VCONFIG_LD2(atan2) VCONFIG_LD2(fdim) VCONFIG_LD2(fmax) VCONFIG_LD2(fmin) VCONFIG_LD2(fmod)
VCONFIG_LD2(hypot) VCONFIG_LD2(nextafter) VCONFIG_LD2(pow) VCONFIG_LD2(remainder)
// clang-format on
#undef VCONFIG_LD1
#undef VCONFIG_LD2
                                    inline int ilogbl(long double x) {
  return __builtin_ilogb(static_cast<double>(x));
}
inline long double frexpl(long double x, int* e) {
  return __builtin_frexp(static_cast<double>(x), e);
}
inline long double ldexpl(long double x, int e) {
  return __builtin_ldexp(static_cast<double>(x), e);
}
inline long double scalbnl(long double x, int e) {
  return __builtin_scalbn(static_cast<double>(x), e);
}
inline long double scalblnl(long double x, long e) {
  return __builtin_scalbln(static_cast<double>(x), e);
}
inline long double modfl(long double x, long double* i) {
  double whole;
  double r = __builtin_modf(static_cast<double>(x), &whole);
  *i = whole;
  return r;
}
inline long double remquol(long double x, long double y, int* q) {
  return __builtin_remquo(static_cast<double>(x), static_cast<double>(y), q);
}
inline float erfcf(float x) { return __builtin_erfcf(x); }
inline float nexttowardf(float x, long double y) { return __builtin_nexttowardf(x, y); }
inline long double nexttowardl(long double x, long double y) {
  return __builtin_nexttoward(static_cast<double>(x), y);
}
#endif
