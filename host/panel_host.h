// The bench host: loads gauge modules, feeds them host variables, runs their update cycles, delivers
// mouse events and records every key event, panel-window call and named variable they produce.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "bitmap.h"
#include "gauge.h"
#include "host_error.h"
#include "module_library.h"
#include "mouse_map.h"
#include "variable_store.h"

namespace gaugehost {

struct KeyEvent {
    std::uint32_t id = 0;
    std::uint32_t parameter = 0;
    bool operator==(const KeyEvent&) const = default;
};

enum class WindowCall { Toggle, Open, Close };

struct WindowCallRecord {
    WindowCall call = WindowCall::Toggle;
    std::uint32_t window = 0;
    bool result = false;
    bool operator==(const WindowCallRecord&) const = default;
};

struct ElementListCall {
    std::string service;  // "query", "install", ...
    const gauge::Element* root = nullptr;
    std::string gaugeName;  // the gauge whose tree the root is; empty when the root is unknown
    std::uint32_t value = 0;
};

// What one element shows after an update cycle.
struct ElementState {
    int index = 0;  // drawing order, the root being 0
    int depth = 0;
    gauge::Element* element = nullptr;
    gauge::ElementKind kind = gauge::kStaticImage;
    bool hidden = false;
    std::optional<double> returned{};  // the value the element's (first) callback returned
    std::optional<int> picture{};      // icon: the picture index shown, none outside the pictures
    double needleValue = 0;
    double needleAngle = 0;  // degrees clockwise from +x with a table, from the drawn direction without
    double sliderX = 0, sliderY = 0;  // pixels
    double stripX = 0, stripY = 0;    // pixels the strip is shifted up (or left)
    double spriteX = 0, spriteY = 0, spriteRotation = 0;
    std::string text{};
};

struct TreeEntry {
    gauge::Element* element;
    int depth;  // 0 for the root
};

// A gauge's elements in drawing order: a parent before its children, the children in list order.
// Throws HostError for a tree too deep or too large to be sound.
std::vector<TreeEntry> drawingOrder(const gauge::GaugeHeader& header);

class Module {
public:
    const std::string& name() const { return name_; }
    const std::filesystem::path& file() const { return library_->file(); }
    const std::vector<gauge::GaugeHeader*>& gauges() const { return gauges_; }
    const gauge::ModuleLinkage& linkage() const { return *linkage_; }
    gauge::GaugeHeader* gauge(const std::string& name) const;  // nullptr when there is none
    const Bitmap& picture(std::uint32_t id) const;              // throws when missing
    bool hasPicture(std::uint32_t id) const;
    // Every picture id the gauge's tree draws (icon series, strips and masks included).
    std::vector<std::uint32_t> pictureIds(const gauge::GaugeHeader& header) const;
    // The icon's pictures by index: its resource id and the ids after it, one a picture. Where the
    // module lacks one id inside the series, neither its first nor its last, the series passes over
    // it and ends one id later, as the trim wheels hold theirs at base and base + 2 … base + 5.
    std::vector<std::uint32_t> iconPictureIds(const gauge::IconElement& icon) const;

private:
    friend class PanelHost;
    std::string name_;
    std::unique_ptr<ModuleLibrary> library_;
    gauge::ImportTable* importTable_ = nullptr;
    gauge::ModuleLinkage* linkage_ = nullptr;
    std::vector<gauge::GaugeHeader*> gauges_;
    mutable std::map<std::uint32_t, std::optional<Bitmap>> pictures_;
};

class GaugeInstance {
public:
    const std::string& alias() const { return alias_; }
    Module& module() const { return *module_; }
    gauge::GaugeHeader& header() const { return *header_; }
    int width() const { return width_; }
    int height() const { return height_; }
    const std::vector<ElementState>& elements() const { return states_; }
    const MouseMap& mouseMap() const { return mouseMap_; }

private:
    friend class PanelHost;
    struct ElementRuntime {
        std::vector<char> textBuffer;
        std::optional<double> shownAngle;
    };
    std::string alias_;
    Module* module_ = nullptr;
    gauge::GaugeHeader* header_ = nullptr;
    int width_ = 0, height_ = 0;
    MouseMap mouseMap_;
    std::vector<ElementState> states_;
    std::vector<ElementRuntime> runtime_;
};

class PanelHost {
public:
    static constexpr const char* kGpsRecordName = "FS2002 GPS DATA";

