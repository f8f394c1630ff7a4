// Checks every built gauge module file against what the host needs to load it:
// a 32-bit DLL with the two data exports, no run-time DLLs beyond the system's,
// the gauge version resource, and exactly the pictures the picture generator made.
//
// Configured by the environment:
//   GAUGE_DIST_DIR     folder holding <Module>.gau
//   GAUGE_PICTURE_DIR  folder holding <Module>.bitmaps/pictures.txt
//   GAUGE_MODULES      comma-separated module names, e.g. VeskarZ3V3,VeskarZ3V5
#include "support/pe_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr const char* kDistHelp = "set GAUGE_DIST_DIR to the folder holding the built <Module>.gau files";
constexpr const char* kPictureHelp = "set GAUGE_PICTURE_DIR to the folder holding <Module>.bitmaps/pictures.txt";
constexpr const char* kModulesHelp =
    "set GAUGE_MODULES to the comma-separated module names to check, e.g. VeskarZ3V3,VeskarZ3V5";

constexpr std::uint32_t kLanguageEnglishUs = 1033;

std::optional<std::string> environmentValue(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    return std::string(value);
}

std::string trimmed(const std::string& text) {
    const auto isSpace = [](unsigned char c) { return std::isspace(c) != 0; };
    const auto first = std::find_if_not(text.begin(), text.end(), isSpace);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isSpace).base();
    return first < last ? std::string(first, last) : std::string();
}

std::vector<std::string> modulesFromEnvironment() {
    std::vector<std::string> modules;
    std::istringstream list(environmentValue("GAUGE_MODULES").value_or(""));
    for (std::string name; std::getline(list, name, ',');) {
        name = trimmed(name);
        if (!name.empty()) modules.push_back(name);
    }
    return modules;
}

std::vector<std::uint8_t> readFileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct ManifestEntry {
    std::uint32_t id = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t bitCount = 0;
};

std::uint32_t parseManifestNumber(const std::string& text, int base, const std::string& where) {
    std::size_t used = 0;
    unsigned long value = 0;
    // stoul would also take a sign; a manifest number never has one.
    if (std::isxdigit(static_cast<unsigned char>(text.front())) != 0) {
        try {
            value = std::stoul(text, &used, base);
        } catch (const std::logic_error&) {
            used = 0;
        }
    }
    if (used == 0 || used != text.size() || value > 0xffffffffUL) {
        throw std::runtime_error(where + ": \"" + text + "\" is not a valid number");
    }
    return static_cast<std::uint32_t>(value);
}

// One picture a line: "<id in hex> <width> <height> <bits>"; '#' starts a comment.
std::vector<ManifestEntry> readManifest(const fs::path& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot open " + path.string());
    std::vector<ManifestEntry> pictures;
    std::set<std::uint32_t> seen;
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        const std::string where = path.string() + " line " + std::to_string(lineNumber);
        std::istringstream fields(line.substr(0, line.find('#')));
        std::vector<std::string> tokens{std::istream_iterator<std::string>(fields), std::istream_iterator<std::string>()};
        if (tokens.empty()) continue;
        if (tokens.size() != 4) throw std::runtime_error(where + ": expected \"<id> <width> <height> <bits>\"");
        const ManifestEntry picture{parseManifestNumber(tokens[0], 16, where), parseManifestNumber(tokens[1], 10, where),
                                  parseManifestNumber(tokens[2], 10, where), parseManifestNumber(tokens[3], 10, where)};
        if (!seen.insert(picture.id).second) throw std::runtime_error(where + ": picture id listed twice");
        pictures.push_back(picture);
    }
    return pictures;
}

std::string lowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::string hex(std::uint32_t value) {
    std::ostringstream out;
    out << "0x" << std::hex << value;
    return out.str();
}

TEST(GaugeCheckConfiguration, EnvironmentNamesModulesAndFolders) {
    const auto dist = environmentValue("GAUGE_DIST_DIR");
    const auto pictures = environmentValue("GAUGE_PICTURE_DIR");
    EXPECT_TRUE(dist.has_value()) << kDistHelp;
    EXPECT_TRUE(pictures.has_value()) << kPictureHelp;
    EXPECT_FALSE(modulesFromEnvironment().empty()) << kModulesHelp;
    if (dist) {
        EXPECT_TRUE(fs::is_directory(*dist)) << "GAUGE_DIST_DIR " << *dist << " is not a folder";
    }
    if (pictures) {
        EXPECT_TRUE(fs::is_directory(*pictures)) << "GAUGE_PICTURE_DIR " << *pictures << " is not a folder";
    }
}

class GaugeModuleCheck : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        const auto dist = environmentValue("GAUGE_DIST_DIR");
        ASSERT_TRUE(dist.has_value()) << kDistHelp;
        const fs::path path = fs::path(*dist) / (module() + ".gau");
        try {
            image_ = petest::readPeImage(readFileBytes(path));
        } catch (const std::exception& error) {
            FAIL() << path.string() << ": " << error.what();
        }
    }

    const std::string& module() const { return GetParam(); }
    const petest::PeImage& image() const { return image_; }

