#include "pe_image.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using petest::PeFormatError;

// Little-endian byte buffer for building fixtures; writers return the field's offset.
class Buffer {
public:
    std::size_t u16(std::uint16_t value) {
        const std::size_t at = bytes.size();
        bytes.push_back(static_cast<std::uint8_t>(value));
        bytes.push_back(static_cast<std::uint8_t>(value >> 8));
        return at;
    }
    std::size_t u32(std::uint32_t value) {
        const std::size_t at = u16(static_cast<std::uint16_t>(value));
        u16(static_cast<std::uint16_t>(value >> 16));
        return at;
    }
    std::size_t append(std::span<const std::uint8_t> data) {
        const std::size_t at = bytes.size();
        bytes.insert(bytes.end(), data.begin(), data.end());
        return at;
    }
    std::size_t cString(std::string_view text) {
        const std::size_t at = bytes.size();
        bytes.insert(bytes.end(), text.begin(), text.end());
        bytes.push_back(0);
        return at;
    }
    std::size_t utf16(std::u16string_view text) {
        const std::size_t at = bytes.size();
        for (const char16_t unit : text) u16(static_cast<std::uint16_t>(unit));
        return at;
    }
    void zeros(std::size_t count) { bytes.resize(bytes.size() + count, 0); }
    void alignTo(std::size_t alignment) { bytes.resize((bytes.size() + alignment - 1) / alignment * alignment, 0); }
    void patch16(std::size_t at, std::uint16_t value) {
        bytes.at(at) = static_cast<std::uint8_t>(value);
        bytes.at(at + 1) = static_cast<std::uint8_t>(value >> 8);
    }
    void patch32(std::size_t at, std::uint32_t value) {
        patch16(at, static_cast<std::uint16_t>(value));
        patch16(at + 2, static_cast<std::uint16_t>(value >> 16));
    }
    std::size_t size() const { return bytes.size(); }

    std::vector<std::uint8_t> bytes;
};

std::u16string widen(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

// ---------------------------------------------------------------------------
// A small PE32 DLL: .text and .data hold the exported objects, .rdata the
// export and import directories, .rsrc a three-level resource tree.

constexpr std::uint32_t kTextRva = 0x1000;
constexpr std::uint32_t kDataRva = 0x2000;
constexpr std::uint32_t kRdataRva = 0x3000;
constexpr std::uint32_t kRsrcRva = 0x4000;
constexpr std::uint32_t kCodeExecuteRead = 0x60000020;
constexpr std::uint32_t kInitialisedDataRead = 0x40000040;

struct ResourceNode {
    std::u16string name;  // a named entry when not empty
    std::uint32_t number = 0;
    std::vector<ResourceNode> children;  // empty: a data leaf
    std::string data;
};

// File offsets of the fields the corruption cases overwrite.
struct Fixture {
    std::vector<std::uint8_t> bytes;
    std::size_t dosSignature = 0;
    std::size_t peHeaderOffsetField = 0;
    std::size_t peSignature = 0;
    std::size_t optionalMagic = 0;
    std::size_t exportDirectoryRva = 0;
    std::size_t importDirectoryRva = 0;
    std::size_t resourceDirectoryRva = 0;
    std::size_t rsrcRawSize = 0;
    std::size_t exportDllNameRva = 0;
    std::size_t exportFunctionCount = 0;
    std::size_t firstExportAddress = 0;
    std::size_t firstNameOrdinal = 0;
    std::size_t firstImportNameRva = 0;
    std::size_t resourceRootFirstTarget = 0;
    std::size_t firstResourceDataRva = 0;
};

struct SectionContent {
    const char* name;
    std::uint32_t rva;
    std::uint32_t characteristics;
    Buffer content;
};

// Writes a resource directory with its subtrees after it; returns its offset in the section.
std::uint32_t writeResourceDirectory(Buffer& rsrc, const std::vector<ResourceNode>& nodes,
                                     std::vector<std::size_t>& dataRvaFields, std::vector<std::size_t>& targetFields) {
    const std::uint32_t offset = static_cast<std::uint32_t>(rsrc.size());
    std::uint16_t namedCount = 0;
    for (const ResourceNode& node : nodes) namedCount += node.name.empty() ? 0 : 1;
    rsrc.zeros(12);
    rsrc.u16(namedCount);
    rsrc.u16(static_cast<std::uint16_t>(nodes.size() - namedCount));
    std::vector<std::size_t> entries;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        entries.push_back(rsrc.u32(0));
        targetFields.push_back(rsrc.u32(0));
    }
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const ResourceNode& node = nodes[i];
        if (node.name.empty()) {
            rsrc.patch32(entries[i], node.number);
        } else {
            rsrc.patch32(entries[i], 0x80000000u | static_cast<std::uint32_t>(rsrc.u16(static_cast<std::uint16_t>(node.name.size()))));
            rsrc.utf16(node.name);
            rsrc.alignTo(4);
        }
        if (!node.children.empty()) {
            const std::uint32_t child = writeResourceDirectory(rsrc, node.children, dataRvaFields, targetFields);
            rsrc.patch32(entries[i] + 4, 0x80000000u | child);
            continue;
        }
        const std::size_t entry = rsrc.size();
        rsrc.patch32(entries[i] + 4, static_cast<std::uint32_t>(entry));
        dataRvaFields.push_back(rsrc.u32(kRsrcRva + static_cast<std::uint32_t>(entry) + 16));
        rsrc.u32(static_cast<std::uint32_t>(node.data.size()));
        rsrc.zeros(8);
        rsrc.append(std::span(reinterpret_cast<const std::uint8_t*>(node.data.data()), node.data.size()));
        rsrc.alignTo(4);
    }
    return offset;
}

