// What `gaugehost list` tells of a module, on the bench fixture whose trees and lists hold every case.
#include <gtest/gtest.h>

#include "module_listing.h"
#include "support/bench.h"

namespace {

using Json = nlohmann::ordered_json;

class Listing : public benchtest::BenchTest {
protected:
    Listing() {
        host.addModuleFolder(benchtest::requiredEnvironment("GAUGE_FIXTURE_PATH"));
        description = gaugehost::describeModule(host.loadModule("BenchFixture"));
    }
    const Json& gauge(int index) const { return description["gauges"][index]; }
    Json description;
};

TEST_F(Listing, GaugesInLinkageOrderWithTheirHeaders) {
    ASSERT_EQ(description["gauges"].size(), 2u);
    EXPECT_EQ(gauge(0)["name"], "Instruments");
    EXPECT_EQ(gauge(1)["name"], "Services");
    EXPECT_EQ(gauge(0)["gaugeCallback"], false);
    EXPECT_EQ(gauge(1)["gaugeCallback"], true);
    EXPECT_EQ(gauge(0)["defaultWidthMm"], 60);
    EXPECT_EQ(gauge(1)["mouseAreas"], Json::array());
}

TEST_F(Listing, ElementsInDrawingOrderWithWhatDrivesThem) {
    const Json& elements = gauge(0)["elements"];
    ASSERT_EQ(elements.size(), 11u);
    EXPECT_EQ(elements[0]["kind"], "static image");
    EXPECT_EQ(elements[1]["kind"], "needle");
    EXPECT_EQ(elements[1]["depth"], 1);
    EXPECT_EQ(elements[1]["pivot"], Json::array({2, 2}));
    EXPECT_EQ(elements[1]["table"][1], (Json{{"x", 60}, {"y", 30}, {"value", 10.0}}));
    EXPECT_EQ(elements[1]["callbacks"], Json::array({"value"}));
    EXPECT_EQ(elements[2]["callbacks"], Json::array());
    EXPECT_EQ(elements[6]["kind"], "moving image");
    EXPECT_EQ(elements[6]["resources"], Json::array({"0x102", "0x103"})) << "the strip and its mask";
    EXPECT_EQ(elements[6]["sources"][0]["token"], "0xF002");
    EXPECT_EQ(elements[7]["textureCentre"], Json::array({30, 30}));
    EXPECT_EQ(elements[9]["kind"], "string");
    EXPECT_EQ(elements[9]["resources"], Json::array());
    EXPECT_EQ(elements[10]["resources"], Json::array({"0x107", "0x108"}));
}

TEST_F(Listing, MouseBoxesAlsoInBackgroundCoordinates) {
    const Json& areas = gauge(0)["mouseAreas"];
    EXPECT_EQ(areas[0]["backgroundBox"], "whole gauge");
    EXPECT_EQ(areas[0]["tooltip"], "FIXTURE TEXT");
    // The inner parent at (0, 20) shifts its children.
    EXPECT_EQ(areas[4]["kind"], "parent");
    EXPECT_EQ(areas[4]["tooltip"], "0x5555");
    EXPECT_EQ(areas[5]["box"], Json::array({0, 0, 10, 10}));
    EXPECT_EQ(areas[5]["backgroundBox"], Json::array({0, 20, 10, 10}));
    EXPECT_EQ(areas[6]["backgroundBox"], Json::array({30, 30, 20, 5}));
    EXPECT_EQ(areas[5]["keyEvent"], "0xE004");
    EXPECT_EQ(areas[2]["function"], true);
    EXPECT_EQ(areas[1]["flags"], "0x20200000");
}

TEST_F(Listing, TextListingNamesEveryGaugeElementAndArea) {
    std::ostringstream text;
    gaugehost::printModule(description, text);
    const std::string listing = text.str();
    EXPECT_NE(listing.find("gauge Instruments: default width 60 mm, background 60x60, gauge callback no"), std::string::npos);
    EXPECT_NE(listing.find("[6]   moving image resources=[\"0x102\",\"0x103\"]"), std::string::npos) << listing;
    EXPECT_NE(listing.find("backgroundBox=[30,30,20,5]"), std::string::npos);
    EXPECT_NE(listing.find("gauge Services"), std::string::npos);
}

}  // namespace
