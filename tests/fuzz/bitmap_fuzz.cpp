// The bitmap decoder on any bytes, as a resource's DIB and as a .bmp file: a malformed picture is a
// HostError, never a read outside the bytes.
#include <cstddef>
#include <cstdint>
#include <span>

#include "bitmap.h"
#include "host_error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    for (auto decode : {&gaugehost::decodeDib, &gaugehost::decodeBmpFile}) {
        try {
            const gaugehost::Bitmap bitmap = decode(bytes);
            if (bitmap.pixels.size() != static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height)) {
                __builtin_trap();  // a decoded picture holds exactly its pixels
            }
        } catch (const gaugehost::HostError&) {
        }
    }
    return 0;
}
