// The flight instruments as the bench draws them, checked by what a pilot reads off them: the
// altimeter's pointer making one clockwise turn per thousand feet, the heading bug turned clockwise
// from the top, the VOR bars hanging from pivots outside their picture, the ball moved sideways by
// its variable and up by its callback, and the label that a turned card shows under the lubber line
// or in the setting window.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "gauge_renderer.h"
#include "modules/vfr_instruments/instrument_art.h"
#include "support/bench.h"
#include "tools/picturegen/bitmap_writer.h"

namespace {

using benchtest::BenchTest;
using gaugehost::render::Image;
using gaugehost::render::Rgba;
namespace kit = picturegen::kit;
namespace var = gauge::var;

struct Polar {
    double angle;  // degrees clockwise from three o'clock
    double distance;
    int pixels;
};

// The centre of weight of the pixels chosen, seen from a point, within the given distances.
Polar centreOf(const Image& image, kit::Point from, double nearest, double farthest,
               const std::function<bool(int x, int y)>& chosen) {
    double sumX = 0, sumY = 0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double dx = x - from.x, dy = y - from.y;
            const double distance = std::hypot(dx, dy);
            if (distance < nearest || distance > farthest || !chosen(x, y)) continue;
            sumX += dx;
            sumY += dy;
            ++count;
        }
    }
    return {std::atan2(sumY, sumX) * 180 / std::numbers::pi, std::hypot(sumX, sumY) / std::max(count, 1), count};
}

double angleDifference(double a, double b) { return std::abs(std::remainder(a - b, 360.0)); }

int brightness(Rgba pixel) { return pixel.a == 0 ? 0 : pixel.r + pixel.g + pixel.b; }

class InstrumentDrawing : public BenchTest {
protected:
    Image draw(gaugehost::GaugeInstance& gauge, int cycles = 1) {
        host.runCycles(cycles);
        return renderer_.draw(gauge, std::nullopt);
    }

    gaugehost::render::GaugeRenderer renderer_;
};

// ---------------------------------------------------------------------------------------------
// Needles

// The two table points one pixel apart on either side of twelve o'clock: the hundreds pointer turns
// clockwise all the way round over 0 … 999, a quarter turn every 250 feet. The pointer alone is
// what differs from the drawing with the pointer half a turn on.
TEST_F(InstrumentDrawing, AltitudeTableOfTwoPointsMakesOneWholeClockwiseTurn) {
    auto& altimetro = create("VeskarZ3VM", "Altimetro");
    const kit::Point pivot{155, 156};
    double previous = -1e9;
    for (int feet = 0; feet <= 999; feet += 37) {
        host.variables().set(var::INDICATED_ALTITUDE, feet);
        host.runCycles(1);
        const double angle = element(altimetro, 4).needleAngle;
        EXPECT_GT(angle, previous) << feet;
        previous = angle;
    }
    host.variables().set(var::INDICATED_ALTITUDE, 999);
    host.runCycles(1);
    EXPECT_NEAR(element(altimetro, 4).needleAngle, 270, 1e-9) << "999 stands exactly at twelve o'clock";

    for (auto [feet, clock] : {std::pair{100, -54.0}, {250, 0.0}, {500, 90.0}, {750, 180.0}, {900, 234.0}}) {
        host.variables().set(var::INDICATED_ALTITUDE, feet);
        const Image at = draw(altimetro);
        host.variables().set(var::INDICATED_ALTITUDE, feet + 500);
        const Image opposite = draw(altimetro);
        // Beyond the short pointers' reach and inside the digits only the long pointer moves.
        const Polar pointer = centreOf(at, pivot, 72, 100, [&](int x, int y) {
            return brightness(at.at(x, y)) > 450 && !(at.at(x, y) == opposite.at(x, y));
        });
        ASSERT_GT(pointer.pixels, 20) << feet;
        EXPECT_LT(angleDifference(pointer.angle, clock), 1.5) << feet << " feet: pointer at " << pointer.angle;
    }
}

// Without a table the bug, drawn pointing up, turns clockwise by its value in degrees.
TEST_F(InstrumentDrawing, NeedleWithoutTableTurnsClockwiseFromTheWayItIsDrawn) {
    auto& gyro = create("VeskarZ3VM", "Gyro");
    const kit::Point centre{150, 150};
    const auto orange = [](Rgba p) { return p.r > 200 && p.g > 90 && p.g < 190 && p.b < 90; };
    for (auto [bug, clock] : {std::pair{0.0, -90.0}, {90.0, 0.0}, {-90.0, 180.0}, {200.0, 110.0}, {-340.0, -70.0}}) {
        host.variables().set(var::HEADING_INDICATOR_HEADING, 0);
        host.variables().set(var::HEADING_BUG_SETTING, bug);
        const Image image = draw(gyro);
        // Between the card's centre and the lubber mark, which is orange too.
        const Polar found = centreOf(image, centre, 95, 132, [&](int x, int y) { return orange(image.at(x, y)); });
        ASSERT_GT(found.pixels, 100) << bug;
        EXPECT_LT(angleDifference(found.angle, clock), 1.0) << "bug " << bug << " at " << found.angle;
        EXPECT_NEAR(found.distance, 114, 4) << bug;
    }
}

