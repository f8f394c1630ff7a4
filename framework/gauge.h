// The gauge frame shared by every module: the records the host and a module exchange.
// Every record is plain data in field order; the host's run-time fields are zero in a module.
#pragma once

#include <cstddef>
#include <cstdint>

// Calls between host and module use the platform's standard calling convention on 32-bit Windows.
#if defined(_WIN32) && !defined(_WIN64)
#define GAUGE_CALL __stdcall
#else
#define GAUGE_CALL
#endif

namespace gauge {

using UINT32 = std::uint32_t;
using SINT32 = std::int32_t;
using SINT8 = std::int8_t;
using FLOAT32 = float;
using FLOAT64 = double;
using BOOL = SINT32;
inline constexpr BOOL kFalse = 0;
inline constexpr BOOL kTrue = 1;

using HostVariableToken = UINT32;
using KeyEventId = UINT32;
using PanelWindowId = UINT32;
using TooltipId = UINT32;
using ServiceCode = SINT32;

struct GaugeHeader;
struct Element;
struct PanelServices;

// ---------------------------------------------------------------------------------------------
// Module linkage

inline constexpr UINT32 kPanelServicesImportId = 0x0F;
inline constexpr UINT32 kModuleId = 0x13;
inline constexpr UINT32 kLinkageVersion = 0x900;
inline constexpr UINT32 kGaugeHeaderVersion = 800;
// The largest module carries 29 gauges; the list is stored inline and ended by NULL.
inline constexpr std::size_t kMaxGaugesPerModule = 31;

struct ImportEntry {
    UINT32 id{};
    PanelServices* services{};
};

struct ImportTable {
    ImportEntry panelServices{};  // id 0x0F; the host writes its table's address before any module code runs
    ImportEntry end{};            // id 0, NULL
};

using ModuleRoutine = void(GAUGE_CALL*)();

struct ModuleLinkage {
    UINT32 moduleId{};
    ModuleRoutine moduleInit{};
    ModuleRoutine moduleDeinit{};
    UINT32 flags{};
    UINT32 priority{};
    UINT32 version{};
    GaugeHeader* gauges[kMaxGaugesPerModule + 1]{};
};

// ---------------------------------------------------------------------------------------------
// Gauge header

namespace service_code {
inline constexpr ServiceCode kPreInstall = 2;
inline constexpr ServiceCode kPreInitialize = 4;
inline constexpr ServiceCode kPreUpdate = 6;
inline constexpr ServiceCode kPreDraw = 10;
}  // namespace service_code

struct MouseArea;

using QueryRoutine = BOOL(GAUGE_CALL*)();
using InstallRoutine = BOOL(GAUGE_CALL*)(UINT32 value);
using InitializeRoutine = BOOL(GAUGE_CALL*)();
using UpdateRoutine = BOOL(GAUGE_CALL*)();
using GenerateRoutine = BOOL(GAUGE_CALL*)(UINT32 value);
using DrawRoutine = BOOL(GAUGE_CALL*)();
using KillRoutine = BOOL(GAUGE_CALL*)();
using GaugeCallback = void(GAUGE_CALL*)(GaugeHeader* gauge, ServiceCode code, UINT32 extra);

struct GaugeHeader {
    UINT32 headerVersion{};
    const char* gaugeName{};
    Element* const* elementList{};  // NULL-ended; exactly one root
    QueryRoutine query{};
    InstallRoutine install{};
    InitializeRoutine initialize{};
    UpdateRoutine update{};
    GenerateRoutine generate{};
    DrawRoutine draw{};
    KillRoutine kill{};
    UINT32 defaultWidthMm{};
    const MouseArea* mouseAreas{};  // NULL for a gauge without mouse areas
    GaugeCallback gaugeCallback{};
    UINT32 userData{};
    const char* parameters{};
    const char* usage{};
};

// ---------------------------------------------------------------------------------------------
// Host variables

struct ModuleVariable {
    HostVariableToken token{};  // 0: the slot drives nothing
    void* data{};               // host's
    UINT32 type{};              // host's
    // A FLOAT64, or a 32-bit integer in the first four bytes, as the variable's form says.
    alignas(8) unsigned char value[8]{};
    alignas(8) unsigned char previousValue[8]{};  // host's
};

// ---------------------------------------------------------------------------------------------
// Element tree

enum ElementKind : UINT32 {
    kStaticImage = 0,
    kNeedle = 1,
    kString = 2,
    kSlider = 3,
    kIcon = 4,
    kMovingImage = 5,
    kSprite = 6,
};

struct Point {
    SINT32 x{};
    SINT32 y{};
};

struct FailureRecord {
    UINT32 key{};  // 0 ends the list
    UINT32 action{};
    UINT32 reserved{};
};

// The low bits are drawing options for the host; callbacks touch only kHidden.
namespace image_flag {
inline constexpr UINT32 kBlackTransparent = 0x1;  // pure black (0, 0, 0) is not drawn; (1, 1, 1) is
inline constexpr UINT32 kErase = 0x2;             // the element's last drawing is erased before the next
inline constexpr UINT32 kBright = 0x4;            // keeps full brightness when the panel lights dim
inline constexpr UINT32 kSmooth = 0x80;           // edges smoothed when the picture is turned or scaled
inline constexpr UINT32 kNoBlending = 0x4000;     // drawn without blending into what lies beneath
inline constexpr UINT32 kHidden = 0x40000000;     // the host does not draw the element while set
// The combinations the gauges use.
inline constexpr UINT32 kTransparentErase = kBlackTransparent | kErase;                   // 0x3
inline constexpr UINT32 kEraseBright = kErase | kBright;                                  // 0x6
inline constexpr UINT32 kTransparentEraseBright = kBlackTransparent | kErase | kBright;   // 0x7
inline constexpr UINT32 kTransparentSmooth = kBlackTransparent | kSmooth;                 // 0x81
inline constexpr UINT32 kTransparentEraseSmooth = kTransparentErase | kSmooth;            // 0x83
inline constexpr UINT32 kTransparentNoBlending = kBlackTransparent | kNoBlending;         // 0x4001
}  // namespace image_flag

inline constexpr UINT32 kNoResource = 0xFFFFFFFF;

// The part every element kind starts with.
struct Element {
    UINT32 kind{};
    UINT32 resourceId{};
    Point position{};
    Point previousPosition{};  // host's
    Point offset{};            // needle pivot in its picture, sprite texture centre; 0 otherwise
    GaugeHeader* gauge{};
    Element* previousElement{};  // host's
    Element* const* children{};  // NULL-ended, or NULL
    const FailureRecord* failures{};
    UINT32 imageFlags{};
    UINT32 specialFlags{};
    UINT32 reserved{};
};

template <class ElementType>
using UpdateCallback = FLOAT64(GAUGE_CALL*)(ElementType* element);

struct StaticImageElement {
    Element common{};
};

struct NonlinearityEntry {
    SINT32 x{};
    SINT32 y{};
    FLOAT64 value{};
    FLOAT64 angle{};  // host's: the direction from the needle's position to (x, y)
};

struct NeedleElement {
    Element common{};
    ModuleVariable source{};
    NonlinearityEntry* table{};
    UINT32 tableLength{};
    SINT32 maxRotationRate{};  // degrees per update; 0: no limit
    UpdateCallback<NeedleElement> updateCallback{};
};

struct HighlightRange {
    UINT32 selectionId{};  // 0 ends the list
    UINT32 firstCharacter{};
    UINT32 lastCharacter{};
};

using Colour = UINT32;  // 0x00BBGGRR

struct StringElement {
    Element common{};
    ModuleVariable sources[3]{};
    char* textBuffer{};         // host's
    UINT32 textBufferSize{};    // host's: capacity of textBuffer in bytes, terminator included
    SINT32 boxWidth{};
    SINT32 boxHeight{};
    Colour textColour{};
    Colour backgroundColour{};
    Colour highlightColour{};
    char fontName[32]{};
    SINT32 fontWeight{};
    SINT32 characterSet{};
    UINT32 textFormatFlags{};
    SINT32 maxCharacters{};
    const HighlightRange* highlights{};
    UpdateCallback<StringElement> updateCallback{};
};

struct SliderElement {
    Element common{};
    ModuleVariable xSource{};
    FLOAT64 xScale{};
    ModuleVariable ySource{};
    FLOAT64 yScale{};
    UpdateCallback<SliderElement> xUpdateCallback{};
    UpdateCallback<SliderElement> yUpdateCallback{};
};

struct IconElement {
    Element common{};
    ModuleVariable source{};
    SINT32 switchType{};
    SINT32 pictureCount{};
    UpdateCallback<IconElement> updateCallback{};
};

struct MovingImageElement {
    Element common{};
    ModuleVariable xSource{};
    FLOAT64 xMinimum{};
    FLOAT64 xMaximum{};
    ModuleVariable ySource{};
    FLOAT64 yMinimum{};
    FLOAT64 yMaximum{};
    UpdateCallback<MovingImageElement> xUpdateCallback{};
    UpdateCallback<MovingImageElement> yUpdateCallback{};
};

struct SpriteElement {
    Element common{};
    ModuleVariable xSource{};
    FLOAT64 xScale{};
    ModuleVariable ySource{};
    FLOAT64 yScale{};
    ModuleVariable rotationSource{};
    FLOAT64 rotationScale{};
    FLOAT32 textureScaleX{};
    FLOAT32 textureScaleY{};
    UpdateCallback<SpriteElement> xUpdateCallback{};
    UpdateCallback<SpriteElement> yUpdateCallback{};
    UpdateCallback<SpriteElement> rotationUpdateCallback{};
};

// ---------------------------------------------------------------------------------------------
// Mouse areas

enum MouseAreaKind : UINT32 {
    kEndOfList = 0,
    kParent = 1,
    kChild = 2,
    kEndOfParent = 3,
    kTooltipText = 4,
};

struct Box {
    SINT32 x{};
    SINT32 y{};
    SINT32 width{};
    SINT32 height{};
};

namespace mouse_flag {
inline constexpr UINT32 kLeftDown = 0x20000000;
inline constexpr UINT32 kRepeat = 0x00200000;  // again every cycle while the button is held
inline constexpr UINT32 kDrag = 0x00800000;    // every movement while the button is held
// What a child takes: a click, a click that repeats while held, a click and the drag that follows.
inline constexpr UINT32 kClick = kLeftDown;
inline constexpr UINT32 kClickRepeat = kLeftDown | kRepeat;
inline constexpr UINT32 kClickDrag = kLeftDown | kDrag;
}  // namespace mouse_flag

namespace cursor {
inline constexpr SINT32 kNone = -1;
inline constexpr SINT32 kUpArrow = 1;
inline constexpr SINT32 kDownArrow = 2;
inline constexpr SINT32 kLeftArrow = 3;
inline constexpr SINT32 kRightArrow = 4;
inline constexpr SINT32 kHand = 5;
inline constexpr SINT32 kGrab = 7;
}  // namespace cursor

using MouseCallback = BOOL(GAUGE_CALL*)(Point* mousePosition, UINT32 mouseFlags);

// A child's MouseCallback, or on a TooltipTextArea the tooltip text of its parent.
union MouseFunction {
    MouseCallback callback{};
    const char* tooltipText;
};

struct MouseArea {
    UINT32 kind{};
    Box box{};  // relative to the top-left corner of the enclosing parent's box
    SINT32 cursor{};
    TooltipId tooltipId{};
    UINT32 mouseFlags{};
    KeyEventId keyEvent{};
    MouseFunction function{};
    UINT32 extraData{};
};

// ---------------------------------------------------------------------------------------------
// The host's panel services, reached through ImportTable

struct PanelServices {
    void(GAUGE_CALL* lookup_var)(ModuleVariable* variable){};
    void(GAUGE_CALL* trigger_key_event)(KeyEventId event, UINT32 parameter){};
    BOOL(GAUGE_CALL* panel_window_toggle)(PanelWindowId window){};
    BOOL(GAUGE_CALL* panel_window_open_ident)(PanelWindowId window){};
    BOOL(GAUGE_CALL* panel_window_close_ident)(PanelWindowId window){};
    void(GAUGE_CALL* initialize_var_by_name)(ModuleVariable* variable, const char* name){};
    SINT32(GAUGE_CALL* register_named_variable)(const char* name){};
    SINT32(GAUGE_CALL* check_named_variable)(const char* name){};  // -1 when there is none
    FLOAT64(GAUGE_CALL* get_named_variable_value)(SINT32 id){};
    void(GAUGE_CALL* set_named_variable_value)(SINT32 id, FLOAT64 value){};
    BOOL(GAUGE_CALL* element_list_query)(Element* root){};
    BOOL(GAUGE_CALL* element_list_install)(Element* root, UINT32 value){};
    BOOL(GAUGE_CALL* element_list_initialize)(Element* root){};
    BOOL(GAUGE_CALL* element_list_update)(Element* root){};
    BOOL(GAUGE_CALL* element_list_generate)(Element* root, UINT32 value){};
    BOOL(GAUGE_CALL* element_list_plot)(Element* root){};
    BOOL(GAUGE_CALL* element_list_kill)(Element* root){};
};

}  // namespace gauge
