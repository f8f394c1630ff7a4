// The loader's checks of a module's exported data on a small module image of the test's own: a text,
// a list or an object that leaves the image is refused where it leaves it, never read past.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <iterator>
#include <string>

#include "host_error.h"
#include "module_checks.h"

namespace {

void neverRuns() { FAIL() << "the checks ran module code"; }

template <class Routine>
Routine routine() {
    return reinterpret_cast<Routine>(&neverRuns);
}

// One gauge with a root and one child, a mouse list of a parent and a child; the image ends right
// after the name, so a name without its NUL runs off it.
struct SmallModule {
    gauge::ImportTable imports{.panelServices = {.id = gauge::kPanelServicesImportId}};
    gauge::ModuleLinkage linkage{.moduleId = gauge::kModuleId, .moduleInit = routine<gauge::ModuleRoutine>(),
                                 .moduleDeinit = routine<gauge::ModuleRoutine>(), .version = gauge::kLinkageVersion};
    gauge::GaugeHeader header{};
    gauge::StaticImageElement root{};
    gauge::IconElement child{};
    gauge::Element* rootList[2]{};
    gauge::Element* children[2]{};
    gauge::MouseArea mouseAreas[3]{};
    char name[4] = {'G', 'a', 'u', '\0'};

    SmallModule() {
        linkage.gauges[0] = &header;
        header = {.headerVersion = gauge::kGaugeHeaderVersion, .gaugeName = name, .elementList = rootList,
                  .query = routine<gauge::QueryRoutine>(), .install = routine<gauge::InstallRoutine>(),
                  .initialize = routine<gauge::InitializeRoutine>(), .update = routine<gauge::UpdateRoutine>(),
                  .generate = routine<gauge::GenerateRoutine>(), .draw = routine<gauge::DrawRoutine>(),
                  .kill = routine<gauge::KillRoutine>(), .mouseAreas = mouseAreas};
        root.common = {.kind = gauge::kStaticImage, .gauge = &header, .children = children};
        child.common = {.kind = gauge::kIcon, .gauge = &header};
        rootList[0] = &root.common;
        children[0] = &child.common;
        mouseAreas[0].kind = gauge::kParent;
        mouseAreas[1].kind = gauge::kChild;
        mouseAreas[2].kind = gauge::kEndOfList;
    }

    gaugehost::ModuleImage image() const {
        return {.begin = reinterpret_cast<std::uintptr_t>(this), .end = reinterpret_cast<std::uintptr_t>(std::end(name))};
    }
};

TEST(ModuleChecks, AcceptsAWellFormedModule) {
    SmallModule module;
    const auto gauges = gaugehost::checkModuleData(module.imports, module.linkage, "Small", module.image());
    ASSERT_EQ(gauges.size(), 1u);
    EXPECT_EQ(gauges[0], &module.header);
}

struct Fault {
    const char* name;
    std::function<void(SmallModule&)> corrupt;
    const char* message;
};

class Refused : public ::testing::TestWithParam<Fault> {};

TEST_P(Refused, WhereTheDataLeavesTheImage) {
    SmallModule module;
    GetParam().corrupt(module);
    try {
        gaugehost::checkModuleData(module.imports, module.linkage, "Small", module.image());
        ADD_FAILURE() << "expected a refusal mentioning \"" << GetParam().message << "\"";
    } catch (const gaugehost::HostError& error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().message), std::string::npos) << error.what();
    }
}

const Fault kFaults[] = {
    {"NameWithoutNul", [](SmallModule& m) { m.name[3] = 'g'; }, "module Small: a text runs past the module's image"},
    {"MouseListWithoutEnd", [](SmallModule& m) { m.mouseAreas[2].kind = gauge::kChild; },
     "module Small gauge Gau: mouse area list runs past the module's image"},
    {"MouseListStartingAtTheEnd", [](SmallModule& m) { m.header.mouseAreas = m.mouseAreas + 3; },
     "mouse area list runs past the module's image"},
    {"ChildrenWithoutNull", [](SmallModule& m) { m.root.common.children = m.children + 2; },
     "gauge Gau: an element or its children list runs past the module's image"},
    {"ChildCrossingTheImageEnd",
     [](SmallModule& m) { m.children[0] = reinterpret_cast<gauge::Element*>(m.mouseAreas + 2); },
     "an element or its children list runs past the module's image"},
    {"GaugeOutsideTheImage", [](SmallModule& m) { m.linkage.gauges[0] = reinterpret_cast<gauge::GaugeHeader*>(&m + 1); },
     "module Small: a gauge header lies outside the module's image"},
};

INSTANTIATE_TEST_SUITE_P(ModuleChecks, Refused, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
