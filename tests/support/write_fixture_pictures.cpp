// Writes the plain pictures of the bench fixture module beside it, as the native loader reads them.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/fixtures/bench_fixture.h"
#include "tools/picturegen/bitmap_writer.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_fixture_pictures <folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (auto [id, width, height] : bench_fixture::kPictures) {
        picturegen::PixelImage image{.width = width, .height = height,
                                     .pixels = std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, 0x808080)};
        const auto bytes = picturegen::encodeBmp(image, 8);
        std::ofstream out(folder / picturegen::bitmapFileName(id), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "write_fixture_pictures: cannot write into %s\n", folder.string().c_str());
            return 1;
        }
    }
    return 0;
}
