// Reads string resources straight from a skin file's bytes. A skin is data: the file is never
// mapped as a library, so its code cannot run, and a file of any shape (truncated, garbage,
// another word size) gives empty strings instead of a failure. Reading the few bytes needed
// is also much cheaper than loading each file as a library, which matters with many skins.
#include "skinfile.h"

#include <windows.h>

#include <cstddef>
#include <cstring>

namespace {

// Where things are in a Windows image, from the system's own structures (winnt.h). The file's
// bytes are read at these offsets one by one: a file of any shape may have any alignment.
constexpr uint32_t kNtHeadersAt = offsetof(IMAGE_DOS_HEADER, e_lfanew);
constexpr uint32_t kSignatureSize = sizeof(DWORD);  // "PE\0\0", before the file header
constexpr uint32_t kSectionCountAt = kSignatureSize + offsetof(IMAGE_FILE_HEADER, NumberOfSections);
constexpr uint32_t kOptionalSizeAt =
    kSignatureSize + offsetof(IMAGE_FILE_HEADER, SizeOfOptionalHeader);
constexpr uint32_t kOptionalHeaderAt = offsetof(IMAGE_NT_HEADERS32, OptionalHeader);
// The data directories of a 32-bit (PE32) and a 64-bit (PE32+) image; the count of them comes
// just before.
constexpr uint32_t kDirectories32 = offsetof(IMAGE_OPTIONAL_HEADER32, DataDirectory);
constexpr uint32_t kDirectories64 = offsetof(IMAGE_OPTIONAL_HEADER64, DataDirectory);
constexpr uint32_t kDirectoryCountBefore = sizeof(DWORD);  // NumberOfRvaAndSizes
constexpr uint32_t kResourceDirectoryAt =
    IMAGE_DIRECTORY_ENTRY_RESOURCE * sizeof(IMAGE_DATA_DIRECTORY) +
    offsetof(IMAGE_DATA_DIRECTORY, VirtualAddress);
constexpr uint32_t kResourceDirectoryEnd =
    (IMAGE_DIRECTORY_ENTRY_RESOURCE + 1) * sizeof(IMAGE_DATA_DIRECTORY);
// A section header's fields.
constexpr uint32_t kVirtualSizeAt = offsetof(IMAGE_SECTION_HEADER, Misc.VirtualSize);
constexpr uint32_t kVirtualAddressAt = offsetof(IMAGE_SECTION_HEADER, VirtualAddress);
constexpr uint32_t kRawSizeAt = offsetof(IMAGE_SECTION_HEADER, SizeOfRawData);
constexpr uint32_t kRawDataAt = offsetof(IMAGE_SECTION_HEADER, PointerToRawData);
// A resource directory, its entries, and the data entry at the end of a path through them.
constexpr uint32_t kNamedEntriesAt = offsetof(IMAGE_RESOURCE_DIRECTORY, NumberOfNamedEntries);
constexpr uint32_t kIdEntriesAt = offsetof(IMAGE_RESOURCE_DIRECTORY, NumberOfIdEntries);
constexpr uint32_t kEntryOffsetAt = sizeof(DWORD);  // after the name or identifier
constexpr uint32_t kDataAt = offsetof(IMAGE_RESOURCE_DATA_ENTRY, OffsetToData);
constexpr uint32_t kDataSizeAt = offsetof(IMAGE_RESOURCE_DATA_ENTRY, Size);
constexpr uint32_t kSubdirectory = IMAGE_RESOURCE_DATA_IS_DIRECTORY;  // the offset's top bit

// The longest text kept of a skin string, as a 255-character buffer leaves it.
constexpr uint32_t kSkinStringMax = 254;
constexpr DWORD kMaxSectionRead = 4u << 20;  // a skin's resources are a few kilobytes
constexpr WORD kStringType = 6;              // RT_STRING, which winuser.h spells as a pointer
constexpr int kStringsPerBlock = 16;         // a string table resource holds sixteen

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
  uint8_t dos[sizeof(IMAGE_DOS_HEADER)];
  if (!file.Read(0, dos, sizeof dos) || dos[0] != 'M' || dos[1] != 'Z') return false;
  uint32_t nt = U32(dos + kNtHeadersAt);
  uint8_t head[kSignatureSize + sizeof(IMAGE_FILE_HEADER)];
  if (!file.Read(nt, head, sizeof head) || memcmp(head, "PE\0\0", kSignatureSize) != 0)
    return false;
  uint16_t sections = U16(head + kSectionCountAt);
  uint16_t optionalSize = U16(head + kOptionalSizeAt);
  // Room for the larger of the two kinds; the magic number at its start tells which it is.
  uint8_t optional[sizeof(IMAGE_OPTIONAL_HEADER64)] = {};
  uint32_t readSize = optionalSize < sizeof optional ? optionalSize : sizeof optional;
  if (optionalSize < sizeof(WORD) || !file.Read(nt + kOptionalHeaderAt, optional, readSize))
    return false;
  uint16_t magic = U16(optional);
  uint32_t dirs = magic == IMAGE_NT_OPTIONAL_HDR32_MAGIC   ? kDirectories32
                  : magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC ? kDirectories64
                                                           : 0;
  if (!dirs || optionalSize < dirs + kResourceDirectoryEnd ||
      U32(optional + dirs - kDirectoryCountBefore) <= IMAGE_DIRECTORY_ENTRY_RESOURCE)
    return false;
  rootRva = U32(optional + dirs + kResourceDirectoryAt);
  if (!rootRva) return false;
  uint64_t table = static_cast<uint64_t>(nt) + kOptionalHeaderAt + optionalSize;
  for (uint16_t i = 0; i < sections; ++i) {
    uint8_t s[sizeof(IMAGE_SECTION_HEADER)];
    if (!file.Read(table + uint64_t{sizeof s} * i, s, sizeof s)) return false;
    uint32_t va = U32(s + kVirtualAddressAt), virtualSize = U32(s + kVirtualSizeAt),
             rawSize = U32(s + kRawSizeAt), raw = U32(s + kRawDataAt);
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
  constexpr uint32_t kEntrySize = sizeof(IMAGE_RESOURCE_DIRECTORY_ENTRY);
  const uint8_t* dir = s.At(rootRva + dirOffset, sizeof(IMAGE_RESOURCE_DIRECTORY));
  if (!dir) return 0;
  // The named entries come first; identifiers follow them.
  uint32_t named = U16(dir + kNamedEntriesAt), ids = U16(dir + kIdEntriesAt);
  for (uint32_t i = named; i < named + ids; ++i) {
    const uint8_t* e =
        s.At(rootRva + dirOffset + sizeof(IMAGE_RESOURCE_DIRECTORY) + kEntrySize * i, kEntrySize);
    if (!e) return 0;
    if (id < 0 || U32(e) == static_cast<uint32_t>(id)) return U32(e + kEntryOffsetAt);
  }
  return 0;
}

bool IsDirectory(uint32_t entry) { return (entry & kSubdirectory) != 0; }
uint32_t Offset(uint32_t entry) { return entry & ~kSubdirectory; }

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
    uint32_t block = FindEntry(section, root, Offset(type), ids[i] / kStringsPerBlock + 1);
    if (!IsDirectory(block)) continue;
    // The language: neutral, then the user's, then English, then whatever the file has.
    LANGID user = GetUserDefaultLangID();
    uint32_t data = 0;
    for (int lang : {0, static_cast<int>(user),
                     static_cast<int>(MAKELANGID(PRIMARYLANGID(user), SUBLANG_NEUTRAL)),
                     MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), -1}) {
      data = FindEntry(section, root, Offset(block), lang);
      if (data && !IsDirectory(data)) break;
      data = 0;
    }
    const uint8_t* entry =
        data ? section.At(root + data, sizeof(IMAGE_RESOURCE_DATA_ENTRY)) : nullptr;
    if (!entry) continue;
    uint32_t size = U32(entry + kDataSizeAt);
    const uint8_t* p = section.At(U32(entry + kDataAt), size);
    if (!p) continue;
    const uint8_t* end = p + size;
    // Each string: a length in characters, then that many UTF-16 characters.
    for (int skip = ids[i] % kStringsPerBlock; skip > 0 && p && end - p >= 2; --skip) {
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
