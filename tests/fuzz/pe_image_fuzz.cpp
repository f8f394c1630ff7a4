// The PE image reader the checks of the shipped files rely on, on any bytes: a malformed image is a
// PeFormatError, never a read outside the bytes; so are the version and bitmap resources it finds.
#include <cstddef>
#include <cstdint>
#include <span>

#include "support/pe_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const petest::PeImage image = petest::readPeImage(std::span<const std::uint8_t>(data, size));
        for (const petest::Resource& resource : image.resources) {
            try {
                if (resource.type.isNumber(petest::kResourceTypeVersion)) petest::readVersionInfo(resource.data);
                if (resource.type.isNumber(petest::kResourceTypeBitmap)) petest::readDibHeader(resource.data);
            } catch (const petest::PeFormatError&) {
            }
        }
    } catch (const petest::PeFormatError&) {
    }
    return 0;
}
