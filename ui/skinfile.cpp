// Reads string resources straight from a skin file's bytes. A skin is data: the file is never
// mapped as a library, so its code cannot run, and a file of any shape (truncated, garbage,
// another word size) gives empty strings instead of a failure. Reading the few bytes needed
// is also much cheaper than loading each file as a library, which matters with many skins.
#include "skinfile.h"

#include <windows.h>

#include <cstring>

namespace {

constexpr DWORD kMaxSectionRead = 4u << 20;  // a skin's resources are a few kilobytes
constexpr WORD kStringType = 6;              // RT_STRING

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t U32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

class TFile {
 public:
  explicit TFile(const char* path)
      : fHandle(CreateFileA(path, GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr)) {
    LARGE_INTEGER size = {};
    if (fHandle != INVALID_HANDLE_VALUE && GetFileSizeEx(fHandle, &size)) fSize = size.QuadPart;
  }
  ~TFile() {
    if (fHandle != INVALID_HANDLE_VALUE) CloseHandle(fHandle);
  }
  TFile(const TFile&) = delete;
  TFile& operator=(const TFile&) = delete;

  // Exactly n bytes at offset, or false.
  bool Read(uint64_t offset, void* to, DWORD n) {
    if (fHandle == INVALID_HANDLE_VALUE || offset > fSize || n > fSize - offset) return false;
    // Placed by the file pointer: under Wine a read with an OVERLAPPED position costs one more
    // round trip to the server, eight per skin file.
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(offset);
    DWORD got = 0;
    return SetFilePointerEx(fHandle, at, nullptr, FILE_BEGIN) &&
           ReadFile(fHandle, to, n, &got, nullptr) && got == n;
  }

 private:
  HANDLE fHandle;
  uint64_t fSize = 0;
};

// The resource section, held in memory, addressed by relative virtual addresses.
struct TSection {
  uint8_t* data = nullptr;
  uint32_t size = 0;
  uint32_t rva = 0;  // of data[0]
  ~TSection() { free(data); }
  const uint8_t* At(uint32_t rva, uint32_t n) const {
    if (rva < this->rva || rva - this->rva > size || n > size - (rva - this->rva)) return nullptr;
    return data + (rva - this->rva);
  }
};

bool LoadResourceSection(TFile& file, TSection& section, uint32_t& rootRva) {
  uint8_t dos[64];
  if (!file.Read(0, dos, sizeof dos) || dos[0] != 'M' || dos[1] != 'Z') return false;
  uint32_t nt = U32(dos + 0x3C);
  uint8_t head[24];
  if (!file.Read(nt, head, sizeof head) || memcmp(head, "PE\0\0", 4) != 0) return false;
  uint16_t sections = U16(head + 6);
  uint16_t optionalSize = U16(head + 20);
  uint8_t optional[240] = {};
  if (optionalSize < 2 || !file.Read(nt + 24, optional, optionalSize < 240 ? optionalSize : 240))
    return false;
  // The data directories start at 96 (PE32) or 112 (PE32+); the resource one is the third.
  uint32_t dirs = U16(optional) == 0x10B ? 96 : U16(optional) == 0x20B ? 112 : 0;
  if (!dirs || optionalSize < dirs + 24 || U32(optional + dirs - 4) < 3) return false;
  rootRva = U32(optional + dirs + 16);
  if (!rootRva) return false;
  uint64_t table = static_cast<uint64_t>(nt) + 24 + optionalSize;
  for (uint16_t i = 0; i < sections; ++i) {
    uint8_t s[40];
    if (!file.Read(table + 40ull * i, s, sizeof s)) return false;
    uint32_t va = U32(s + 12), virtualSize = U32(s + 8), rawSize = U32(s + 16), raw = U32(s + 20);
    uint32_t span = virtualSize > rawSize ? virtualSize : rawSize;
    if (rootRva < va || rootRva - va >= span) continue;
    uint32_t n = rawSize < kMaxSectionRead ? rawSize : kMaxSectionRead;
    section.data = static_cast<uint8_t*>(malloc(n ? n : 1));
    if (!section.data || !file.Read(raw, section.data, n)) return false;
    section.size = n;
    section.rva = va;
    return true;
  }
  return false;
}

// The entry of a resource directory with the given identifier; 0 when there is none.
// With id < 0, the first entry with an identifier.
uint32_t FindEntry(const TSection& s, uint32_t rootRva, uint32_t dirOffset, int id) {
  const uint8_t* dir = s.At(rootRva + dirOffset, 16);
  if (!dir) return 0;
  uint32_t named = U16(dir + 12), ids = U16(dir + 14);
  for (uint32_t i = named; i < named + ids; ++i) {
    const uint8_t* e = s.At(rootRva + dirOffset + 16 + 8 * i, 8);
    if (!e) return 0;
    if (id < 0 || U32(e) == static_cast<uint32_t>(id)) return U32(e + 4) ? U32(e + 4) : 0;
  }
  return 0;
}

bool IsDirectory(uint32_t entry) { return (entry & 0x80000000u) != 0; }

}  // namespace

bool ReadStringResources(const char* path, const uint16_t* ids, int count, TWideText* out) {
  for (int i = 0; i < count; ++i) out[i] = TWideText();
  TFile file(path);
  TSection section;
  uint32_t root = 0;
  if (!LoadResourceSection(file, section, root)) return false;
  uint32_t type = FindEntry(section, root, 0, kStringType);
  if (!IsDirectory(type)) return false;
  bool any = false;
  for (int i = 0; i < count; ++i) {
    // Strings come in blocks of sixteen; block n holds the identifiers 16 (n - 1) to 16 n - 1.
    uint32_t block = FindEntry(section, root, type & 0x7FFFFFFF, ids[i] / 16 + 1);
    if (!IsDirectory(block)) continue;
    // The language: neutral, then the user's, then English, then whatever the file has.
    LANGID user = GetUserDefaultLangID();
    uint32_t data = 0;
    for (int lang :
         {0, static_cast<int>(user),
          static_cast<int>(MAKELANGID(PRIMARYLANGID(user), SUBLANG_NEUTRAL)), 0x409, -1}) {
      data = FindEntry(section, root, block & 0x7FFFFFFF, lang);
      if (data && !IsDirectory(data)) break;
      data = 0;
    }
    const uint8_t* entry = data ? section.At(root + data, 16) : nullptr;
    if (!entry) continue;
    uint32_t size = U32(entry + 4);
    const uint8_t* p = section.At(U32(entry), size);
    if (!p) continue;
    const uint8_t* end = p + size;
    // Each string: a length in characters, then that many UTF-16 characters.
    for (int skip = ids[i] % 16; skip > 0 && p && end - p >= 2; --skip) {
      uint32_t len = U16(p);
      p = static_cast<uint32_t>(end - p - 2) / 2 >= len ? p + 2 + 2 * len : nullptr;
    }
    if (!p || end - p < 2) continue;
    uint32_t len = U16(p);
    if (static_cast<uint32_t>(end - p - 2) / 2 < len) continue;
    if (len > kSkinStringMax) len = kSkinStringMax;
    memcpy(out[i].Room(len), p + 2, 2 * len);
    any = true;
  }
  return any;
}