// The VOR bars turn about pivots 5 pixels before their picture begins.
TEST_F(InstrumentDrawing, PivotOutsideThePictureHoldsTheBarAtItsDistance) {
    auto& vor = create("VeskarZ3VVFR", "Vor1");
    const auto bar = [](Rgba p) { return p.r > 200 && p.g > 200 && p.b > 190 && p.b < 232; };
    struct Case {
        gauge::HostVariableToken token;
        double deviation;
        kit::Point pivot;
        double angle;
    };
    const Case cases[] = {
        {var::NAV1_COURSE_DEVIATION, 0, {147, 78}, 90},
        {var::NAV1_COURSE_DEVIATION, 1, {147, 78}, 52.804},
        {var::NAV1_COURSE_DEVIATION, -1, {147, 78}, 128.784},
        {var::NAV1_GLIDESLOPE_DEVIATION, 0, {70, 155}, 0},
        {var::NAV1_GLIDESLOPE_DEVIATION, -1, {70, 155}, -21.801},
    };
    for (const Case& each : cases) {
        host.variables().set(var::NAV1_COURSE_DEVIATION, 0);
        host.variables().set(var::NAV1_GLIDESLOPE_DEVIATION, 0);
        host.variables().set(each.token, each.deviation);
        const Image image = draw(vor, 40);
        const auto along = [&](double distance) {
            const kit::Point point = kit::polar(each.pivot, distance, each.angle);
            return image.at(static_cast<int>(std::lround(point.x)), static_cast<int>(std::lround(point.y)));
        };
        SCOPED_TRACE(testing::Message() << "deviation " << each.deviation << " at " << each.angle << " degrees");
        for (double distance : {8.0, 40.0, 70.0, 110.0}) EXPECT_TRUE(bar(along(distance))) << distance;
        EXPECT_FALSE(bar(along(2))) << "nothing between the pivot and the bar's start";
        EXPECT_FALSE(bar(along(-6)));
    }
}

// The ball moves 0.5625 pixel a unit sideways with its variable and rises by its callback.
TEST_F(InstrumentDrawing, SliderTakesOneAxisFromItsVariableAndTheOtherFromItsCallback) {
    auto& turn = create("VeskarZ3VM", "Turn");
    // The ball is what is dark where the tube shows once the ball has rolled far to the other side.
    const auto ballCentre = [&](double deflection) {
        host.variables().set(var::TURN_BALL_DEFLECTION, deflection > 0 ? -80 : 80);
        const Image away = draw(turn);
        host.variables().set(var::TURN_BALL_DEFLECTION, deflection);
        const Image image = draw(turn);
        return centreOf(image, {151, 208}, 0, 40, [&](int x, int y) {
            return brightness(image.at(x, y)) < 150 && brightness(away.at(x, y)) > 400;
        });
    };
    const Polar rest = ballCentre(0);
    ASSERT_GT(rest.pixels, 300);
    EXPECT_LT(rest.distance, 0.6) << "at rest the ball lies under the aircraft's pivot";
    for (auto [deflection, dx, dy] : {std::tuple{16.0, 9.0, -1.0}, {-16.0, -9.0, -1.0}, {32.0, 18.0, -2.0}}) {
        const Polar moved = ballCentre(deflection);
        const double radians = moved.angle * std::numbers::pi / 180;
        EXPECT_NEAR(moved.distance * std::cos(radians), dx, 0.6) << deflection;
        EXPECT_NEAR(moved.distance * std::sin(radians), dy, 0.6) << deflection;
    }
}

// ---------------------------------------------------------------------------------------------
// Cards

struct LabelSpot {
    kit::Point centre;  // on the gauge
    double angle;       // the label's turn on the gauge, clockwise
    double size;        // its height on the gauge
};

// Which candidate the gauge shows at the spot: each candidate drawn alone at the spot, as the
// card prints it, and compared with the drawing around it, light for light.
struct ReadingBox {
    int halfWidth, halfHeight;
};