Fixture buildFixture() {
    std::vector<SectionContent> sections;
    sections.push_back({".text", kTextRva, kCodeExecuteRead, {}});
    sections.push_back({".data", kDataRva, kInitialisedDataRead, {}});
    sections.push_back({".rdata", kRdataRva, kInitialisedDataRead, {}});
    sections.push_back({".rsrc", kRsrcRva, kInitialisedDataRead, {}});
    sections[0].content.zeros(16);
    sections[1].content.zeros(16);

    // Export directory: ordinal base 5, a gap at ordinal 6, names listed in
    // an order different from the functions so that the mapping matters.
    Buffer& rdata = sections[2].content;
    const auto rvaInRdata = [](std::size_t at) { return kRdataRva + static_cast<std::uint32_t>(at); };
    rdata.zeros(12);
    const std::size_t dllNameField = rdata.u32(0);
    rdata.u32(5);
    const std::size_t functionCountField = rdata.u32(3);
    rdata.u32(2);
    const std::size_t functionsField = rdata.u32(0);
    const std::size_t namesField = rdata.u32(0);
    const std::size_t ordinalsField = rdata.u32(0);
    rdata.patch32(functionsField, rvaInRdata(rdata.size()));
    const std::size_t firstFunction = rdata.u32(kDataRva + 4);
    rdata.u32(0);
    rdata.u32(kTextRva + 8);
    rdata.patch32(namesField, rvaInRdata(rdata.size()));
    const std::size_t alphaName = rdata.u32(0);
    const std::size_t betaName = rdata.u32(0);
    rdata.patch32(ordinalsField, rvaInRdata(rdata.size()));
    const std::size_t firstOrdinal = rdata.u16(2);
    rdata.u16(0);
    rdata.patch32(dllNameField, rvaInRdata(rdata.cString("Fixture.gau")));
    rdata.patch32(alphaName, rvaInRdata(rdata.cString("Alpha")));
    rdata.patch32(betaName, rvaInRdata(rdata.cString("Beta")));
    const std::uint32_t exportSize = static_cast<std::uint32_t>(rdata.size());

    rdata.alignTo(4);
    const std::size_t importStart = rdata.size();
    const std::size_t kernelDescriptor = rdata.size();
    rdata.zeros(20);
    const std::size_t userDescriptor = rdata.size();
    rdata.zeros(20);
    rdata.zeros(20);  // terminator
    rdata.patch32(kernelDescriptor + 12, rvaInRdata(rdata.cString("KERNEL32.dll")));
    rdata.patch32(userDescriptor + 12, rvaInRdata(rdata.cString("USER32.dll")));
    rdata.alignTo(4);

    const std::vector<ResourceNode> tree = {
        {u"PNG", 0, {{{}, 1, {{{}, 1033, {}, "f"}}, {}}}, {}},
        {{}, 2, {{{}, 0x100, {{{}, 1033, {}, "abc"}}, {}}, {{}, 0x101, {{{}, 1031, {}, "de"}}, {}}}, {}},
    };
    std::vector<std::size_t> dataRvaFields;
    std::vector<std::size_t> targetFields;
    writeResourceDirectory(sections[3].content, tree, dataRvaFields, targetFields);

    // Headers: DOS stub, PE signature, COFF header, PE32 optional header, section table.
    Fixture fixture;
    Buffer file;
    fixture.dosSignature = file.u16(0x5a4d);
    file.zeros(0x3a);
    fixture.peHeaderOffsetField = file.u32(0x40);
    fixture.peSignature = file.u32(0x00004550);
    file.u16(0x14c);
    file.u16(static_cast<std::uint16_t>(sections.size()));
    file.zeros(12);
    file.u16(224);
    file.u16(0x2102);  // executable, 32-bit, DLL
    const std::size_t optional = file.size();
    fixture.optionalMagic = file.u16(0x10b);
    file.zeros(90);
    file.u32(16);
    fixture.exportDirectoryRva = file.u32(kRdataRva);
    file.u32(exportSize);
    fixture.importDirectoryRva = file.u32(rvaInRdata(importStart));
    file.u32(60);
    fixture.resourceDirectoryRva = file.u32(kRsrcRva);
    file.u32(static_cast<std::uint32_t>(sections[3].content.size()));
    file.zeros(optional + 224 - file.size());

    std::vector<std::size_t> rawOffsetFields;
    std::vector<std::size_t> rawSizeFields;
    for (const SectionContent& section : sections) {
        Buffer name;
        name.cString(section.name);
        name.zeros(8 - name.size());
        file.append(name.bytes);
        file.u32(static_cast<std::uint32_t>(section.content.size()));
        file.u32(section.rva);
        rawSizeFields.push_back(file.u32(static_cast<std::uint32_t>(section.content.size())));
        rawOffsetFields.push_back(file.u32(0));
        file.zeros(12);
        file.u32(section.characteristics);
    }
    std::vector<std::size_t> rawOffsets;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        file.alignTo(16);
        rawOffsets.push_back(file.size());
        file.patch32(rawOffsetFields[i], static_cast<std::uint32_t>(file.size()));
        file.append(sections[i].content.bytes);
    }

    fixture.rsrcRawSize = rawSizeFields[3];
    fixture.exportDllNameRva = rawOffsets[2] + dllNameField;
    fixture.exportFunctionCount = rawOffsets[2] + functionCountField;
    fixture.firstExportAddress = rawOffsets[2] + firstFunction;
    fixture.firstNameOrdinal = rawOffsets[2] + firstOrdinal;
    fixture.firstImportNameRva = rawOffsets[2] + kernelDescriptor + 12;
    fixture.resourceRootFirstTarget = rawOffsets[3] + targetFields.front();
    fixture.firstResourceDataRva = rawOffsets[3] + dataRvaFields.front();
    fixture.bytes = std::move(file.bytes);
    return fixture;
}

