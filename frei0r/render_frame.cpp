// The frei0r face's render: frei0r's RGBA8888 is the engine's own byte order and its
// rows have no gaps, so the output buffer serves as the render's working copy and
// the only copy made is the one from input to output that frei0r forces.
#include "render_frame.h"

#include <cstring>
#include <memory>

#include "arrange_frame.h"

void RenderFrame(const RenderSettings& settings, uint32_t width, uint32_t height, const uint32_t* input,
                 uint32_t* output)
{
    const size_t pixels = size_t{width} * height;
    if (!input || !output || pixels == 0) return;
    // The render reads the input while it writes the output, so a host that
    // renders in place gets its frame read from a copy.
    std::unique_ptr<uint32_t[]> inputCopy;
    try {
        if (input == output) {
            inputCopy.reset(new uint32_t[pixels]);
            std::memcpy(inputCopy.get(), input, pixels * sizeof(uint32_t));
            input = inputCopy.get();
        }
        const PixelRows frame{reinterpret_cast<const Pixel*>(input), int64_t{width} * 4, width, height,
                              PixelOrder::Rgba};
        if (CanArrange(frame, settings)) {
            // Every Mode leaves an RGBA input in RGBA order: nothing to convert.
            ArrangeFrame(frame, settings, reinterpret_cast<Pixel*>(output));
            return;
        }
    } catch (...) {
        // Out of memory before anything was written: the frame goes through as it is.
    }
    PassFrameThrough(width, height, input, output);
}

void PassFrameThrough(uint32_t width, uint32_t height, const uint32_t* input, uint32_t* output)
{
    if (input && output && input != output) std::memcpy(output, input, size_t{width} * height * sizeof(uint32_t));
}