std::string readLabel(const Image& image, const LabelSpot& spot, ReadingBox box, const std::vector<std::string>& candidates,
                      const std::function<double(const std::string&)>& sizeOf) {
    const int kHalfWidth = box.halfWidth, kHalfHeight = box.halfHeight;
    const int left = static_cast<int>(spot.centre.x) - kHalfWidth, top = static_cast<int>(spot.centre.y) - kHalfHeight;
    std::string best;
    int fewest = 1 << 30;
    for (const std::string& text : candidates) {
        static std::function<void(cairo_t*)> sketch;
        sketch = [&](cairo_t* cr) {
            instrument_art::turnedLabel(cr, text, {spot.centre.x - left, spot.centre.y - top}, spot.angle,
                                        sizeOf(text), kit::kLabelWhite);
        };
        const picturegen::PixelImage alone = picturegen::renderPicture(
            {.id = 1, .width = 2 * kHalfWidth, .height = 2 * kHalfHeight, .bitsPerPixel = 24,
             .draw = [](cairo_t* cr, const picturegen::Picture&) { sketch(cr); }});
        int differences = 0;
        for (int y = 0; y < alone.height; ++y) {
            for (int x = 0; x < alone.width; ++x) {
                const std::uint32_t drawn = alone.at(x, y);
                const int ink = static_cast<int>((drawn >> 16 & 0xFF) + (drawn >> 8 & 0xFF) + (drawn & 0xFF));
                differences += std::abs(ink - brightness(image.at(left + x, top + y)));
            }
        }
        if (differences < fewest) {
            fewest = differences;
            best = text;
        }
    }
    return best;
}

// Room for a compass label and no neighbour.
constexpr ReadingBox kCompassBox{22, 13};

std::vector<std::string> compassLabels() {
    std::vector<std::string> labels;
    for (int heading = 0; heading < 360; heading += 30) labels.emplace_back(instrument_art::compassLabel(heading));
    return labels;
}

double compassLabelSize(const std::string& text, double labelSize, double letterSize) {
    return text == "N" || text == "E" || text == "S" || text == "W" ? letterSize : labelSize;
}

TEST_F(InstrumentDrawing, HeadingCardShowsTheHeadingsLabelUnderTheLubberLine) {
    auto& gyro = create("VeskarZ3VM", "Gyro");
    constexpr double kScale = 0.95;
    const LabelSpot top{{150.5, 150.5 - 92 / kScale}, 0, 0};
    for (int heading : {0, 30, 90, 150, 180, 270, 330}) {
        host.variables().set(var::HEADING_INDICATOR_HEADING, heading);
        host.variables().set(var::HEADING_BUG_SETTING, heading + 180);
        const Image image = draw(gyro);
        EXPECT_EQ(readLabel(image, top, kCompassBox, compassLabels(),
                            [](const std::string& text) { return compassLabelSize(text, 19 / kScale, 25 / kScale); }),
                  instrument_art::compassLabel(heading))
            << "heading " << heading;
    }
}

// The readout covers the VOR's upper segment, so the card is read at the bottom, upside down.
TEST_F(InstrumentDrawing, CourseCardShowsTheReciprocalAtTheBottom) {
    auto& vor = create("VeskarZ3VVFR", "Vor1");
    constexpr double kScale = 0.97;
    const LabelSpot bottom{{149.5, 150.5 + 100 / kScale}, 180, 0};
    for (int course : {0, 60, 90, 180, 210, 300}) {
        host.variables().set(var::NAV1_SELECTED_COURSE, course);
        const Image image = draw(vor);
        EXPECT_EQ(readLabel(image, bottom, kCompassBox, compassLabels(),
                            [](const std::string& text) { return compassLabelSize(text, 17 / kScale, 21 / kScale); }),
                  instrument_art::compassLabel((course + 180) % 360))
            << "course " << course;
    }
}

// The label in the window agrees with the VFR readout of the same setting.
TEST_F(InstrumentDrawing, SettingCardShowsTheSettingInTheWindow) {
    auto& altimetro = create("VeskarZ3VVFR", "Altimetro");
    host.press(altimetro, 150, 180);
    host.release();
    std::vector<std::string> labels;
    for (int tenth = 281; tenth <= 315; ++tenth) {
        char text[8];
        std::snprintf(text, sizeof text, "%.1f", tenth / 10.0);
        labels.push_back(text);
    }
    for (double setting : {28.1, 29.9, 29.92, 30.0, 30.5, 31.5}) {
        host.variables().set(var::ALTIMETER_SETTING, setting);
        const Image image = draw(altimetro);
        const std::string readout = element(altimetro, 5).text;
        // The nearest label lies off the window's middle by what the setting passes it.
        const double label = std::round(setting * 10) / 10;
        const double off = (label - setting) * 100;
        const LabelSpot spot{kit::polar({154.5, 156.5}, 92, off), off, 0};
        EXPECT_EQ(readLabel(image, spot, {17, 7}, labels, [](const std::string&) { return 12.0; }), readout.substr(0, 4))
            << "setting " << setting;
    }
}

}  // namespace