    // One host is active at a time: the services the modules call reach it.
    PanelHost();
    ~PanelHost();
    PanelHost(const PanelHost&) = delete;
    PanelHost& operator=(const PanelHost&) = delete;

    // Modules by name are looked for in these folders, in order.
    void addModuleFolder(const std::filesystem::path& folder);
    // By module name, or by path to a module file. Loading a loaded module returns it again.
    Module& loadModule(const std::string& nameOrPath);
    void unloadModule(const std::string& name);
    Module* findModule(const std::string& name);

    // Creates a gauge from its header, loads its pictures, sends codes 2 then 4.
    GaugeInstance& createGauge(const std::string& module, const std::string& gauge, std::string alias = {});
    GaugeInstance& instance(const std::string& alias);
    const std::vector<std::unique_ptr<GaugeInstance>>& instances() const { return instances_; }

    // Each cycle: held-button repetition, then per gauge code 6, the elements' variables and
    // callbacks in drawing order, code 10; then the tick counter advances by one.
    void runCycles(int count = 1);
    // The aircraft's own progress in a cycle (a gear running out), when set: run after the
    // held-button repetition and before the gauges update, so they show it in that cycle.
    void setCycleReaction(std::function<void()> reaction) { cycleReaction_ = std::move(reaction); }
    void sendServiceCode(GaugeInstance& gauge, gauge::ServiceCode code, std::uint32_t extra = 0);

    VariableStore& variables() { return variables_; }
    std::uint32_t tick() const;
    void setTick(double tick);

    // Key events sent by modules and by key-bound areas, in order. The reaction, when set, is the
    // aircraft's answer to each event.
    const std::vector<KeyEvent>& keyEvents() const { return keyEvents_; }
    void setKeyEventReaction(std::function<void(const KeyEvent&)> reaction) { keyEventReaction_ = std::move(reaction); }

    // Panel windows: the calls modules made, and which windows are open.
    const std::vector<WindowCallRecord>& windowCalls() const { return windowCalls_; }
    const std::set<std::uint32_t>& openWindows() const { return openWindows_; }
    bool toggleWindow(std::uint32_t window);
    bool openWindow(std::uint32_t window);
    bool closeWindow(std::uint32_t window);

    // Named variables, shared by every module.
    std::optional<double> namedVariable(const std::string& name) const;
    void setNamedVariable(const std::string& name, double value);
    std::int32_t namedVariableId(const std::string& name) const;  // -1 when there is none
    std::vector<std::string> namedVariableNames() const;  // in the order they were made
    // Called with every value a module writes to a named variable, when set.
    void setNamedVariableWriteReaction(std::function<void(const std::string&, double)> reaction) {
        namedVariableWriteReaction_ = std::move(reaction);
    }

    // The GPS data record that "FS2002 GPS DATA" binds to; withheld until provided. The record
    // keeps one address for the host's life, because a module keeps the pointer it bound: a new
    // size reuses it, zeroed, and withholding it only stops later bindings. Bytes past the size
    // are poisoned under AddressSanitizer, so a module reading beyond the record is caught.
    static constexpr std::size_t kGpsRecordCapacity = 4096;
    void provideGpsRecord(std::size_t size);  // throws HostError above kGpsRecordCapacity
    void withholdGpsRecord();
    std::uint8_t* gpsRecord();
    std::size_t gpsRecordSize() const { return gpsRecordSize_; }

    // Mouse events on a gauge, in background pixels.
    void press(GaugeInstance& gauge, int x, int y);
    void moveTo(int x, int y);
    void release();
    bool buttonHeld() const { return held_.has_value(); }
    // What the last MouseCallback returned; nullopt after a key-bound area or none.
    std::optional<gauge::BOOL> lastMouseResult() const { return lastMouseResult_; }

