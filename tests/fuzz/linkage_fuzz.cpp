// The loader's checks of a module's exported data on any module image, run without executing it: the
// fuzzer builds an ImportTable, a Linkage, gauge headers, element trees (any kinds, shared children,
// cycles, owners right or wrong) and mouse lists (any kinds, nesting, missing ends) as objects of one
// arena that stands for the module's mapped image. Every pointer is NULL or an object of the arena,
// as a real loader only ever sees the module's own data. A HostError is a refusal; a read outside
// the arena is a finding.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "host_error.h"
#include "module_checks.h"

namespace {

constexpr std::size_t kHeaders = 4;
constexpr std::size_t kElements = 12;
constexpr std::size_t kPointerLists = 6;
constexpr std::size_t kListLength = 4;
constexpr std::size_t kMouseAreas = 16;
constexpr std::size_t kTexts = 4;
constexpr std::size_t kTextLength = 8;

constexpr std::size_t kElementSize =
    std::max({sizeof(gauge::StaticImageElement), sizeof(gauge::NeedleElement), sizeof(gauge::StringElement),
              sizeof(gauge::SliderElement), sizeof(gauge::IconElement), sizeof(gauge::MovingImageElement),
              sizeof(gauge::SpriteElement)});

// Room for an element of any kind; the checks read its common part and require the rest in the image.
struct alignas(gauge::SpriteElement) ElementSlot {
    gauge::Element common;
    std::byte rest[kElementSize - sizeof(gauge::Element)];
};

// The texts come last, then the end of the image: a text or a mouse list without its end runs out.
struct ModuleArena {
    gauge::ImportTable imports;
    gauge::ModuleLinkage linkage;
    gauge::GaugeHeader headers[kHeaders];
    ElementSlot elements[kElements];
    gauge::Element* pointerLists[kPointerLists][kListLength];
    gauge::MouseArea mouseAreas[kMouseAreas];
    char texts[kTexts][kTextLength];
};

ModuleArena arena;

// Stands in for every routine of the module; the checks never call one.
void neverRuns() { __builtin_trap(); }

template <class Routine>
Routine routine(FuzzedDataProvider& input) {
    return input.ConsumeBool() ? reinterpret_cast<Routine>(&neverRuns) : nullptr;
}

// NULL or any object of the pool: the fuzzer's byte picks one of count + 1 choices.
template <class T, std::size_t count>
T* pick(FuzzedDataProvider& input, T (&pool)[count]) {
    const std::size_t choice = input.ConsumeIntegral<std::uint8_t>() % (count + 1);
    return choice == count ? nullptr : &pool[choice];
}

template <class T, std::size_t rows, std::size_t columns>
T* pick(FuzzedDataProvider& input, T (&pool)[rows][columns]) {
    const std::size_t choice = input.ConsumeIntegral<std::uint8_t>() % (rows * columns + 1);
    return choice == rows * columns ? nullptr : &pool[choice / columns][choice % columns];
}

gauge::Element* pickElement(FuzzedDataProvider& input) {
    ElementSlot* slot = pick(input, arena.elements);
    return slot == nullptr ? nullptr : &slot->common;
}

// The value the loader expects, or any other.
std::uint32_t magic(FuzzedDataProvider& input, std::uint32_t expected) {
    return input.ConsumeBool() ? expected : input.ConsumeIntegral<std::uint32_t>();
}

void buildModule(FuzzedDataProvider& input) {
    arena = ModuleArena{};
    arena.imports.panelServices.id = magic(input, gauge::kPanelServicesImportId);
    arena.imports.end.id = magic(input, 0);
    auto& linkage = arena.linkage;
    linkage.moduleId = magic(input, gauge::kModuleId);
    linkage.version = magic(input, gauge::kLinkageVersion);
    linkage.moduleInit = routine<gauge::ModuleRoutine>(input);
    linkage.moduleDeinit = routine<gauge::ModuleRoutine>(input);
    const auto listed = input.ConsumeIntegralInRange<std::size_t>(0, std::size(linkage.gauges));
    for (std::size_t i = 0; i < listed; ++i) linkage.gauges[i] = pick(input, arena.headers);
    for (auto& header : arena.headers) {
        header.headerVersion = magic(input, gauge::kGaugeHeaderVersion);
        header.gaugeName = pick(input, arena.texts);
        header.elementList = pick(input, arena.pointerLists);
        header.query = routine<gauge::QueryRoutine>(input);
        header.install = routine<gauge::InstallRoutine>(input);
        header.initialize = routine<gauge::InitializeRoutine>(input);
        header.update = routine<gauge::UpdateRoutine>(input);
        header.generate = routine<gauge::GenerateRoutine>(input);
        header.draw = routine<gauge::DrawRoutine>(input);
        header.kill = routine<gauge::KillRoutine>(input);
        header.mouseAreas = pick(input, arena.mouseAreas);
    }
    for (auto& slot : arena.elements) {
        slot.common.kind = input.ConsumeIntegralInRange<std::uint32_t>(gauge::kStaticImage, gauge::kSprite + 1);
        slot.common.gauge = pick(input, arena.headers);
        slot.common.children = pick(input, arena.pointerLists);
    }
    for (auto& list : arena.pointerLists) {
        for (auto& entry : list) entry = pickElement(input);
    }
    for (auto& area : arena.mouseAreas) {
        area.kind = input.ConsumeIntegralInRange<std::uint32_t>(gauge::kEndOfList, gauge::kTooltipText + 1);
        area.box = {.x = input.ConsumeIntegral<std::int8_t>(), .y = input.ConsumeIntegral<std::int8_t>(),
                    .width = input.ConsumeIntegral<std::uint8_t>(), .height = input.ConsumeIntegral<std::uint8_t>()};
        area.keyEvent = input.ConsumeIntegral<std::uint8_t>();
        if (area.kind == gauge::kTooltipText) {
            area.function.tooltipText = pick(input, arena.texts);
        } else {
            area.function.callback = routine<gauge::MouseCallback>(input);
        }
    }
    for (auto& text : arena.texts) {
        const auto bytes = input.ConsumeBytes<char>(input.ConsumeIntegralInRange<std::size_t>(0, kTextLength));
        std::copy(bytes.begin(), bytes.end(), text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    buildModule(input);
    const gaugehost::ModuleImage image{.begin = reinterpret_cast<std::uintptr_t>(&arena),
                                       .end = reinterpret_cast<std::uintptr_t>(&arena + 1)};
    try {
        gaugehost::checkModuleData(arena.imports, arena.linkage, "Fuzzed", image);
    } catch (const gaugehost::HostError&) {
    }
    return 0;
}
