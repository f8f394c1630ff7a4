#include "pe_image.h"

#include <algorithm>
#include <cstddef>
#include <set>
#include <string_view>
#include <utility>

namespace petest {
namespace {

std::string hex(std::uint64_t value) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string text;
    do {
        text.insert(text.begin(), digits[value & 0xf]);
        value >>= 4;
    } while (value != 0);
    return "0x" + text;
}

constexpr std::uint64_t alignUp4(std::uint64_t offset) { return (offset + 3) & ~std::uint64_t{3}; }

// A labelled byte range whose every read is checked against its end.
class ByteReader {
public:
    ByteReader(std::span<const std::uint8_t> bytes, std::string label)
        : bytes_(bytes), label_(std::move(label)) {}

    std::uint64_t size() const { return bytes_.size(); }

    std::span<const std::uint8_t> slice(std::uint64_t offset, std::uint64_t length,
                                        std::string_view what) const {
        if (offset > bytes_.size() || length > bytes_.size() - offset) {
            throw PeFormatError(label_ + ": " + std::string(what) + " (" + std::to_string(length) +
                                " bytes at offset " + hex(offset) + ") runs past the end of its " +
                                std::to_string(bytes_.size()) + " bytes");
        }
        return bytes_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
    }

    ByteReader sub(std::uint64_t offset, std::uint64_t length, std::string_view what) const {
        return ByteReader(slice(offset, length, what), std::string(what));
    }

    std::uint16_t u16(std::uint64_t offset, std::string_view what) const {
        const auto b = slice(offset, 2, what);
        return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
    }

    std::uint32_t u32(std::uint64_t offset, std::string_view what) const {
        const auto b = slice(offset, 4, what);
        return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
               (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    }

    std::int32_t i32(std::uint64_t offset, std::string_view what) const {
        return static_cast<std::int32_t>(u32(offset, what));
    }

    const std::string& label() const { return label_; }

private:
    std::span<const std::uint8_t> bytes_;
    std::string label_;
};

void appendUtf8(std::string& out, std::uint32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xc0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3f));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xe0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (codePoint & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (codePoint & 0x3f));
    }
}

