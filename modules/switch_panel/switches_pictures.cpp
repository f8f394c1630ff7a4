// The art of the switch row: white rockers, the red fuel pump rocker, the chrome push button and the
// red split master rocker, each off and on. The plates are pure black: the panel shows through them,
// except the master's, which carries the rocker with both halves off.
#include "modules/switch_panel/panel_art.h"
#include "modules/switch_panel/pictures.h"
#include "modules/switch_panel/switches_layout.h"
#include "tools/picturegen/drawing_kit.h"

namespace {

using picturegen::Picture;
namespace kit = picturegen::kit;
namespace layout = switch_panel::layout;

constexpr kit::Rgb kWhiteCap{228, 228, 222};
constexpr kit::Rgb kChrome{208, 210, 214};

// The round chrome push button: a bezel ring with the cap standing out, or pressed in and shaded.
template <kit::ButtonState state>
void drawPushButton(cairo_t* cr, const Picture& picture) {
    kit::fill(cr, kit::kTransparent);
    const kit::Point centre{picture.width / 2.0, picture.height / 2.0};
    const double outer = picture.width / 2.0 - 2;
    kit::bezel(cr, centre, outer, outer * 0.16, kit::kMetalGrey, kit::kPanelBlack);
    if (state == kit::ButtonState::Up) {
        kit::bezel(cr, centre, outer * 0.74, outer * 0.1, kChrome, kit::mix(kChrome, kit::kMetalLight, 0.5));
        kit::disc(cr, {centre.x - outer * 0.2, centre.y - outer * 0.2}, outer * 0.14, kit::mix(kChrome, {255, 255, 255}, 0.6));
    } else {
        kit::bezel(cr, centre, outer * 0.68, outer * 0.08, kit::kMetalGrey, kit::mix(kit::kMetalGrey, kit::kPanelBlack, 0.3));
    }
}

// A half of the master rocker: its cap lies on the plate's columns of that half.
struct MasterHalf {
    int capX, capWidth;  // on the plate
    int pictureX;        // where the half's picture stands on the plate
};
constexpr MasterHalf kLeftHalf{1, layout::kMasterSplitX - 1, layout::kMasterLeftHalf.x};
constexpr MasterHalf kRightHalf{layout::kMasterSplitX + layout::kMasterSplitWidth, 11, layout::kMasterRightHalf.x};
static_assert(kLeftHalf.capX + kLeftHalf.capWidth <= layout::kMasterLeftHalf.x + layout::kMasterLeftHalf.width);
static_assert(kRightHalf.capX + kRightHalf.capWidth <= layout::kMasterRightHalf.x + layout::kMasterRightHalf.width);

void masterCap(cairo_t* cr, const MasterHalf& half, double originX, kit::Direction pressedEnd) {
    kit::rockerSwitch(cr, {half.capX - originX, layout::kMasterCapTop + 0.0, half.capWidth + 0.0,
                           layout::kMasterCapHeight + 0.0},
                      pressedEnd, kit::kSwitchRed);
}

void drawMasterPlate(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    masterCap(cr, kLeftHalf, 0, kit::Direction::Down);
    masterCap(cr, kRightHalf, 0, kit::Direction::Down);
}

template <const MasterHalf& half, kit::Direction pressedEnd>
void drawMasterHalf(cairo_t* cr, const Picture&) {
    kit::fill(cr, kit::kTransparent);
    masterCap(cr, half, half.pictureX, pressedEnd);
}

using kit::Direction;
using switch_panel::art::drawPlainBlack;
using switch_panel::art::drawRocker;
using switch_panel::art::picture;

constexpr Picture kPictures[] = {
    picture(layout::kRockerPlate, layout::kRockerPlate.id, drawPlainBlack),
    picture(layout::kRocker, layout::kRocker.id, drawRocker<Direction::Down, kWhiteCap>),
    picture(layout::kRocker, layout::kRocker.id + 1, drawRocker<Direction::Up, kWhiteCap>),
    picture(layout::kAvionicsPlate, layout::kAvionicsPlate.id, drawPlainBlack),
    picture(layout::kAvionicsRocker, layout::kAvionicsRocker.id, drawRocker<Direction::Down, kWhiteCap>),
    picture(layout::kAvionicsRocker, layout::kAvionicsRocker.id + 1, drawRocker<Direction::Up, kWhiteCap>),
    picture(layout::kPushButtonPlate, layout::kPushButtonPlate.id, drawPlainBlack),
    picture(layout::kPushButton, layout::kPushButton.id, drawPushButton<kit::ButtonState::Up>),
    picture(layout::kPushButton, layout::kPushButton.id + 1, drawPushButton<kit::ButtonState::Pressed>),
    picture(layout::kFuelPumpPlate, layout::kFuelPumpPlate.id, drawPlainBlack),
    picture(layout::kFuelPumpRocker, layout::kFuelPumpRocker.id, drawRocker<Direction::Down, kit::kSwitchRed>),
    picture(layout::kFuelPumpRocker, layout::kFuelPumpRocker.id + 1, drawRocker<Direction::Up, kit::kSwitchRed>),
    picture(layout::kMasterPlate, layout::kMasterPlate.id, drawMasterPlate),
    picture(layout::kMasterLeftHalf, layout::kMasterLeftHalf.id, drawMasterHalf<kLeftHalf, Direction::Down>),
    picture(layout::kMasterLeftHalf, layout::kMasterLeftHalf.id + 1, drawMasterHalf<kLeftHalf, Direction::Up>),
    picture(layout::kMasterRightHalf, layout::kMasterRightHalf.id, drawMasterHalf<kRightHalf, Direction::Down>),
    picture(layout::kMasterRightHalf, layout::kMasterRightHalf.id + 1, drawMasterHalf<kRightHalf, Direction::Up>),
};

}  // namespace

constinit const picturegen::PictureUnit switchPictures{kPictures};
