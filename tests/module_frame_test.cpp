// The frame as every shipped module carries it, seen through the bench host: the gauge lists, the
// forwarding routines, the service-code protocol, the pictures, and the host's refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <functional>
#include <map>
#include <set>
#include <sstream>

#include "support/bench.h"
#include "support/module_memory.h"

namespace {

using benchtest::BenchTest;
using benchtest::requiredEnvironment;

struct ModuleCase {
    const char* module;
    std::vector<std::string> gauges;  // Linkage order
};

const ModuleCase kModules[] = {
    {"VeskarZ3V3", {"PanelFuel", "Avionics"}},
    {"VeskarZ3V5", {"GearPos", "GearPosVC"}},
    {"VeskarZ3VRadios", {"RadioTrans", "RadioDME", "RadioAP2", "RadioAudioZ3V", "RadioCom2Nav2Z3V", "RadioAdfZ3V",
                         "RadioCom1Nav1Z3V", "RadioCom1Nav1Z3VVFR", "RadioAudioZ3VVFR"}},
    {"VeskarZ3VVFR", {"Asi", "Altimetro", "Vor1", "AutoClose"}},
    {"VeskarZ3VM", {"Vsi", "Asi", "Altimetro", "Turn", "Gyro"}},
    {"VeskarZ3V7", {"TrimVmove", "ElevadorTrim", "RudderTrim", "LowVolt", "TrimHmove", "Egt", "LowVoltVFR"}},
    {"VeskarZ3V2", {"EngineL", "EngineR", "Carbheat", "FuelFlow", "Toggle10", "Toggle20", "Toggle25", "Toggle30",
                    "Toggle40", "Toggle45", "Toggle50", "Toggle55", "Toggle65", "Toggle75", "Toggle200",
                    "Toggle1009", "Toggle1040", "Toggle1100", "Toggle1110", "ToggleOpen1012", "ToggleIcon",
                    "ToggleRadio", "ToggleOpen", "ToggleClose", "start", "CowlFlap", "OpenPanel", "ToggleIconVFR",
                    "SWbeaconReco"}},
    {"VeskarZ3V4", {"Primer", "SWland", "SWnav", "SWstrobe", "SWpitotheat", "SWbeacon", "SWavionics", "SWtaxi",
                    "PanelC", "SWpanellight", "SWmaster", "Succion", "Garmin", "SWfuelp", "SWfuelph", "SWpanel0",
                    "SWpanel1", "Flap", "GarminVFR"}},
};

// Codes whose work changes module data even on a parked aircraft, each tested with its gauge:
// RadioAdfZ3V copies the ADF frequency into module variables at PreInstall.
const std::set<std::pair<std::string, gauge::ServiceCode>> kCodesThatChangeModuleData = {
    {"RadioAdfZ3V", gauge::service_code::kPreInstall},
};

class EveryModule : public BenchTest, public ::testing::WithParamInterface<ModuleCase> {};

TEST_P(EveryModule, ListsItsGaugesInLinkageOrder) {
    const auto& linkage = host.loadModule(GetParam().module).linkage();
    std::vector<std::string> names;
    for (std::size_t i = 0; linkage.gauges[i] != nullptr; ++i) names.push_back(linkage.gauges[i]->gaugeName);
    EXPECT_EQ(names, GetParam().gauges);
    EXPECT_EQ(linkage.moduleId, 0x13u);
    EXPECT_EQ(linkage.version, 0x900u);
    EXPECT_EQ(linkage.flags, 0u);
    EXPECT_EQ(linkage.priority, 0u);
}

// Whichever gauge's header a routine slot is taken from, it acts on the first gauge's root.
TEST_P(EveryModule, EveryRoutineSlotActsOnTheFirstGaugesRoot) {
    gaugehost::Module& module = host.loadModule(GetParam().module);
    const gauge::Element* firstRoot = module.gauges().front()->elementList[0];
    for (const auto* header : module.gauges()) {
        const std::pair<const char*, std::function<gauge::BOOL()>> slots[] = {
            {"query", [&] { return header->query(); }},
            {"install", [&] { return header->install(77); }},
            {"initialize", [&] { return header->initialize(); }},
            {"update", [&] { return header->update(); }},
            {"generate", [&] { return header->generate(78); }},
            {"plot", [&] { return header->draw(); }},
            {"kill", [&] { return header->kill(); }},
        };
        for (const auto& [service, call] : slots) {
            SCOPED_TRACE(std::string(header->gaugeName) + " " + service);
            const std::size_t before = host.elementListCalls().size();
            EXPECT_EQ(call(), gauge::kTrue) << "the host's result comes back unchanged";
            ASSERT_EQ(host.elementListCalls().size(), before + 1);
            const auto& recorded = host.elementListCalls().back();
            EXPECT_EQ(recorded.service, service);
            EXPECT_EQ(recorded.root, firstRoot);
            EXPECT_EQ(recorded.gaugeName, GetParam().gauges.front());
        }
        EXPECT_EQ(host.elementListCalls().back().value, 0u);
        EXPECT_EQ(host.elementListCalls()[host.elementListCalls().size() - 6].value, 77u);
    }
}

// Every code but the ones a callback acts on changes no byte of module data.
TEST_P(EveryModule, UnhandledServiceCodesChangeNoModuleData) {
    gaugehost::Module& module = host.loadModule(GetParam().module);
    for (const auto& name : GetParam().gauges) host.createGauge(module.name(), name);
    takeKeyEvents();
    const std::size_t windowCallsOfCreation = host.windowCalls().size();  // OpenPanel's, tested with it
    for (const auto& instance : host.instances()) {
        for (gauge::ServiceCode code = 0; code <= 17; ++code) {
            if (code == gauge::service_code::kPreInitialize) continue;  // PanelFuel's code, tested with it
            if (kCodesThatChangeModuleData.contains({instance->header().gaugeName, code})) continue;
            const auto before = benchtest::moduleDataSnapshot(module);
            host.sendServiceCode(*instance, code, 0x1234);
            EXPECT_EQ(benchtest::moduleDataSnapshot(module), before) << instance->alias() << " code " << code;
        }
    }
    EXPECT_TRUE(takeKeyEvents().empty());
    EXPECT_EQ(host.windowCalls().size(), windowCallsOfCreation);
}

std::set<std::uint32_t> manifestIds(const std::string& module, std::map<std::uint32_t, std::string>& sizes) {
    std::ifstream manifest(requiredEnvironment("GAUGE_PICTURE_DIR") + "/" + module + ".bitmaps/pictures.txt");
    EXPECT_TRUE(manifest.good()) << "no picture manifest for " << module;
    std::set<std::uint32_t> ids;
    for (std::string line; std::getline(manifest, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string id, width, height, bits;
        fields >> id >> width >> height >> bits;
        const auto number = static_cast<std::uint32_t>(std::stoul(id, nullptr, 16));
        ids.insert(number);
        sizes[number] = width + "x" + height + "x" + bits;
    }
    return ids;
}

// The module's picture list holds exactly the pictures its trees draw, each as listed.
TEST_P(EveryModule, CarriesExactlyThePicturesItsTreesDraw) {
    gaugehost::Module& module = host.loadModule(GetParam().module);
    std::set<std::uint32_t> drawn;
    for (const auto* header : module.gauges()) {
        for (auto id : module.pictureIds(*header)) drawn.insert(id);
    }
    std::map<std::uint32_t, std::string> sizes;
    EXPECT_EQ(manifestIds(module.name(), sizes), drawn);
    for (auto id : drawn) {
        const auto& picture = module.picture(id);
        EXPECT_EQ(std::to_string(picture.width) + "x" + std::to_string(picture.height) + "x" +
                      std::to_string(picture.bitsPerPixel),
                  sizes[id])
            << "picture " << id;
    }
    // Every gauge can be created: none of its pictures is missing.
    for (const auto& name : GetParam().gauges) EXPECT_NO_THROW(host.createGauge(module.name(), name)) << name;
}

// Pure black is the host's transparency: it may only surround what a picture shows, reaching the
// picture's edge through pure black, never as a hole inside a face, knob or lamp.
TEST_P(EveryModule, PureBlackOnlySurroundsWhatEachPictureShows) {
    constexpr std::uint32_t kPureBlack = 0x000000;
    gaugehost::Module& module = host.loadModule(GetParam().module);
    std::set<std::uint32_t> ids;
    for (const auto* header : module.gauges()) {
        for (auto id : module.pictureIds(*header)) ids.insert(id);
    }
    for (std::uint32_t id : ids) {
        const auto& picture = module.picture(id);
        std::vector<bool> reached(picture.pixels.size(), false);
        std::vector<std::pair<int, int>> pending;
        const auto visit = [&](int x, int y) {
            if (x < 0 || y < 0 || x >= picture.width || y >= picture.height) return;
            const std::size_t at = static_cast<std::size_t>(y) * picture.width + x;
            if (reached[at] || picture.pixels[at] != kPureBlack) return;
            reached[at] = true;
            pending.emplace_back(x, y);
        };
        for (int x = 0; x < picture.width; ++x) {
            visit(x, 0);
            visit(x, picture.height - 1);
        }
        for (int y = 0; y < picture.height; ++y) {
            visit(0, y);
            visit(picture.width - 1, y);
        }
        while (!pending.empty()) {
            const auto [x, y] = pending.back();
            pending.pop_back();
            visit(x + 1, y);
            visit(x - 1, y);
            visit(x, y + 1);
            visit(x, y - 1);
        }
        EXPECT_EQ(std::count(reached.begin(), reached.end(), true),
                  std::count(picture.pixels.begin(), picture.pixels.end(), kPureBlack))
            << "picture 0x" << std::hex << id;
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, EveryModule, ::testing::ValuesIn(kModules),
                         [](const auto& info) { return std::string(info.param.module); });

TEST_F(BenchTest, GaugeSizesComeFromTheirBackgrounds) {
    const std::tuple<const char*, const char*, int, int, unsigned> cases[] = {
        {"VeskarZ3V3", "PanelFuel", 450, 270, 500}, {"VeskarZ3V3", "Avionics", 22, 38, 30},
        {"VeskarZ3V5", "GearPos", 444, 452, 250},   {"VeskarZ3V5", "GearPosVC", 444, 452, 250},
        {"VeskarZ3VVFR", "Asi", 302, 302, 115},     {"VeskarZ3VVFR", "Altimetro", 307, 311, 115},
        {"VeskarZ3VVFR", "Vor1", 302, 302, 100},    {"VeskarZ3VVFR", "AutoClose", 50, 50, 70},
        {"VeskarZ3VM", "Vsi", 302, 302, 115},       {"VeskarZ3VM", "Asi", 302, 302, 115},
        {"VeskarZ3VM", "Altimetro", 307, 311, 115}, {"VeskarZ3VM", "Turn", 302, 302, 115},
        {"VeskarZ3VM", "Gyro", 300, 332, 115},
        {"VeskarZ3V7", "TrimVmove", 70, 931, 20},   {"VeskarZ3V7", "TrimHmove", 931, 70, 200},
        {"VeskarZ3V7", "ElevadorTrim", 15, 94, 10}, {"VeskarZ3V7", "RudderTrim", 77, 8, 100},
        {"VeskarZ3V7", "Egt", 302, 302, 60},        {"VeskarZ3V7", "LowVolt", 136, 136, 20},
        {"VeskarZ3V7", "LowVoltVFR", 136, 136, 20}};
    for (auto [module, name, width, height, millimetres] : cases) {
        auto& gauge = create(module, name);
        EXPECT_EQ(gauge.width(), width) << name;
        EXPECT_EQ(gauge.height(), height) << name;
        EXPECT_EQ(gauge.header().defaultWidthMm, millimetres) << name;
    }
}

// ---------------------------------------------------------------------------------------------
// Refusals: a clear error, and nothing changes.

class Refusals : public BenchTest {
protected:
    Refusals() { host.addModuleFolder(requiredEnvironment("GAUGE_FIXTURE_PATH")); }

    void expectRefused(const std::function<void()>& action, const std::string& messagePart) {
        const auto modules = host.findModule("VeskarZ3V5") != nullptr;
        const auto instances = host.instances().size();
        try {
            action();
            ADD_FAILURE() << "expected a refusal mentioning \"" << messagePart << "\"";
        } catch (const gaugehost::HostError& error) {
            EXPECT_NE(std::string(error.what()).find(messagePart), std::string::npos) << error.what();
        }
        EXPECT_EQ(host.findModule("VeskarZ3V5") != nullptr, modules);
        EXPECT_EQ(host.instances().size(), instances);
        EXPECT_TRUE(host.keyEvents().empty());
    }
};

TEST_F(Refusals, UnknownModuleOrGauge) {
    expectRefused([&] { host.loadModule("VeskarZ3V9"); }, "unknown module VeskarZ3V9");
    host.loadModule("VeskarZ3V5");
    expectRefused([&] { host.createGauge("VeskarZ3V5", "PanelFuel"); }, "VeskarZ3V5 has no gauge PanelFuel");
    expectRefused([&] { host.createGauge("VeskarZ3V3", "PanelFuel"); }, "VeskarZ3V3 is not loaded");
}

TEST_F(Refusals, ModuleWithoutTheTwoExports) {
    expectRefused([&] { host.loadModule("NoExports"); }, "does not export both ImportTable and Linkage");
    EXPECT_EQ(host.findModule("NoExports"), nullptr);
}

TEST_F(Refusals, MalformedLinkage) {
    expectRefused([&] { host.loadModule("BadLinkage"); }, "Linkage is malformed");
    EXPECT_EQ(host.findModule("BadLinkage"), nullptr);
}

#if !defined(_WIN32)
// The native loader maps a module's segments from its file: a truncated file would fault inside the
// loader, so the file is checked first. (Windows' loader refuses such files itself.)
TEST_F(Refusals, TruncatedOrCorruptModuleFile) {
    const auto whole = std::filesystem::path(requiredEnvironment("GAUGE_MODULE_PATH")) / "VeskarZ3V4.so";
    std::ifstream in(whole, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    const std::pair<std::string, const char*> cases[] = {
        {bytes.substr(0, 40), "is too short for an ELF header (40 bytes)"},
        {bytes.substr(0, 100), "is truncated: its program headers lie past its end"},
        {bytes.substr(0, 4096), "is truncated: a segment of"},
        {bytes.substr(0, 20000), "is truncated: a segment of"},
        {std::string(4096, 'x'), "is not an ELF shared library"},
    };
    const auto file = std::filesystem::path(testing::TempDir()) / "Truncated.so";
    for (const auto& [content, message] : cases) {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << content;
        expectRefused([&] { host.loadModule(file.string()); }, message);
        EXPECT_EQ(host.findModule("Truncated"), nullptr);
    }
}
#endif

TEST_F(Refusals, MissingPicture) {
    host.loadModule("MissingPicture");
    expectRefused([&] { host.createGauge("MissingPicture", "Lamp"); }, "picture 0x100 is missing");
}

TEST_F(Refusals, TwoInstancesCannotShareAnAlias) {
    create("VeskarZ3V5", "GearPos", "gear");
    expectRefused([&] { host.createGauge("VeskarZ3V5", "GearPosVC", "gear"); }, "already called gear");
}

}  // namespace
