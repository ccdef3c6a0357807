// Checks the input and output worlds and sizes the render from them.
#include "frame_layout.h"

#include <algorithm>

namespace {

bool IsWalkable(const PF_LayerDef& world)
{
    if (world.width < 0 || world.height < 0) return false;
    if (int64_t{world.rowbytes} < 4 * int64_t{world.width}) return false;
    return world.data || world.width == 0 || world.height == 0;
}

}  // namespace

bool ReadFrameLayout(const PF_LayerDef* input, PF_LayerDef* output, FrameLayout* layout)
{
    if (!input || !output || !IsWalkable(*input) || !IsWalkable(*output)) return false;
    layout->input = input;
    layout->output = output;
    layout->width = input->width;
    layout->height = input->height;
    layout->writtenColumns = std::min(input->width, output->width);
    layout->writtenRows = std::min(input->height, output->height);
    return true;
}

PixelRows InputRows(const FrameLayout& layout)
{
    return PixelRows{reinterpret_cast<const Pixel*>(layout.input->data), layout.input->rowbytes, layout.width,
                     layout.height, PixelOrder::Argb};
}

Pixel* OutputRow(const FrameLayout& layout, int64_t y)
{
    const Pixel* first = reinterpret_cast<const Pixel*>(layout.output->data);
    return const_cast<Pixel*>(RowAt(first, layout.output->rowbytes, y));
}
