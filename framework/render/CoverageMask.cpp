// CoverageMask: row spans of pixels, tested and set a word at a time.
#include "Vorn/render/CoverageMask.h"

#include <algorithm>
#include <cmath>

#include "Vorn/render/ConvexSpan.h"

namespace Vorn {

namespace {

// The bits [from, to) of one 64-bit word.
uint64_t Bits(int32_t from, int32_t to)
{
    const uint64_t high = to >= 64 ? ~uint64_t { 0 } : ((uint64_t { 1 } << to) - 1);
    const uint64_t low = (uint64_t { 1 } << from) - 1;
    return high & ~low;
}

} // namespace

void CoverageMask::Reset(uint32_t width, uint32_t height)
{
    width_ = static_cast<int32_t>(width);
    height_ = static_cast<int32_t>(height);
    words_ = (width + 63) / 64;
    bits_.assign(static_cast<std::size_t>(words_) * height, 0);
    empty_ = true;
}

void CoverageMask::Clear()
{
    if (!empty_)
        std::fill(bits_.begin(), bits_.end(), 0);
    empty_ = true;
}

bool CoverageMask::RowCovered(int32_t row, int32_t from, int32_t to) const
{
    const uint64_t* words = bits_.data() + static_cast<std::size_t>(row) * words_;
    for (int32_t word = from / 64; word <= (to - 1) / 64; ++word) {
        const uint64_t want = Bits(std::max(from - word * 64, 0), std::min(to - word * 64, 64));
        if ((words[word] & want) != want)
            return false;
    }
    return true;
}

void CoverageMask::CoverRow(int32_t row, int32_t from, int32_t to)
{
    uint64_t* words = bits_.data() + static_cast<std::size_t>(row) * words_;
    for (int32_t word = from / 64; word <= (to - 1) / 64; ++word)
        words[word] |= Bits(std::max(from - word * 64, 0), std::min(to - word * 64, 64));
}

bool CoverageMask::Covers(const Point* polygon, uint32_t count) const
{
    if (empty_ || count < 3)
        return false;
    ConvexRows rows(polygon, count);
    const auto first = static_cast<int32_t>(std::max(0.0f, std::floor(std::max(rows.Top(), -1.0e9f))));
    const auto last = static_cast<int32_t>(
        std::min(static_cast<float>(height_), std::ceil(std::min(rows.Bottom(), 1.0e9f))));
    for (int32_t row = first; row < last; ++row) {
        float left = 0.0f, right = 0.0f, innerLeft = 0.0f, innerRight = 0.0f;
        if (!rows.Band(static_cast<float>(row), left, right, innerLeft, innerRight))
            continue;
        const auto from = static_cast<int32_t>(std::max(0.0f, std::floor(left)));
        const auto to = static_cast<int32_t>(std::min(static_cast<float>(width_), std::ceil(right)));
        if (from < to && !RowCovered(row, from, to))
            return false;
    }
    return true;
}

void CoverageMask::Add(const Point* polygon, uint32_t count)
{
    if (count < 3)
        return;
    ConvexRows rows(polygon, count);
    const auto first = static_cast<int32_t>(std::max(0.0f, std::floor(std::max(rows.Top(), -1.0e9f))));
    const auto last = static_cast<int32_t>(
        std::min(static_cast<float>(height_), std::ceil(std::min(rows.Bottom(), 1.0e9f))));
    for (int32_t row = first; row < last; ++row) {
        float outerLeft = 0.0f, outerRight = 0.0f, left = 0.0f, right = 0.0f;
        if (!rows.Band(static_cast<float>(row), outerLeft, outerRight, left, right))
            continue;
        const auto from = static_cast<int32_t>(std::max(0.0f, std::ceil(left)));
        const auto to = static_cast<int32_t>(std::min(static_cast<float>(width_), std::floor(right)));
        if (from < to) {
            CoverRow(row, from, to);
            empty_ = false;
        }
    }
}

} // namespace Vorn
