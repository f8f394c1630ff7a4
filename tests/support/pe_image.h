// Read-only view of a Windows PE image (DLL or EXE), portable and independent
// of any Windows header. Every read is bounds-checked: a truncated or corrupted
// file raises PeFormatError instead of reading outside the given bytes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace petest {

class PeFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr std::uint16_t kMachineI386 = 0x014c;
inline constexpr std::uint32_t kResourceTypeBitmap = 2;
inline constexpr std::uint32_t kResourceTypeVersion = 16;
inline constexpr std::uint32_t kBitmapCompressionRgb = 0;

struct Export {
    std::string name;  // empty for an export by ordinal only
    std::uint32_t ordinal = 0;
    std::uint32_t rva = 0;
    bool inExecutableSection = false;
};

// One level of a resource path: either a number or a name.
struct ResourceId {
    bool named = false;
    std::uint32_t number = 0;  // meaningful when !named
    std::string text;          // UTF-8, meaningful when named

    bool isNumber(std::uint32_t value) const { return !named && number == value; }
};

struct Resource {
    ResourceId type;
    ResourceId name;
    ResourceId language;
    std::vector<std::uint8_t> data;
};

struct Import {
    std::string dll;
    std::string function;  // "#<ordinal>" for an import by ordinal
};

struct SectionHeader {
    std::string name;  // long names resolved through the COFF string table while it is present
    std::uint32_t virtualSize = 0;
    std::uint32_t rawSize = 0;
};

struct PeImage {
    std::uint16_t machine = 0;
    std::uint16_t characteristics = 0;
    std::string exportDllName;  // empty when the image has no export directory
    std::vector<Export> exports;  // ordered by ordinal
    std::vector<std::string> importedDlls;  // in import directory order
    std::vector<Import> imports;  // every imported function, in import directory order
    std::vector<SectionHeader> sections;  // in section table order
    std::vector<Resource> resources;  // in resource directory order

    bool isDll() const;
};

// Parses the whole image eagerly, so any format error surfaces here.
PeImage readPeImage(std::span<const std::uint8_t> bytes);

using VersionQuad = std::array<std::uint16_t, 4>;  // major, minor, build, revision

struct VersionString {
    std::string key;
    std::string value;
};

struct VersionInfo {
    VersionQuad fileVersion{};
    VersionQuad productVersion{};
    std::vector<VersionString> strings;  // all string tables, in file order

    std::optional<std::string> findString(const std::string& key) const;
};

// Parses the data of an RT_VERSION resource (a VS_VERSIONINFO block).
VersionInfo readVersionInfo(std::span<const std::uint8_t> data);

struct DibHeader {
    std::uint32_t headerSize = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;  // absolute: top-down bitmaps store it negated
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t paletteEntries = 0;
};

// Reads the header of a packed DIB, the data of an RT_BITMAP resource, and
// checks that its palette and (for uncompressed bitmaps) its pixels are present.
DibHeader readDibHeader(std::span<const std::uint8_t> data);

}  // namespace petest