void expectFormatError(std::span<const std::uint8_t> bytes, std::string_view expectedMessagePart) {
    try {
        petest::readPeImage(bytes);
        ADD_FAILURE() << "no PeFormatError";
    } catch (const PeFormatError& error) {
        EXPECT_NE(std::string_view(error.what()).find(expectedMessagePart), std::string_view::npos)
            << "message: " << error.what();
    }
}

TEST(PeImageReader, ReadsHeadersExportsImportsAndResources) {
    const Fixture fixture = buildFixture();
    const petest::PeImage image = petest::readPeImage(fixture.bytes);

    EXPECT_EQ(image.machine, petest::kMachineI386);
    EXPECT_TRUE(image.isDll());
    EXPECT_EQ(image.exportDllName, "Fixture.gau");

    ASSERT_EQ(image.exports.size(), 2u);
    EXPECT_EQ(image.exports[0].name, "Beta");
    EXPECT_EQ(image.exports[0].ordinal, 5u);
    EXPECT_EQ(image.exports[0].rva, kDataRva + 4);
    EXPECT_FALSE(image.exports[0].inExecutableSection);
    EXPECT_EQ(image.exports[1].name, "Alpha");
    EXPECT_EQ(image.exports[1].ordinal, 7u);
    EXPECT_EQ(image.exports[1].rva, kTextRva + 8);
    EXPECT_TRUE(image.exports[1].inExecutableSection);

    EXPECT_EQ(image.importedDlls, (std::vector<std::string>{"KERNEL32.dll", "USER32.dll"}));

    ASSERT_EQ(image.resources.size(), 3u);
    const petest::Resource& named = image.resources[0];
    EXPECT_TRUE(named.type.named);
    EXPECT_EQ(named.type.text, "PNG");
    EXPECT_TRUE(named.name.isNumber(1));
    EXPECT_TRUE(named.language.isNumber(1033));
    EXPECT_EQ(std::string(named.data.begin(), named.data.end()), "f");
    struct Expected {
        std::uint32_t name;
        std::uint32_t language;
        std::string data;
    };
    const Expected bitmaps[] = {{0x100, 1033, "abc"}, {0x101, 1031, "de"}};
    for (std::size_t i = 0; i < 2; ++i) {
        const petest::Resource& resource = image.resources[i + 1];
        SCOPED_TRACE(i);
        EXPECT_TRUE(resource.type.isNumber(petest::kResourceTypeBitmap));
        EXPECT_TRUE(resource.name.isNumber(bitmaps[i].name));
        EXPECT_TRUE(resource.language.isNumber(bitmaps[i].language));
        EXPECT_EQ(std::string(resource.data.begin(), resource.data.end()), bitmaps[i].data);
    }
}

