// Fuzz target: Render through EntryPointFunc with any world geometry and any
// parameter values, every host buffer framed by guard bytes.
//
// Input: for the input world, then the output world, a shape (width, height, row
// gap in bytes, all from -7 upwards so that negative sizes and rowbytes below four
// bytes a pixel occur, and whether data is null); the progress call that stops the
// render; Mode, Orientation, Comparator, Threshold (any value); then the input's
// pixels. Checked: a world that cannot be walked is refused with an error and
// nothing is written; otherwise the input world is left byte for byte, no byte
// outside the output's written rows and columns changes (guards, gaps, the columns
// and rows the input does not cover, the rows after a stop), progress counts up
// from 2, and every written pixel is an input pixel, each used at most once, all
// of them when the two worlds match and the render ran to its end.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "fake_host.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "guarded_world.h"
#include "parameters.h"
#include "render_params.h"
#include "send_render.h"

namespace {

constexpr PF_Err StopCode = PF_Interrupt_CANCEL;

WorldShape TakeShape(FuzzInput& input)
{
    const int32_t width = input.InRange(-7, 64);
    const int32_t height = input.InRange(-7, 64);
    const int32_t gapBytes = input.InRange(-7, 40);
    return WorldShape{width, height, gapBytes, input.Byte() % 8 == 0};
}

void FillPixels(GuardedWorld& world, const WorldShape& shape, FuzzInput& input)
{
    if (!shape.Walkable() || shape.nullData) return;
    const std::vector<unsigned char> pixels = input.Bytes(4 * size_t(shape.width) * size_t(shape.height));
    for (int32_t y = 0; y < shape.height; ++y) {
        std::copy_n(pixels.begin() + 4 * int64_t{y} * shape.width, 4 * shape.width, world.PixelBytes(0, y));
    }
}

// Reports 2 of rows, 3 of rows, ... up to the stop, or to the end.
void CheckProgress(const FakeHost& host, int64_t rows, int64_t expectedCalls)
{
    FUZZ_CHECK(static_cast<int64_t>(host.progressCalls.size()) == expectedCalls);
    for (size_t call = 0; call < host.progressCalls.size(); ++call) {
        FUZZ_CHECK(host.progressCalls[call].first == static_cast<A_long>(call + 2));
        FUZZ_CHECK(host.progressCalls[call].second == rows);
    }
}

// Every written pixel is an input pixel, each used at most once; with matching
// worlds and a finished render, every input pixel is used.
void CheckWrittenPixels(GuardedWorld& input, const WorldShape& inputShape, GuardedWorld& output, int64_t columns,
                        int64_t rows, bool wholeFrame)
{
    const std::vector<uint32_t> source = PixelMultiset(input.Pixels(inputShape.width, inputShape.height));
    const std::vector<uint32_t> written = PixelMultiset(output.Pixels(columns, rows));
    FUZZ_CHECK(std::includes(source.begin(), source.end(), written.begin(), written.end()));
    if (wholeFrame) FUZZ_CHECK(written == source);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const WorldShape inputShape = TakeShape(input);
    const WorldShape outputShape = TakeShape(input);
    const uint8_t stopByte = input.Byte();
    FakeHost host;
    host.stopAtProgressCall = stopByte < 64 ? stopByte : -1;
    host.stopCode = StopCode;

    const EffectSettings values{input.Int32(), input.Int32(), input.Int32(), input.Int32()};
    GuardedWorld source(inputShape);
    GuardedWorld output(outputShape);
    FillPixels(source, inputShape, input);
    const std::vector<unsigned char> sourceBefore = source.Bytes();

    const PF_Err result = SendRender(host, source.layer, output.layer, values);
    FUZZ_CHECK(source.Bytes() == sourceBefore);
    if (!inputShape.Walkable() || !outputShape.Walkable()) {
        FUZZ_CHECK(result == PF_Err_BAD_CALLBACK_PARAM);
        FUZZ_CHECK(output.UntouchedOutside(0, 0));
        FUZZ_CHECK(host.progressCalls.empty());
        return 0;
    }
    const int64_t columns = std::min(inputShape.width, outputShape.width);
    const int64_t rows = std::min(inputShape.height, outputShape.height);
    const bool stopped = columns > 0 && rows > 1 && host.stopAtProgressCall >= 0 && host.stopAtProgressCall < rows - 1;
    FUZZ_CHECK(result == (stopped ? StopCode : PF_Err_NONE));
    const int64_t rowsWritten = stopped ? host.stopAtProgressCall + 2 : rows;
    FUZZ_CHECK(output.UntouchedOutside(columns, columns > 0 ? rowsWritten : 0));
    CheckProgress(host, rows, columns > 0 && rows > 1 ? rowsWritten - 1 : 0);
    if (columns == 0) return 0;
    const bool sameSize = inputShape.width == outputShape.width && inputShape.height == outputShape.height;
    CheckWrittenPixels(source, inputShape, output, columns, rowsWritten, sameSize && !stopped);
    return 0;
}
