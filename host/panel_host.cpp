// The bench host at work: creating gauges, the update cycle, mouse delivery, and the services the
// modules call. Loading and checking modules is in module_loading.cpp.
#include "panel_host.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>

#include "hex_text.h"
#include "needle_geometry.h"
#include "truncation.h"

#if __has_include(<sanitizer/asan_interface.h>)
#include <sanitizer/asan_interface.h>
#else
#define ASAN_POISON_MEMORY_REGION(address, size) ((void)(address), (void)(size))
#define ASAN_UNPOISON_MEMORY_REGION(address, size) ((void)(address), (void)(size))
#endif

namespace gaugehost {
namespace {

PanelHost* activeHost = nullptr;

// Placed after every text buffer and checked after its callback in every build: a module writing
// past its buffer is named at once instead of corrupting what lies beyond.
constexpr char kTextGuard[] = {'\x5A', '\xA5', '\x5A', '\xA5', '\x5A', '\xA5', '\x5A', '\xA5'};

}  // namespace

// ---------------------------------------------------------------------------------------------
// Host

const gauge::PanelServices PanelHost::services_ = {
    .lookup_var = lookupVar,
    .trigger_key_event = triggerKeyEvent,
    .panel_window_toggle = panelWindowToggle,
    .panel_window_open_ident = panelWindowOpenIdent,
    .panel_window_close_ident = panelWindowCloseIdent,
    .initialize_var_by_name = initializeVarByName,
    .register_named_variable = registerNamedVariable,
    .check_named_variable = checkNamedVariable,
    .get_named_variable_value = getNamedVariableValue,
    .set_named_variable_value = setNamedVariableValue,
    .element_list_query = elementListQuery,
    .element_list_install = elementListInstall,
    .element_list_initialize = elementListInitialize,
    .element_list_update = elementListUpdate,
    .element_list_generate = elementListGenerate,
    .element_list_plot = elementListPlot,
    .element_list_kill = elementListKill,
};

PanelHost::PanelHost() {
    if (activeHost != nullptr) throw HostError("another bench host is already running");
    activeHost = this;
}

PanelHost::~PanelHost() {
    while (!modules_.empty()) unloadModule(modules_.back()->name());
    if (gpsRecord_) ASAN_UNPOISON_MEMORY_REGION(gpsRecord_.get(), kGpsRecordCapacity);
    activeHost = nullptr;
}

PanelHost& PanelHost::active() { return *activeHost; }

GaugeInstance& PanelHost::createGauge(const std::string& moduleName, const std::string& gaugeName, std::string alias) {
    Module* module = findModule(moduleName);
    if (module == nullptr) throw HostError("module " + moduleName + " is not loaded");
    gauge::GaugeHeader* header = module->gauge(gaugeName);
    if (header == nullptr) throw HostError("module " + moduleName + " has no gauge " + gaugeName);
    if (alias.empty()) alias = gaugeName + "#" + std::to_string(instances_.size() + 1);
    for (const auto& existing : instances_) {
        if (existing->alias_ == alias) throw HostError("a gauge instance is already called " + alias);
    }
    for (auto id : module->pictureIds(*header)) {
        if (!module->hasPicture(id)) {
            throw HostError("module " + moduleName + " gauge " + gaugeName + ": picture " + hex(id) + " is missing");
        }
    }

    auto instance = std::make_unique<GaugeInstance>();
    instance->alias_ = alias;
    instance->module_ = module;
    instance->header_ = header;
    const Bitmap& background = module->picture(header->elementList[0]->resourceId);
    instance->width_ = background.width;
    instance->height_ = background.height;
    instance->mouseMap_ = MouseMap(header->mouseAreas, instance->width_, instance->height_);
    int index = 0;
    for (const auto& [element, depth] : drawingOrder(*header)) {
        ElementState state{.index = index++, .depth = depth, .element = element,
                           .kind = static_cast<gauge::ElementKind>(element->kind)};
        GaugeInstance::ElementRuntime runtime;
        if (element->kind == gauge::kString) {
            const auto* text = reinterpret_cast<const gauge::StringElement*>(element);
            // Room for the element's longest text and its terminator, then the guard bytes.
            runtime.textBuffer.assign(static_cast<std::size_t>(std::max(text->maxCharacters, 0)) + 1, '\0');
            runtime.textBuffer.insert(runtime.textBuffer.end(), std::begin(kTextGuard), std::end(kTextGuard));
        }
        if (element->kind == gauge::kNeedle) {
            auto* needle = reinterpret_cast<gauge::NeedleElement*>(element);
            if (needle->table != nullptr) {
                computeTableAngles({needle->table, needle->tableLength}, element->position);
            }
        }
        instance->states_.push_back(state);
        instance->runtime_.push_back(std::move(runtime));
    }

    instances_.push_back(std::move(instance));
    GaugeInstance& created = *instances_.back();
    sendServiceCode(created, gauge::service_code::kPreInstall);
    sendServiceCode(created, gauge::service_code::kPreInitialize);
    return created;
}

GaugeInstance& PanelHost::instance(const std::string& alias) {
    for (auto& instance : instances_) {
        if (instance->alias_ == alias) return *instance;
    }
    throw HostError("no gauge instance called " + alias);
}

void PanelHost::sendServiceCode(GaugeInstance& gauge, gauge::ServiceCode code, std::uint32_t extra) {
    if (gauge.header_->gaugeCallback != nullptr) gauge.header_->gaugeCallback(gauge.header_, code, extra);
}

std::uint32_t PanelHost::tick() const { return static_cast<std::uint32_t>(gauge::truncateToInt32(variables_.value(gauge::var::HOST_TICK_COUNT))); }

void PanelHost::setTick(double tick) { variables_.set(gauge::var::HOST_TICK_COUNT, tick); }

void PanelHost::runCycles(int count) {
    for (int cycle = 0; cycle < count; ++cycle) {
        if (held_ && (held_->child->area->mouseFlags & gauge::mouse_flag::kRepeat)) deliver(*held_, gauge::mouse_flag::kRepeat);
        if (cycleReaction_) cycleReaction_();
        for (auto& instance : instances_) updateGauge(*instance);
        setTick(variables_.value(gauge::var::HOST_TICK_COUNT) + 1);
    }
}

void PanelHost::refresh(gauge::ModuleVariable& variable) {
    if (variable.token == 0) return;
    std::memcpy(variable.previousValue, variable.value, sizeof variable.value);
    variables_.read(variable.token, variable.value);
}

void PanelHost::updateGauge(GaugeInstance& gauge) {
    sendServiceCode(gauge, gauge::service_code::kPreUpdate);
    for (std::size_t i = 0; i < gauge.states_.size(); ++i) updateElement(gauge, gauge.states_[i], gauge.runtime_[i]);
    sendServiceCode(gauge, gauge::service_code::kPreDraw);
}

void PanelHost::updateElement(GaugeInstance& gauge, ElementState& state, GaugeInstance::ElementRuntime& runtime) {
    gauge::Element* element = state.element;
    // An axis with a callback takes the callback's value, otherwise its variable's.
    auto drive = [&](auto* typed, gauge::ModuleVariable& source, auto callback, bool first) {
        refresh(source);
        const double value = callback != nullptr ? callback(typed) : (source.token != 0 ? VariableStore::decode(source.token, source.value) : 0.0);
        if (first && callback != nullptr) state.returned = value;
        return value;
    };
    state.returned.reset();
    switch (element->kind) {
        case gauge::kStaticImage: break;
        case gauge::kNeedle: {
            auto* needle = reinterpret_cast<gauge::NeedleElement*>(element);
            state.needleValue = drive(needle, needle->source, needle->updateCallback, true);
            const double target = needle->table != nullptr
                                      ? angleForValue({needle->table, needle->tableLength}, state.needleValue)
                                      : state.needleValue;
            double shown = target;
            if (runtime.shownAngle && needle->maxRotationRate > 0) {
                const double rate = needle->maxRotationRate;
                shown = *runtime.shownAngle + std::clamp(target - *runtime.shownAngle, -rate, rate);
            }
            runtime.shownAngle = shown;
            state.needleAngle = shown;
            break;
        }
        case gauge::kString: {
            auto* text = reinterpret_cast<gauge::StringElement*>(element);
            for (auto& source : text->sources) refresh(source);
            // The instance's own buffer is lent to the element while its callback runs.
            const std::size_t size = runtime.textBuffer.size() - std::size(kTextGuard);
            text->textBuffer = runtime.textBuffer.data();
            text->textBufferSize = static_cast<gauge::UINT32>(size);
            if (text->updateCallback != nullptr) state.returned = text->updateCallback(text);
            text->textBuffer = nullptr;
            text->textBufferSize = 0;
            if (!std::equal(std::begin(kTextGuard), std::end(kTextGuard), runtime.textBuffer.begin() + static_cast<std::ptrdiff_t>(size))) {
                throw HostError("module " + gauge.module_->name() + " gauge " + gauge.header_->gaugeName + " element " +
                                std::to_string(state.index) + ": its text callback wrote past the " + std::to_string(size) +
                                "-byte text buffer");
            }
            runtime.textBuffer[size - 1] = '\0';
            state.text = runtime.textBuffer.data();
            break;
        }
        case gauge::kSlider: {
            auto* slider = reinterpret_cast<gauge::SliderElement*>(element);
            state.sliderX = drive(slider, slider->xSource, slider->xUpdateCallback, true) * slider->xScale;
            const bool yFirst = slider->xUpdateCallback == nullptr;
            state.sliderY = drive(slider, slider->ySource, slider->yUpdateCallback, yFirst) * slider->yScale;
            break;
        }
        case gauge::kIcon: {
            auto* icon = reinterpret_cast<gauge::IconElement*>(element);
            const int index = gauge::truncateToInt32(drive(icon, icon->source, icon->updateCallback, true));
            state.picture = index >= 0 && index < icon->pictureCount ? std::optional<int>(index) : std::nullopt;
            break;
        }
        case gauge::kMovingImage: {
            auto* strip = reinterpret_cast<gauge::MovingImageElement*>(element);
            const Bitmap& picture = gauge.module_->picture(element->resourceId);
            const Bitmap& window = gauge.module_->picture(element->resourceId + 1);
            auto shift = [](double value, double minimum, double maximum, int travel) {
                if (maximum == minimum || std::isnan(value)) return 0.0;
                const double part = (std::clamp(value, std::min(minimum, maximum), std::max(minimum, maximum)) - minimum) /
                                    (maximum - minimum);
                return part * travel;
            };
            const double x = drive(strip, strip->xSource, strip->xUpdateCallback, true);
            const double y = drive(strip, strip->ySource, strip->yUpdateCallback, strip->xUpdateCallback == nullptr);
            state.stripX = shift(x, strip->xMinimum, strip->xMaximum, picture.width - window.width);
            state.stripY = shift(y, strip->yMinimum, strip->yMaximum, picture.height - window.height);
            break;
        }
        case gauge::kSprite: {
            auto* sprite = reinterpret_cast<gauge::SpriteElement*>(element);
            state.spriteX = drive(sprite, sprite->xSource, sprite->xUpdateCallback, true) * sprite->xScale;
            state.spriteY = drive(sprite, sprite->ySource, sprite->yUpdateCallback, sprite->xUpdateCallback == nullptr) *
                            sprite->yScale;
            const bool rotationFirst = sprite->xUpdateCallback == nullptr && sprite->yUpdateCallback == nullptr;
            state.spriteRotation =
                drive(sprite, sprite->rotationSource, sprite->rotationUpdateCallback, rotationFirst) * sprite->rotationScale;
            break;
        }
    }
    state.hidden = (element->imageFlags & gauge::image_flag::kHidden) != 0;
}

// ---------------------------------------------------------------------------------------------
// Mouse

void PanelHost::press(GaugeInstance& gauge, int x, int y) {
    held_.reset();
    lastMouseResult_.reset();
    const ResolvedArea* child = gauge.mouseMap_.childAt(x, y);
    if (child == nullptr) return;
    held_ = HeldButton{.gauge = &gauge, .child = child, .x = x, .y = y};
    if (child->area->mouseFlags & gauge::mouse_flag::kLeftDown) deliver(*held_, gauge::mouse_flag::kLeftDown);
}

void PanelHost::moveTo(int x, int y) {
    if (!held_) return;
    held_->x = x;
    held_->y = y;
    if (held_->child->area->mouseFlags & gauge::mouse_flag::kDrag) deliver(*held_, gauge::mouse_flag::kDrag);
}

void PanelHost::release() { held_.reset(); }

void PanelHost::deliver(const HeldButton& button, std::uint32_t flags) {
    const gauge::MouseArea& area = *button.child->area;
    lastMouseResult_.reset();
    if (area.keyEvent != 0) {
        // The host's own parameter for the events of key-bound areas.
        recordKeyEvent(area.keyEvent, 0);
    } else if (area.function.callback != nullptr) {
        gauge::Point point{button.x, button.y};
        lastMouseResult_ = area.function.callback(&point, flags);
    }
}

// ---------------------------------------------------------------------------------------------
// Key events, windows, named variables, the GPS record

void PanelHost::recordKeyEvent(std::uint32_t id, std::uint32_t parameter) {
    keyEvents_.push_back({id, parameter});
    if (keyEventReaction_) keyEventReaction_(keyEvents_.back());
}

void PanelHost::recordWindowCall(WindowCall call, std::uint32_t window, bool result) {
    windowCalls_.push_back({call, window, result});
}

bool PanelHost::toggleWindow(std::uint32_t window) {
    if (!openWindows_.erase(window)) openWindows_.insert(window);
    recordWindowCall(WindowCall::Toggle, window, true);
    return true;
}

bool PanelHost::openWindow(std::uint32_t window) {
    openWindows_.insert(window);
    recordWindowCall(WindowCall::Open, window, true);
    return true;
}

bool PanelHost::closeWindow(std::uint32_t window) {
    openWindows_.erase(window);
    recordWindowCall(WindowCall::Close, window, true);
    return true;
}

std::vector<std::string> PanelHost::namedVariableNames() const {
    std::vector<std::string> names;
    for (const auto& variable : namedVariables_) names.push_back(variable.name);
    return names;
}

std::int32_t PanelHost::namedVariableId(const std::string& name) const {
    for (std::size_t id = 0; id < namedVariables_.size(); ++id) {
        if (namedVariables_[id].name == name) return static_cast<std::int32_t>(id);
    }
    return -1;
}

std::optional<double> PanelHost::namedVariable(const std::string& name) const {
    const auto id = namedVariableId(name);
    if (id < 0) return std::nullopt;
    return namedVariables_[id].value;
}

void PanelHost::setNamedVariable(const std::string& name, double value) {
    auto id = namedVariableId(name);
    if (id < 0) {
        namedVariables_.push_back({name, value});
        return;
    }
    namedVariables_[id].value = value;
}

void PanelHost::provideGpsRecord(std::size_t size) {
    if (size > kGpsRecordCapacity) {
        throw HostError("a GPS data record holds at most " + std::to_string(kGpsRecordCapacity) + " bytes, not " +
                        std::to_string(size));
    }
    if (!gpsRecord_) gpsRecord_ = std::make_unique<std::uint8_t[]>(kGpsRecordCapacity);
    ASAN_UNPOISON_MEMORY_REGION(gpsRecord_.get(), kGpsRecordCapacity);
    std::fill_n(gpsRecord_.get(), kGpsRecordCapacity, std::uint8_t{0});
    // A module always reads the record's leading 32-bit size field, so a record given shorter than
    // that field still reads as zeros there; past what the record holds, every byte is poisoned.
    const std::size_t readable = std::max(size, sizeof(std::uint32_t));
    ASAN_POISON_MEMORY_REGION(gpsRecord_.get() + readable, kGpsRecordCapacity - readable);
    gpsRecordSize_ = size;
    gpsRecordProvided_ = true;
}

void PanelHost::withholdGpsRecord() { gpsRecordProvided_ = false; }

std::uint8_t* PanelHost::gpsRecord() { return gpsRecordProvided_ ? gpsRecord_.get() : nullptr; }

// ---------------------------------------------------------------------------------------------
// Element list services

const gauge::GaugeHeader* PanelHost::gaugeOfRoot(const gauge::Element* root) const {
    for (const auto& module : modules_) {
        for (const auto* header : module->gauges()) {
            if (header->elementList[0] == root) return header;
        }
    }
    return nullptr;
}

gauge::BOOL PanelHost::elementListCall(const char* service, gauge::Element* root, std::uint32_t value) {
    const gauge::GaugeHeader* header = gaugeOfRoot(root);
    elementListCalls_.push_back({service, root, header ? header->gaugeName : "", value});
    return header != nullptr ? gauge::kTrue : gauge::kFalse;
}

// ---------------------------------------------------------------------------------------------
// The services

void GAUGE_CALL PanelHost::lookupVar(gauge::ModuleVariable* variable) { active().refresh(*variable); }

void GAUGE_CALL PanelHost::triggerKeyEvent(gauge::KeyEventId event, gauge::UINT32 parameter) {
    active().recordKeyEvent(event, parameter);
}

gauge::BOOL GAUGE_CALL PanelHost::panelWindowToggle(gauge::PanelWindowId window) { return active().toggleWindow(window); }
gauge::BOOL GAUGE_CALL PanelHost::panelWindowOpenIdent(gauge::PanelWindowId window) { return active().openWindow(window); }
gauge::BOOL GAUGE_CALL PanelHost::panelWindowCloseIdent(gauge::PanelWindowId window) { return active().closeWindow(window); }

void GAUGE_CALL PanelHost::initializeVarByName(gauge::ModuleVariable* variable, const char* name) {
    PanelHost& host = active();
    variable->data = name != nullptr && std::strcmp(name, kGpsRecordName) == 0 ? host.gpsRecord() : nullptr;
}

gauge::SINT32 GAUGE_CALL PanelHost::registerNamedVariable(const char* name) {
    PanelHost& host = active();
    if (name == nullptr) return -1;
    if (host.namedVariableId(name) < 0) host.namedVariables_.push_back({name, 0.0});
    return host.namedVariableId(name);
}

gauge::SINT32 GAUGE_CALL PanelHost::checkNamedVariable(const char* name) {
    return name != nullptr ? active().namedVariableId(name) : -1;
}

gauge::FLOAT64 GAUGE_CALL PanelHost::getNamedVariableValue(gauge::SINT32 id) {
    const auto& variables = active().namedVariables_;
    return id >= 0 && static_cast<std::size_t>(id) < variables.size() ? variables[id].value : 0.0;
}

void GAUGE_CALL PanelHost::setNamedVariableValue(gauge::SINT32 id, gauge::FLOAT64 value) {
    auto& variables = active().namedVariables_;
    if (id < 0 || static_cast<std::size_t>(id) >= variables.size()) return;
    variables[id].value = value;
    if (active().namedVariableWriteReaction_) active().namedVariableWriteReaction_(variables[id].name, value);
}

gauge::BOOL GAUGE_CALL PanelHost::elementListQuery(gauge::Element* root) { return active().elementListCall("query", root, 0); }
gauge::BOOL GAUGE_CALL PanelHost::elementListInstall(gauge::Element* root, gauge::UINT32 value) {
    return active().elementListCall("install", root, value);
}
gauge::BOOL GAUGE_CALL PanelHost::elementListInitialize(gauge::Element* root) {
    return active().elementListCall("initialize", root, 0);
}
gauge::BOOL GAUGE_CALL PanelHost::elementListUpdate(gauge::Element* root) { return active().elementListCall("update", root, 0); }
gauge::BOOL GAUGE_CALL PanelHost::elementListGenerate(gauge::Element* root, gauge::UINT32 value) {
    return active().elementListCall("generate", root, value);
}
gauge::BOOL GAUGE_CALL PanelHost::elementListPlot(gauge::Element* root) { return active().elementListCall("plot", root, 0); }
gauge::BOOL GAUGE_CALL PanelHost::elementListKill(gauge::Element* root) { return active().elementListCall("kill", root, 0); }

}  // namespace gaugehost