// Decodes UTF-16LE code units up to the first NUL or the end of the units.
std::string utf16ToUtf8(const std::vector<std::uint16_t>& units) {
    constexpr std::uint32_t replacement = 0xfffd;
    std::string out;
    for (std::size_t i = 0; i < units.size() && units[i] != 0; ++i) {
        const std::uint32_t unit = units[i];
        if (unit >= 0xd800 && unit < 0xdc00 && i + 1 < units.size() && units[i + 1] >= 0xdc00 &&
            units[i + 1] < 0xe000) {
            appendUtf8(out, 0x10000 + ((unit - 0xd800) << 10) + (units[i + 1] - 0xdc00));
            ++i;
        } else if (unit >= 0xd800 && unit < 0xe000) {
            appendUtf8(out, replacement);
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

std::vector<std::uint16_t> readUtf16Units(const ByteReader& reader, std::uint64_t offset,
                                          std::uint64_t count, std::string_view what) {
    const ByteReader units = reader.sub(offset, count * 2, what);
    std::vector<std::uint16_t> result;
    result.reserve(static_cast<std::size_t>(count));
    for (std::uint64_t i = 0; i < count; ++i) {
        result.push_back(units.u16(i * 2, what));
    }
    return result;
}

struct Section {
    std::string name;
    std::uint32_t virtualAddress = 0;
    std::uint32_t virtualSize = 0;
    std::uint32_t rawSize = 0;
    std::uint32_t rawOffset = 0;
    std::uint32_t characteristics = 0;

    // Linkers may leave VirtualSize zero; the raw size then gives the extent.
    std::uint64_t virtualExtent() const { return virtualSize != 0 ? virtualSize : rawSize; }
    std::uint64_t fileBackedSize() const {
        return std::min<std::uint64_t>(virtualExtent(), rawSize);
    }
    bool contains(std::uint64_t rva) const {
        return rva >= virtualAddress && rva - virtualAddress < virtualExtent();
    }
    bool executable() const {
        constexpr std::uint32_t containsCode = 0x00000020;
        constexpr std::uint32_t memoryExecute = 0x20000000;
        return (characteristics & (containsCode | memoryExecute)) != 0;
    }
};

struct DataDirectory {
    std::uint32_t rva = 0;
    std::uint32_t size = 0;
};

enum DataDirectoryIndex : std::uint32_t { kExportDirectory = 0, kImportDirectory = 1, kResourceDirectory = 2 };

class ImageParser {
public:
    explicit ImageParser(std::span<const std::uint8_t> bytes) : file_(bytes, "PE file") {}

    PeImage parse() {
        parseHeaders();
        parseExports();
        parseImports();
        parseResources();
        return std::move(image_);
    }

private:
    void parseHeaders() {
        constexpr std::uint16_t dosSignature = 0x5a4d;        // "MZ"
        constexpr std::uint32_t peSignature = 0x00004550;     // "PE\0\0"
        constexpr std::uint16_t pe32Magic = 0x10b;
        constexpr std::uint16_t pe32PlusMagic = 0x20b;
        constexpr std::uint32_t coffHeaderSize = 20;
        constexpr std::uint32_t sectionHeaderSize = 40;
        constexpr std::uint32_t knownDirectories = 3;

        if (file_.u16(0, "DOS header") != dosSignature) {
            throw PeFormatError("PE file: missing MZ signature of the DOS header");
        }
        const std::uint64_t peOffset = file_.u32(0x3c, "offset of the PE header");
        if (file_.u32(peOffset, "PE signature") != peSignature) {
            throw PeFormatError("PE file: missing PE signature at offset " + hex(peOffset));
        }
        const ByteReader coff = file_.sub(peOffset + 4, coffHeaderSize, "COFF file header");
        image_.machine = coff.u16(0, "machine");
        const std::uint16_t sectionCount = coff.u16(2, "number of sections");
        const std::uint16_t optionalHeaderSize = coff.u16(16, "size of optional header");
        constexpr std::uint64_t symbolSize = 18;
        const std::uint64_t symbolTable = coff.u32(8, "symbol table offset");
        const std::uint64_t stringTable = symbolTable + symbolSize * coff.u32(12, "number of symbols");
        image_.characteristics = coff.u16(18, "characteristics");

        const std::uint64_t optionalOffset = peOffset + 4 + coffHeaderSize;
        const ByteReader optional = file_.sub(optionalOffset, optionalHeaderSize, "optional header");
        const std::uint16_t magic = optional.u16(0, "optional header magic");
        std::uint64_t directoryCountOffset = 0;
        if (magic == pe32Magic) {
            directoryCountOffset = 92;
        } else if (magic == pe32PlusMagic) {
            directoryCountOffset = 108;
        } else {
            throw PeFormatError("PE file: unknown optional header magic " + hex(magic));
        }
        const std::uint32_t directoryCount = optional.u32(directoryCountOffset, "number of data directories");
        for (std::uint32_t i = 0; i < std::min(directoryCount, knownDirectories); ++i) {
            const std::uint64_t at = directoryCountOffset + 4 + i * 8;
            directories_[i] = {optional.u32(at, "data directory"), optional.u32(at + 4, "data directory")};
        }

        const ByteReader table = file_.sub(optionalOffset + optionalHeaderSize,
                                           std::uint64_t{sectionCount} * sectionHeaderSize, "section table");
        for (std::uint16_t i = 0; i < sectionCount; ++i) {
            const std::uint64_t at = std::uint64_t{i} * sectionHeaderSize;
            Section section;
            for (const std::uint8_t c : table.slice(at, 8, "section name")) {
                if (c == 0) break;
                section.name += static_cast<char>(c);
            }
            // A name longer than eight characters is "/<offset>" into the COFF string table.
            if (section.name.size() > 1 && section.name[0] == '/' && symbolTable != 0) {
                std::uint64_t offset = 0;
                for (const char c : section.name.substr(1)) {
                    if (c < '0' || c > '9') throw PeFormatError("PE file: section name " + section.name + " is malformed");
                    offset = offset * 10 + static_cast<std::uint64_t>(c - '0');
                }
                section.name = cStringAt(stringTable + offset, "long section name");
            }
            section.virtualSize = table.u32(at + 8, "section virtual size");
            section.virtualAddress = table.u32(at + 12, "section address");
            section.rawSize = table.u32(at + 16, "section raw size");
            section.rawOffset = table.u32(at + 20, "section raw offset");
            section.characteristics = table.u32(at + 36, "section characteristics");
            file_.slice(section.rawOffset, section.rawSize, "raw data of section " + section.name);
            image_.sections.push_back({section.name, section.virtualSize, section.rawSize});
            sections_.push_back(std::move(section));
        }
    }

    std::string cStringAt(std::uint64_t offset, std::string_view what) const {
        std::string text;
        for (std::uint64_t at = offset;; ++at) {
            const std::uint8_t c = file_.slice(at, 1, what)[0];
            if (c == 0) return text;
            text += static_cast<char>(c);
        }
    }

    const Section* sectionContaining(std::uint64_t rva) const {
        for (const Section& section : sections_) {
            if (section.contains(rva)) return &section;
        }
        return nullptr;
    }

    const Section& requireSection(std::uint64_t rva, std::string_view what) const {
        const Section* section = sectionContaining(rva);
        if (section == nullptr) {
            throw PeFormatError("PE file: " + std::string(what) + " at RVA " + hex(rva) +
                                " lies outside every section");
        }
        return *section;
    }

    ByteReader atRva(std::uint64_t rva, std::uint64_t size, std::string_view what) const {
        const Section& section = requireSection(rva, what);
        const std::uint64_t inSection = rva - section.virtualAddress;
        if (size > section.fileBackedSize() || inSection > section.fileBackedSize() - size) {
            throw PeFormatError("PE file: " + std::string(what) + " (" + std::to_string(size) +
                                " bytes at RVA " + hex(rva) + ") runs past the file data of section " +
                                section.name);
        }
        return file_.sub(section.rawOffset + inSection, size, what);
    }

    std::string cStringAtRva(std::uint64_t rva, std::string_view what) const {
        const Section& section = requireSection(rva, what);
        const std::uint64_t inSection = rva - section.virtualAddress;
        const std::uint64_t available = section.fileBackedSize() > inSection ? section.fileBackedSize() - inSection : 0;
        std::string text;
        for (const std::uint8_t c : file_.slice(section.rawOffset + inSection, available, what)) {
            if (c == 0) return text;
            text += static_cast<char>(c);
        }
        throw PeFormatError("PE file: " + std::string(what) + " at RVA " + hex(rva) +
                            " has no terminating NUL within section " + section.name);
    }

    void parseExports() {
        const DataDirectory directory = directories_[kExportDirectory];
        if (directory.rva == 0) return;
        const ByteReader header = atRva(directory.rva, 40, "export directory");
        image_.exportDllName = cStringAtRva(header.u32(12, "export DLL name"), "export DLL name");
        const std::uint32_t ordinalBase = header.u32(16, "export ordinal base");
        const std::uint32_t functionCount = header.u32(20, "export function count");
        const std::uint32_t nameCount = header.u32(24, "export name count");
        if (functionCount == 0) return;

        const ByteReader functions =
            atRva(header.u32(28, "export address table"), std::uint64_t{functionCount} * 4, "export address table");
        std::vector<std::string> names(functionCount);
        if (nameCount != 0) {
            const ByteReader namePointers =
                atRva(header.u32(32, "export name table"), std::uint64_t{nameCount} * 4, "export name table");
            const ByteReader nameIndices = atRva(header.u32(36, "export ordinal table"),
                                                 std::uint64_t{nameCount} * 2, "export ordinal table");
            for (std::uint32_t i = 0; i < nameCount; ++i) {
                const std::uint16_t index = nameIndices.u16(std::uint64_t{i} * 2, "export ordinal");
                if (index >= functionCount) {
                    throw PeFormatError("PE file: export name " + std::to_string(i) + " refers to function " +
                                        std::to_string(index) + " of " + std::to_string(functionCount));
                }
                names[index] = cStringAtRva(namePointers.u32(std::uint64_t{i} * 4, "export name"), "export name");
            }
        }
        for (std::uint32_t i = 0; i < functionCount; ++i) {
            const std::uint32_t rva = functions.u32(std::uint64_t{i} * 4, "export address");
            if (rva == 0) continue;  // unused ordinal slot
            const std::uint64_t ordinal = std::uint64_t{ordinalBase} + i;
            if (ordinal > 0xffff) {
                throw PeFormatError("PE file: export ordinal " + std::to_string(ordinal) + " exceeds 65535");
            }
            const Section& section = requireSection(rva, "export " + (names[i].empty() ? "#" + std::to_string(ordinal) : names[i]));
            image_.exports.push_back({names[i], static_cast<std::uint32_t>(ordinal), rva, section.executable()});
        }
    }

    void parseImports() {
        constexpr std::uint64_t descriptorSize = 20;
        const DataDirectory directory = directories_[kImportDirectory];
        if (directory.rva == 0) return;
        // The table ends with an all-zero descriptor; every read stays bounded by its section.
        for (std::uint64_t at = directory.rva;; at += descriptorSize) {
            const ByteReader descriptor = atRva(at, descriptorSize, "import descriptor");
            const auto raw = descriptor.slice(0, descriptorSize, "import descriptor");
            if (std::all_of(raw.begin(), raw.end(), [](std::uint8_t b) { return b == 0; })) return;
            const std::string dll = cStringAtRva(descriptor.u32(12, "imported DLL name"), "imported DLL name");
            image_.importedDlls.push_back(dll);
            // The lookup table, or the address table where a linker leaves it out: one 32-bit entry a
            // function (an ordinal when the top bit is set, else the RVA of a hint and a name), then 0;
            // a descriptor with neither lists no function.
            constexpr std::uint32_t byOrdinal = 0x80000000u;
            const std::uint32_t lookup = descriptor.u32(0, "import lookup table");
            const std::uint64_t entries = lookup != 0 ? lookup : descriptor.u32(16, "import address table");
            for (std::uint64_t entry = entries; entry != 0; entry += 4) {
                const std::uint32_t value = atRva(entry, 4, "import lookup entry").u32(0, "import lookup entry");
                if (value == 0) break;
                image_.imports.push_back({dll, (value & byOrdinal) != 0
                                                   ? "#" + std::to_string(value & 0xffffu)
                                                   : cStringAtRva(std::uint64_t{value} + 2, "imported function name")});
            }
        }
    }

    void parseResources() {
        const DataDirectory directory = directories_[kResourceDirectory];
        if (directory.rva == 0) return;
        resourceBase_ = directory.rva;
        std::array<ResourceId, 3> path;
        parseResourceDirectory(0, 0, path);
    }

    ResourceId resourceIdOf(std::uint32_t nameField) const {
        constexpr std::uint32_t isName = 0x80000000;
        ResourceId id;
        if ((nameField & isName) == 0) {
            id.number = nameField;
            return id;
        }
        const std::uint64_t at = resourceBase_ + (nameField & ~isName);
        const std::uint16_t length = atRva(at, 2, "resource name length").u16(0, "resource name length");
        const ByteReader chars = atRva(at + 2, std::uint64_t{length} * 2, "resource name");
        id.named = true;
        id.text = utf16ToUtf8(readUtf16Units(chars, 0, length, "resource name"));
        return id;
    }

    // Levels: 0 type, 1 name, 2 language; data entries hang off the language level only.
    void parseResourceDirectory(std::uint32_t offset, int level, std::array<ResourceId, 3>& path) {
        constexpr std::uint32_t isSubdirectory = 0x80000000;
        static constexpr const char* levelNames[] = {"type", "name", "language"};
        // A directory reached twice means a cycle or shared subtree, which no linker writes.
        if (!visitedDirectories_.insert(offset).second) {
            throw PeFormatError("PE file: resource directory at offset " + hex(offset) + " is referenced twice");
        }
        const ByteReader header = atRva(resourceBase_ + offset, 16, "resource directory");
        const std::uint64_t entryCount =
            std::uint64_t{header.u16(12, "named entry count")} + header.u16(14, "id entry count");
        const ByteReader entries = atRva(resourceBase_ + offset + 16, entryCount * 8, "resource directory entries");
        for (std::uint64_t i = 0; i < entryCount; ++i) {
            path[level] = resourceIdOf(entries.u32(i * 8, "resource entry name"));
            const std::uint32_t target = entries.u32(i * 8 + 4, "resource entry target");
            const bool subdirectory = (target & isSubdirectory) != 0;
            if (subdirectory != (level < 2)) {
                throw PeFormatError(std::string("PE file: resource ") + levelNames[level] + " entry " +
                                    std::to_string(i) + (subdirectory ? " has a subdirectory below the language level"
                                                                      : " points to data above the language level"));
            }
            if (subdirectory) {
                parseResourceDirectory(target & ~isSubdirectory, level + 1, path);
                continue;
            }
            const ByteReader entry = atRva(resourceBase_ + target, 16, "resource data entry");
            const ByteReader data = atRva(entry.u32(0, "resource data RVA"), entry.u32(4, "resource data size"),
                                          "resource data");
            const auto bytes = data.slice(0, data.size(), "resource data");
            image_.resources.push_back({path[0], path[1], path[2], {bytes.begin(), bytes.end()}});
        }
    }

    ByteReader file_;
    PeImage image_;
    std::vector<Section> sections_;
    std::array<DataDirectory, 3> directories_{};
    std::uint64_t resourceBase_ = 0;
    std::set<std::uint32_t> visitedDirectories_;
};

// Header of one VS_VERSIONINFO-style block: length, value length, type, key, value, children.
struct VersionBlock {
    std::string key;
    std::uint64_t valueOffset = 0;
    std::uint64_t valueSize = 0;  // bytes
    std::uint64_t childrenOffset = 0;
    std::uint64_t end = 0;
};

VersionBlock readVersionBlock(const ByteReader& data, std::uint64_t offset, std::uint64_t parentEnd) {
    constexpr std::uint16_t textType = 1;
    constexpr std::uint64_t fixedPart = 6;
    const std::uint16_t length = data.u16(offset, "version block length");
    if (length < fixedPart || length > parentEnd - offset) {
        throw PeFormatError("version resource: block at offset " + hex(offset) + " has length " +
                            std::to_string(length) + " that does not fit its parent");
    }
    VersionBlock block;
    block.end = offset + length;
    const std::uint16_t valueLength = data.u16(offset + 2, "version block value length");
    const std::uint16_t type = data.u16(offset + 4, "version block type");

    std::vector<std::uint16_t> keyUnits;
    std::uint64_t at = offset + fixedPart;
    for (;; at += 2) {
        if (at + 2 > block.end) {
            throw PeFormatError("version resource: key of block at offset " + hex(offset) + " is not terminated");
        }
        const std::uint16_t unit = data.u16(at, "version block key");
        if (unit == 0) break;
        keyUnits.push_back(unit);
    }
    block.key = utf16ToUtf8(keyUnits);
    block.valueOffset = alignUp4(at + 2);
    block.valueSize = type == textType ? std::uint64_t{valueLength} * 2 : valueLength;
    if (block.valueSize != 0 && (block.valueOffset > block.end || block.valueSize > block.end - block.valueOffset)) {
        throw PeFormatError("version resource: value of block \"" + block.key + "\" runs past the block's end");
    }
    block.childrenOffset = alignUp4(block.valueOffset + block.valueSize);
    return block;
}

template <typename Visit>
void forEachChild(const ByteReader& data, const VersionBlock& parent, Visit visit) {
    for (std::uint64_t at = parent.childrenOffset; at < parent.end;) {
        const VersionBlock child = readVersionBlock(data, at, parent.end);
        visit(child);
        at = alignUp4(child.end);
    }
}

VersionQuad versionQuad(std::uint32_t mostSignificant, std::uint32_t leastSignificant) {
    return {static_cast<std::uint16_t>(mostSignificant >> 16), static_cast<std::uint16_t>(mostSignificant & 0xffff),
            static_cast<std::uint16_t>(leastSignificant >> 16), static_cast<std::uint16_t>(leastSignificant & 0xffff)};
}

}  // namespace

bool PeImage::isDll() const {
    constexpr std::uint16_t dllFlag = 0x2000;
    return (characteristics & dllFlag) != 0;
}

PeImage readPeImage(std::span<const std::uint8_t> bytes) { return ImageParser(bytes).parse(); }

std::optional<std::string> VersionInfo::findString(const std::string& key) const {
    for (const VersionString& entry : strings) {
        if (entry.key == key) return entry.value;
    }
    return std::nullopt;
}

VersionInfo readVersionInfo(std::span<const std::uint8_t> bytes) {
    constexpr std::uint32_t fixedInfoSignature = 0xfeef04bd;
    constexpr std::uint64_t fixedInfoSize = 52;
    const ByteReader data(bytes, "version resource");
    const VersionBlock root = readVersionBlock(data, 0, data.size());
    if (root.key != "VS_VERSION_INFO") {
        throw PeFormatError("version resource: root key is \"" + root.key + "\", not \"VS_VERSION_INFO\"");
    }
    if (root.valueSize < fixedInfoSize) {
        throw PeFormatError("version resource: VS_FIXEDFILEINFO missing or short (" +
                            std::to_string(root.valueSize) + " bytes)");
    }
    const ByteReader fixed = data.sub(root.valueOffset, fixedInfoSize, "VS_FIXEDFILEINFO");
    if (fixed.u32(0, "VS_FIXEDFILEINFO signature") != fixedInfoSignature) {
        throw PeFormatError("version resource: bad VS_FIXEDFILEINFO signature");
    }
    VersionInfo info;
    info.fileVersion = versionQuad(fixed.u32(8, "file version"), fixed.u32(12, "file version"));
    info.productVersion = versionQuad(fixed.u32(16, "product version"), fixed.u32(20, "product version"));

    forEachChild(data, root, [&](const VersionBlock& fileInfo) {
        if (fileInfo.key != "StringFileInfo") return;  // VarFileInfo holds no strings
        forEachChild(data, fileInfo, [&](const VersionBlock& table) {
            forEachChild(data, table, [&](const VersionBlock& entry) {
                const auto units = readUtf16Units(data, entry.valueOffset, entry.valueSize / 2, "version string");
                info.strings.push_back({entry.key, utf16ToUtf8(units)});
            });
        });
    });
    return info;
}

DibHeader readDibHeader(std::span<const std::uint8_t> bytes) {
    constexpr std::uint32_t infoHeaderSize = 40;
    const ByteReader data(bytes, "bitmap");
    DibHeader header;
    header.headerSize = data.u32(0, "bitmap header size");
    if (header.headerSize < infoHeaderSize) {
        throw PeFormatError("bitmap: header of " + std::to_string(header.headerSize) +
                            " bytes is not a BITMAPINFOHEADER");
    }
    data.slice(0, header.headerSize, "bitmap header");
    const std::int32_t width = data.i32(4, "bitmap width");
    const std::int32_t height = data.i32(8, "bitmap height");
    if (width < 0) throw PeFormatError("bitmap: negative width " + std::to_string(width));
    header.width = static_cast<std::uint32_t>(width);
    header.height = static_cast<std::uint32_t>(height < 0 ? -std::int64_t{height} : height);
    header.bitCount = data.u16(14, "bitmap bit count");
    header.compression = data.u32(16, "bitmap compression");
    const std::uint32_t colorsUsed = data.u32(32, "bitmap colours used");
    if (colorsUsed != 0) {
        header.paletteEntries = colorsUsed;
    } else if (header.bitCount != 0 && header.bitCount <= 8) {
        header.paletteEntries = std::uint32_t{1} << header.bitCount;
    }
    const std::uint64_t paletteEnd = std::uint64_t{header.headerSize} + std::uint64_t{header.paletteEntries} * 4;
    data.slice(header.headerSize, paletteEnd - header.headerSize, "bitmap palette");
    if (header.compression == kBitmapCompressionRgb) {
        const std::uint64_t rowBytes = (std::uint64_t{header.width} * header.bitCount + 31) / 32 * 4;
        data.slice(paletteEnd, rowBytes * header.height, "bitmap pixels");
    }
    return header;
}

}  // namespace petest