TEST(PeImageReader, EveryTruncationIsAFormatError) {
    const Fixture fixture = buildFixture();
    const std::span<const std::uint8_t> whole(fixture.bytes);
    for (std::size_t length = 0; length < whole.size(); ++length) {
        SCOPED_TRACE(length);
        EXPECT_THROW(petest::readPeImage(whole.first(length)), PeFormatError);
    }
}

struct Corruption {
    const char* name;
    std::size_t Fixture::*field;
    std::uint32_t value;
    int width;  // bytes overwritten: 2 or 4
    const char* expectedMessagePart;
};

constexpr std::uint32_t kFarRva = 0x00f00000;

const Corruption kCorruptions[] = {
    {"DosSignature", &Fixture::dosSignature, 0x5a4e, 2, "MZ"},
    {"PeSignature", &Fixture::peSignature, 0x00004551, 4, "PE signature"},
    {"PeHeaderOffsetPastEnd", &Fixture::peHeaderOffsetField, 0xffffff00, 4, "PE signature"},
    {"OptionalHeaderMagic", &Fixture::optionalMagic, 0x999, 2, "magic"},
    {"SectionRawDataPastEnd", &Fixture::rsrcRawSize, 0x10000, 4, "raw data of section .rsrc"},
    {"ExportDirectoryOutsideSections", &Fixture::exportDirectoryRva, kFarRva, 4, "outside every section"},
    {"ImportDirectoryOutsideSections", &Fixture::importDirectoryRva, kFarRva, 4, "outside every section"},
    {"ResourceDirectoryOutsideSections", &Fixture::resourceDirectoryRva, kFarRva, 4, "outside every section"},
    {"ExportDllNameOutsideSections", &Fixture::exportDllNameRva, kFarRva, 4, "outside every section"},
    {"ExportAddressOutsideSections", &Fixture::firstExportAddress, kFarRva, 4, "outside every section"},
    {"ImportNameOutsideSections", &Fixture::firstImportNameRva, kFarRva, 4, "outside every section"},
    {"ResourceDataOutsideSections", &Fixture::firstResourceDataRva, kFarRva, 4, "outside every section"},
    // .text holds 16 bytes, so a 40-byte directory 8 bytes into it crosses its end.
    {"ExportDirectoryStraddlesSectionEnd", &Fixture::exportDirectoryRva, kTextRva + 8, 4, "runs past the file data"},
    {"HugeExportCount", &Fixture::exportFunctionCount, 0x40000000, 4, "runs past the file data"},
    {"NameOrdinalOutOfRange", &Fixture::firstNameOrdinal, 9, 2, "refers to function 9"},
    {"ResourceCycle", &Fixture::resourceRootFirstTarget, 0x80000000, 4, "referenced twice"},
    {"ResourceDataAtTypeLevel", &Fixture::resourceRootFirstTarget, 0, 4, "above the language level"},
};

void PrintTo(const Corruption& corruption, std::ostream* out) { *out << corruption.name; }

class PeImageCorruption : public ::testing::TestWithParam<Corruption> {};

TEST_P(PeImageCorruption, GivesFormatErrorNamingTheFault) {
    Fixture fixture = buildFixture();
    Buffer file{std::move(fixture.bytes)};
    const Corruption& corruption = GetParam();
    const std::size_t at = fixture.*corruption.field;
    if (corruption.width == 2) {
        file.patch16(at, static_cast<std::uint16_t>(corruption.value));
    } else {
        file.patch32(at, corruption.value);
    }
    expectFormatError(file.bytes, corruption.expectedMessagePart);
}