    // The text selection being edited: highlight ranges with its id are drawn in their element's
    // highlight colour. None unless set.
    void setActiveSelection(std::optional<std::uint32_t> selection) { activeSelection_ = selection; }
    std::optional<std::uint32_t> activeSelection() const { return activeSelection_; }

    const std::vector<ElementListCall>& elementListCalls() const { return elementListCalls_; }

private:
    struct HeldButton {
        GaugeInstance* gauge;
        const ResolvedArea* child;
        int x, y;
    };
    struct NamedVariable {
        std::string name;
        double value = 0;
    };

    static const gauge::PanelServices services_;
    static PanelHost& active();

    std::filesystem::path findModuleFile(const std::string& nameOrPath) const;
    void updateGauge(GaugeInstance& gauge);
    void updateElement(GaugeInstance& gauge, ElementState& state, GaugeInstance::ElementRuntime& runtime);
    void refresh(gauge::ModuleVariable& variable);
    void deliver(const HeldButton& button, std::uint32_t flags);
    void recordKeyEvent(std::uint32_t id, std::uint32_t parameter);
    void recordWindowCall(WindowCall call, std::uint32_t window, bool result);
    const gauge::GaugeHeader* gaugeOfRoot(const gauge::Element* root) const;
    gauge::BOOL elementListCall(const char* service, gauge::Element* root, std::uint32_t value);

    // The services the modules reach through ImportTable.
    static void GAUGE_CALL lookupVar(gauge::ModuleVariable* variable);
    static void GAUGE_CALL triggerKeyEvent(gauge::KeyEventId event, gauge::UINT32 parameter);
    static gauge::BOOL GAUGE_CALL panelWindowToggle(gauge::PanelWindowId window);
    static gauge::BOOL GAUGE_CALL panelWindowOpenIdent(gauge::PanelWindowId window);
    static gauge::BOOL GAUGE_CALL panelWindowCloseIdent(gauge::PanelWindowId window);
    static void GAUGE_CALL initializeVarByName(gauge::ModuleVariable* variable, const char* name);
    static gauge::SINT32 GAUGE_CALL registerNamedVariable(const char* name);
    static gauge::SINT32 GAUGE_CALL checkNamedVariable(const char* name);
    static gauge::FLOAT64 GAUGE_CALL getNamedVariableValue(gauge::SINT32 id);
    static void GAUGE_CALL setNamedVariableValue(gauge::SINT32 id, gauge::FLOAT64 value);
    static gauge::BOOL GAUGE_CALL elementListQuery(gauge::Element* root);
    static gauge::BOOL GAUGE_CALL elementListInstall(gauge::Element* root, gauge::UINT32 value);
    static gauge::BOOL GAUGE_CALL elementListInitialize(gauge::Element* root);
    static gauge::BOOL GAUGE_CALL elementListUpdate(gauge::Element* root);
    static gauge::BOOL GAUGE_CALL elementListGenerate(gauge::Element* root, gauge::UINT32 value);
    static gauge::BOOL GAUGE_CALL elementListPlot(gauge::Element* root);
    static gauge::BOOL GAUGE_CALL elementListKill(gauge::Element* root);

    std::vector<std::filesystem::path> moduleFolders_;
    std::vector<std::unique_ptr<Module>> modules_;
    std::vector<std::unique_ptr<GaugeInstance>> instances_;
    VariableStore variables_;
    std::vector<KeyEvent> keyEvents_;
    std::function<void(const KeyEvent&)> keyEventReaction_;
    std::function<void()> cycleReaction_;
    std::vector<WindowCallRecord> windowCalls_;
    std::set<std::uint32_t> openWindows_;
    std::vector<NamedVariable> namedVariables_;  // id is the index
    std::function<void(const std::string&, double)> namedVariableWriteReaction_;
    std::unique_ptr<std::uint8_t[]> gpsRecord_;  // kGpsRecordCapacity bytes once first provided
    std::size_t gpsRecordSize_ = 0;
    bool gpsRecordProvided_ = false;
    std::optional<HeldButton> held_;
    std::optional<gauge::BOOL> lastMouseResult_;
    std::optional<std::uint32_t> activeSelection_;
    std::vector<ElementListCall> elementListCalls_;
};

}  // namespace gaugehost
