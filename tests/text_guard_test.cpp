// The host places guard bytes after every text buffer and checks them after each text callback:
// a module writing past its buffer is stopped with an error naming module, gauge and element.
#include <fstream>

#include "fixtures/text_overrun.h"
#include "support/bench.h"
#include "tools/picturegen/bitmap_writer.h"

namespace {

using namespace text_overrun;

class TextGuard : public benchtest::BenchTest {
protected:
    TextGuard() {
        const std::filesystem::path folder = benchtest::requiredEnvironment("GAUGE_FIXTURE_PATH");
        const std::filesystem::path pictures = folder / "TextOverrun.bitmaps";
        std::filesystem::create_directories(pictures);
        const picturegen::PixelImage background{
            .width = kWidth, .height = kHeight, .pixels = std::vector<std::uint32_t>(kWidth * kHeight, 0)};
        const auto bytes = picturegen::encodeBmp(background, 8);
        std::ofstream(pictures / picturegen::bitmapFileName(kBackgroundPicture), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        host.addModuleFolder(folder);
        gauge_ = &create("TextOverrun", "Overrun");
    }

    gaugehost::GaugeInstance* gauge_;
};

TEST_F(TextGuard, TheLongestTextFitsWithItsTerminator) {
    host.variables().set(kCharacterCount, kMaxCharacters);
    host.runCycles(1);
    EXPECT_EQ(element(*gauge_, 1).text, "XXX");
}

TEST_F(TextGuard, AWritePastTheBufferIsNamed) {
    // One character more puts the terminator on the first guard byte.
    for (int count : {kMaxCharacters + 1, kMaxCharacters + 6}) {
        SCOPED_TRACE(count);
        host.variables().set(kCharacterCount, count);
        try {
            host.runCycles(1);
            ADD_FAILURE() << "no error";
        } catch (const gaugehost::HostError& error) {
            EXPECT_STREQ(error.what(),
                         "module TextOverrun gauge Overrun element 1: its text callback wrote past the 4-byte text buffer");
        }
    }
}

}  // namespace