INSTANTIATE_TEST_SUITE_P(Fields, PeImageCorruption, ::testing::ValuesIn(kCorruptions),
                         [](const ::testing::TestParamInfo<Corruption>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Version resource blocks, written top-down; a block's length is fixed when it ends.

class VersionWriter {
public:
    void begin(std::string_view key, std::uint16_t type, std::span<const std::uint8_t> value,
               std::uint16_t valueLength) {
        out.alignTo(4);
        blockOffsets.push_back(out.size());
        openBlocks.push_back(out.u16(0));
        out.u16(valueLength);
        out.u16(type);
        out.utf16(widen(key));
        out.u16(0);
        out.alignTo(4);
        out.append(value);
    }
    void end() {
        out.patch16(openBlocks.back(), static_cast<std::uint16_t>(out.size() - openBlocks.back()));
        openBlocks.pop_back();
    }
    void container(std::string_view key) { begin(key, 1, {}, 0); }
    void text(std::string_view key, std::u16string_view value) {
        Buffer units;
        units.utf16(value);
        units.u16(0);
        begin(key, 1, units.bytes, static_cast<std::uint16_t>(value.size() + 1));
        end();
    }

    Buffer out;
    std::vector<std::size_t> blockOffsets;  // in the order the blocks begin

private:
    std::vector<std::size_t> openBlocks;
};

struct VersionFixture {
    std::vector<std::uint8_t> bytes;
    std::size_t rootKey = 0;
    std::size_t signature = 0;
    std::size_t firstStringValueLength = 0;
};

VersionFixture buildVersionResource() {
    Buffer fixed;
    const std::size_t signature = fixed.u32(0xfeef04bd);
    fixed.u32(0x00010000);
    fixed.u32(0x00010002);  // file version 1.2.3.4
    fixed.u32(0x00030004);
    fixed.u32(0x00050006);  // product version 5.6.7.8
    fixed.u32(0x00070008);
    fixed.zeros(28);

    VersionWriter writer;
    writer.begin("VS_VERSION_INFO", 0, fixed.bytes, static_cast<std::uint16_t>(fixed.size()));
    writer.container("StringFileInfo");
    writer.container("040904B0");
    writer.text("FileDescription", u"Flight Simulator 2004 Gauge");
    const std::size_t firstString = writer.blockOffsets.back();
    writer.text("LegalCopyright", u"\u00a9 2004");
    writer.end();
    writer.container("040704B0");
    writer.text("FileVersion", u"1.0.0");
    writer.end();
    writer.end();
    writer.container("VarFileInfo");
    Buffer translation;
    translation.u16(0x409);
    translation.u16(1200);
    writer.begin("Translation", 0, translation.bytes, 4);
    writer.end();
    writer.end();
    writer.end();
    constexpr std::size_t rootKey = 6;  // after length, value length and type
    constexpr std::size_t fixedInfoOffset = 40;  // after the padded "VS_VERSION_INFO" key
    return {std::move(writer.out.bytes), rootKey, fixedInfoOffset + signature, firstString + 2};
}

TEST(VersionInfoReader, ReadsFixedVersionsAndEveryStringTable) {
    const petest::VersionInfo info = petest::readVersionInfo(buildVersionResource().bytes);

    EXPECT_EQ(info.fileVersion, (petest::VersionQuad{1, 2, 3, 4}));
    EXPECT_EQ(info.productVersion, (petest::VersionQuad{5, 6, 7, 8}));
    ASSERT_EQ(info.strings.size(), 3u);
    EXPECT_EQ(info.strings[0].key, "FileDescription");
    EXPECT_EQ(info.strings[0].value, "Flight Simulator 2004 Gauge");
    EXPECT_EQ(info.strings[1].key, "LegalCopyright");
    EXPECT_EQ(info.strings[1].value, "\xc2\xa9 2004");
    EXPECT_EQ(info.findString("FileVersion"), "1.0.0");
    EXPECT_EQ(info.findString("Translation"), std::nullopt);
}

TEST(VersionInfoReader, EveryTruncationIsAFormatError) {
    const VersionFixture fixture = buildVersionResource();
    const std::span<const std::uint8_t> whole(fixture.bytes);
    for (std::size_t length = 0; length < whole.size(); ++length) {
        SCOPED_TRACE(length);
        EXPECT_THROW(petest::readVersionInfo(whole.first(length)), PeFormatError);
    }
}

TEST(VersionInfoReader, CorruptedFieldsAreFormatErrors) {
    struct Case {
        const char* name;
        std::size_t VersionFixture::*field;
        std::uint16_t value;
    };
    const Case cases[] = {
        {"fixed info signature", &VersionFixture::signature, 0x1234},
        {"string value longer than its block", &VersionFixture::firstStringValueLength, 0x7fff},
        {"root key", &VersionFixture::rootKey, 'X'},
    };
    for (const Case& corruption : cases) {
        SCOPED_TRACE(corruption.name);
        VersionFixture fixture = buildVersionResource();
        Buffer data{std::move(fixture.bytes)};
        data.patch16(fixture.*corruption.field, corruption.value);
        EXPECT_THROW(petest::readVersionInfo(data.bytes), PeFormatError);
    }
}

// ---------------------------------------------------------------------------

std::vector<std::uint8_t> makeDib(std::int32_t width, std::int32_t height, std::uint16_t bitCount,
                                  std::uint32_t colorsUsed, std::size_t paletteEntries, std::size_t pixelBytes,
                                  std::uint32_t compression = petest::kBitmapCompressionRgb) {
    Buffer dib;
    dib.u32(40);
    dib.u32(static_cast<std::uint32_t>(width));
    dib.u32(static_cast<std::uint32_t>(height));
    dib.u16(1);
    dib.u16(bitCount);
    dib.u32(compression);
    dib.zeros(12);
    dib.u32(colorsUsed);
    dib.u32(0);
    dib.zeros(paletteEntries * 4 + pixelBytes);
    return std::move(dib.bytes);
}

constexpr std::uint32_t kBitmapCompressionRle8 = 1;

TEST(DibHeaderReader, ReadsSizeDepthAndPalette) {
    struct Case {
        const char* name;
        std::int32_t width, height;
        std::uint16_t bitCount;
        std::uint32_t compression;
        std::uint32_t colorsUsed;
        std::uint32_t expectedHeight;
        std::uint32_t expectedPalette;
        std::size_t pixelBytes;  // uncompressed rows padded to 4 bytes
    };
    constexpr std::uint32_t rgb = petest::kBitmapCompressionRgb;
    const Case cases[] = {
        {"8-bit, full palette implied", 5, 3, 8, rgb, 0, 3, 256, 8 * 3},
        {"8-bit, 16 colours used", 5, 3, 8, rgb, 16, 3, 16, 8 * 3},
        {"8-bit run-length coded, shorter than its pixels", 5, 3, 8, kBitmapCompressionRle8, 16, 3, 16, 4},
        {"24-bit bottom-up", 3, 2, 24, rgb, 0, 2, 0, 12 * 2},
        {"24-bit top-down", 2, -2, 24, rgb, 0, 2, 0, 8 * 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const petest::DibHeader header = petest::readDibHeader(
            makeDib(c.width, c.height, c.bitCount, c.colorsUsed, c.expectedPalette, c.pixelBytes, c.compression));
        EXPECT_EQ(header.headerSize, 40u);
        EXPECT_EQ(header.width, static_cast<std::uint32_t>(c.width));
        EXPECT_EQ(header.height, c.expectedHeight);
        EXPECT_EQ(header.bitCount, c.bitCount);
        EXPECT_EQ(header.compression, c.compression);
        EXPECT_EQ(header.paletteEntries, c.expectedPalette);
    }
}

TEST(DibHeaderReader, MissingBytesAreFormatErrors) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> data;
    };
    std::vector<std::uint8_t> shortHeader = makeDib(3, 2, 24, 0, 0, 24);
    shortHeader.resize(20);
    std::vector<std::uint8_t> coreHeader = makeDib(3, 2, 24, 0, 0, 24);
    coreHeader[0] = 12;
    const Case cases[] = {
        {"header cut short", shortHeader},
        {"BITMAPCOREHEADER", coreHeader},
        {"palette one entry short", makeDib(5, 3, 8, 16, 15, 24)},
        {"run-length coded, palette one entry short", makeDib(5, 3, 8, 16, 15, 0, kBitmapCompressionRle8)},
        {"last pixel row one byte short", makeDib(3, 2, 24, 0, 0, 12 * 2 - 1)},
        {"8-bit rows without padding", makeDib(5, 3, 8, 0, 256, 5 * 3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(petest::readDibHeader(c.data), PeFormatError);
    }
}

}  // namespace