private:
    petest::PeImage image_;
};

TEST_P(GaugeModuleCheck, IsA32BitWindowsDll) {
    EXPECT_EQ(image().machine, petest::kMachineI386) << "machine " << hex(image().machine) << " is not i386";
    EXPECT_TRUE(image().isDll()) << "characteristics " << hex(image().characteristics) << " lack the DLL flag";
}

TEST_P(GaugeModuleCheck, ExportsImportTableAndLinkageAsData) {
    EXPECT_EQ(image().exportDllName, module() + ".gau");
    struct Expected {
        const char* name;
        std::uint32_t ordinal;
    };
    const Expected expected[] = {{"ImportTable", 1}, {"Linkage", 2}};
    ASSERT_EQ(image().exports.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const petest::Export& exported = image().exports[i];
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(exported.name, expected[i].name);
        EXPECT_EQ(exported.ordinal, expected[i].ordinal);
        EXPECT_FALSE(exported.inExecutableSection) << "RVA " << hex(exported.rva) << " lies in code, not data";
    }
}

TEST_P(GaugeModuleCheck, ImportsOnlyDllsEveryWindowsHas) {
    const std::set<std::string> systemDlls = {"kernel32.dll", "user32.dll", "msvcrt.dll", "advapi32.dll"};
    EXPECT_FALSE(image().importedDlls.empty()) << "a DLL built by the toolchain imports at least kernel32.dll";
    for (const std::string& dll : image().importedDlls) {
        EXPECT_TRUE(systemDlls.contains(lowercase(dll)))
            << "imports " << dll << ", which the host machine need not have; link the runtimes statically";
    }
}

TEST_P(GaugeModuleCheck, ShipsWithoutDebuggingSections) {
    for (const petest::SectionHeader& section : image().sections) {
        EXPECT_FALSE(section.name.starts_with(".debug") || section.name.starts_with("/"))
            << "section " << section.name << " (" << section.rawSize << " bytes) belongs in the symbol file, not in what ships";
    }
}

// Code and data, everything beside the pictures and the version, stay small: what the simulator
// maps for each module it loads.
TEST_P(GaugeModuleCheck, CodeAndDataFitIn64KiB) {
    constexpr std::uint64_t kBound = 64 * 1024;
    std::uint64_t total = 0;
    std::string sizes;
    for (const petest::SectionHeader& section : image().sections) {
        // Debugging sections are the check above's; the pictures and the version are resources.
        if (section.name == ".rsrc" || section.name == ".gnu_debuglink" || section.name.starts_with(".debug")) continue;
        // What the section holds, without the file's alignment padding.
        const std::uint32_t size = section.virtualSize != 0 ? section.virtualSize : section.rawSize;
        total += size;
        sizes += " " + section.name + " " + std::to_string(size);
    }
    EXPECT_LE(total, kBound) << "code and data take " << total << " bytes:" << sizes;
}

// What the runtime's start-up and the frame's text formatting import, and nothing more: nothing
// that opens a file, starts a thread or allocates beyond the start-up's own list of exit routines.
TEST_P(GaugeModuleCheck, ImportsNothingThatOpensFilesOrStartsThreads) {
    const std::set<std::string> allowed = {
        // kernel32: start-up, thread-local storage, relocation of the runtime's pointers, the
        // unwinder's registration of its frame tables
        "kernel32.dll!DeleteCriticalSection", "kernel32.dll!EnterCriticalSection", "kernel32.dll!FreeLibrary",
        "kernel32.dll!GetLastError", "kernel32.dll!GetModuleHandleA", "kernel32.dll!GetModuleHandleW",
        "kernel32.dll!GetProcAddress", "kernel32.dll!InitializeCriticalSection", "kernel32.dll!LeaveCriticalSection",
        "kernel32.dll!LoadLibraryA", "kernel32.dll!Sleep", "kernel32.dll!TlsGetValue", "kernel32.dll!VirtualProtect",
        "kernel32.dll!VirtualQuery",
        // kernel32: the text formatting's character conversions
        "kernel32.dll!IsDBCSLeadByteEx", "kernel32.dll!MultiByteToWideChar", "kernel32.dll!WideCharToMultiByte",
        // msvcrt: start-up and its list of exit routines (the only allocation), its error report to
        // the already open standard error
        "msvcrt.dll!_amsg_exit", "msvcrt.dll!_errno", "msvcrt.dll!_initterm", "msvcrt.dll!_iob", "msvcrt.dll!_lock",
        "msvcrt.dll!_unlock", "msvcrt.dll!abort", "msvcrt.dll!calloc", "msvcrt.dll!malloc", "msvcrt.dll!realloc",
        "msvcrt.dll!free", "msvcrt.dll!fputc", "msvcrt.dll!fwrite", "msvcrt.dll!vfprintf", "msvcrt.dll!strerror",
        // msvcrt: text formatting and memory
        "msvcrt.dll!__mb_cur_max", "msvcrt.dll!atoi", "msvcrt.dll!localeconv", "msvcrt.dll!setlocale",
        "msvcrt.dll!memcpy", "msvcrt.dll!memset", "msvcrt.dll!strchr", "msvcrt.dll!strlen", "msvcrt.dll!strncmp",
        "msvcrt.dll!wcslen",
    };
    EXPECT_FALSE(image().imports.empty());
    for (const petest::Import& import : image().imports) {
        const std::string name = lowercase(import.dll) + "!" + import.function;
        EXPECT_TRUE(allowed.contains(name)) << "imports " << name;
    }
}

