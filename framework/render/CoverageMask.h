// CoverageMask: one bit per pixel of a drawing target saying that something opaque drawn later
// covers it. Items are checked from the last drawn back: an item whose every pixel is covered is
// hidden; an opaque one then covers the pixels wholly inside its opaque region. Rows are spans of
// 64-bit words, so both cost about one word per row of the polygon.
#pragma once

#include <cstdint>
#include <vector>

#include "Vorn/core/Point.h"

namespace Vorn {

class CoverageMask {
public:
    // Empties the mask for a target of width x height pixels.
    void Reset(uint32_t width, uint32_t height);
    // Empties it again (a change of clip or target).
    void Clear();
    bool Empty() const { return empty_; }
    // Whether every pixel inside the target that the convex polygon touches is covered.
    bool Covers(const Point* polygon, uint32_t count) const;
    // Covers every pixel lying wholly inside the convex polygon.
    void Add(const Point* polygon, uint32_t count);

private:
    bool RowCovered(int32_t row, int32_t from, int32_t to) const;
    void CoverRow(int32_t row, int32_t from, int32_t to);

    int32_t width_ = 0;
    int32_t height_ = 0;
    uint32_t words_ = 0; // per row
    std::vector<uint64_t> bits_;
    bool empty_ = true;
};

} // namespace Vorn
