// The row-by-row render: one row of scratch and one sorter for the whole frame.
#include "row_by_row.h"

#include <memory>
#include <new>

#include "copy_out.h"
#include "engine_options.h"
#include "line_sort.h"

namespace {

struct SorterRelease {
    void operator()(RowSorter* sorter) const { FreeRowSorter(sorter); }
};

}  // namespace

PF_Err RenderRowByRow(const FrameLayout& layout, const RenderSettings& settings, const PF_InData& in_data)
{
    const size_t width = static_cast<size_t>(layout.width);
    const std::unique_ptr<RowSorter, SorterRelease> sorter(
        MakeRowSorter(static_cast<uint32_t>(layout.width), MakeSortOptions(settings)));
    const std::unique_ptr<Pixel[]> row(new (std::nothrow) Pixel[width]);
    if (!sorter || !row) return PF_Err_OUT_OF_MEMORY;

    const PixelRows input = InputRows(layout);
    const size_t columns = static_cast<size_t>(layout.writtenColumns);
    return WriteRowsOut(layout, in_data, [&](int64_t y, Pixel* output) {
        ReorderPixels(RowAt(input.first, input.rowBytes, y), input.order, row.get(), PixelOrder::Rgba, width);
        SortRow(sorter.get(), reinterpret_cast<unsigned char*>(row.get()));
        ReorderPixels(row.get(), PixelOrder::Rgba, output, PixelOrder::Argb, columns);
    });
}