TEST_P(GaugeModuleCheck, CarriesTheGaugeVersionResource) {
    std::vector<const petest::Resource*> versions;
    for (const petest::Resource& resource : image().resources) {
        if (resource.type.isNumber(petest::kResourceTypeVersion)) versions.push_back(&resource);
    }
    ASSERT_EQ(versions.size(), 1u) << "expected exactly one version resource";
    petest::VersionInfo info;
    try {
        info = petest::readVersionInfo(versions.front()->data);
    } catch (const petest::PeFormatError& error) {
        FAIL() << error.what();
    }
    EXPECT_EQ(info.fileVersion, (petest::VersionQuad{1, 0, 0, 0}));
    EXPECT_EQ(info.productVersion, (petest::VersionQuad{1, 0, 0, 0}));
    EXPECT_EQ(info.findString("FileDescription").value_or("(missing)"), "Flight Simulator 2004 Gauge");
    EXPECT_EQ(info.findString("FileVersion").value_or("(missing)"), "1.0.0");
    EXPECT_EQ(info.findString("ProductVersion").value_or("(missing)"), "1.0.0");
}

TEST_P(GaugeModuleCheck, CarriesExactlyTheManifestPictures) {
    const auto pictureDir = environmentValue("GAUGE_PICTURE_DIR");
    ASSERT_TRUE(pictureDir.has_value()) << kPictureHelp;
    std::vector<ManifestEntry> manifest;
    try {
        manifest = readManifest(fs::path(*pictureDir) / (module() + ".bitmaps") / "pictures.txt");
    } catch (const std::exception& error) {
        FAIL() << error.what();
    }
    EXPECT_FALSE(manifest.empty()) << "the picture manifest lists no pictures";

    std::vector<const petest::Resource*> bitmaps;
    for (const petest::Resource& resource : image().resources) {
        if (!resource.type.isNumber(petest::kResourceTypeBitmap)) continue;
        EXPECT_FALSE(resource.name.named) << "bitmap named \"" << resource.name.text << "\" has no numeric id";
        if (!resource.name.named) bitmaps.push_back(&resource);
    }
    std::vector<std::uint32_t> bitmapIds;
    for (const petest::Resource* bitmap : bitmaps) bitmapIds.push_back(bitmap->name.number);
    std::vector<std::uint32_t> manifestIds;
    for (const ManifestEntry& picture : manifest) manifestIds.push_back(picture.id);
    std::sort(bitmapIds.begin(), bitmapIds.end());
    std::sort(manifestIds.begin(), manifestIds.end());
    EXPECT_EQ(bitmapIds, manifestIds) << "bitmap resource ids differ from the manifest";

    for (const ManifestEntry& picture : manifest) {
        SCOPED_TRACE("picture " + hex(picture.id));
        EXPECT_GE(picture.id, 0x100u);
        EXPECT_TRUE(picture.bitCount == 8 || picture.bitCount == 24) << "manifest bit count " << picture.bitCount;
        for (const petest::Resource* bitmap : bitmaps) {
            if (bitmap->name.number != picture.id) continue;
            EXPECT_TRUE(bitmap->language.isNumber(kLanguageEnglishUs))
                << "language " << bitmap->language.number << (bitmap->language.named ? " (named)" : "");
            petest::DibHeader header;
            try {
                header = petest::readDibHeader(bitmap->data);
            } catch (const petest::PeFormatError& error) {
                ADD_FAILURE() << error.what();
                continue;
            }
            EXPECT_EQ(header.headerSize, 40u) << "not a BITMAPINFOHEADER";
            EXPECT_EQ(header.compression, petest::kBitmapCompressionRgb) << "compressed bitmap";
            EXPECT_EQ(header.width, picture.width);
            EXPECT_EQ(header.height, picture.height);
            EXPECT_EQ(header.bitCount, picture.bitCount);
            if (header.bitCount == 8) {
                EXPECT_GE(header.paletteEntries, 1u);
                EXPECT_LE(header.paletteEntries, 256u);
            }
        }
    }
}

// Without GAUGE_MODULES there are no instances; the configuration test then reports what to set.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(GaugeModuleCheck);

INSTANTIATE_TEST_SUITE_P(Modules, GaugeModuleCheck, ::testing::ValuesIn(modulesFromEnvironment()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             for (char& c : name) {
                                 if (std::isalnum(static_cast<unsigned char>(c)) == 0) c = '_';
                             }
                             return name;
                         });

}  // namespace
