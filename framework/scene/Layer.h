// Layer: a partition node that draws its children as a unit among its siblings, tinting them with
// its colour and alpha and clipping them to its clipper's region (an empty clipper, or none,
// clips nothing). Made from (x, y) or a centre point, it starts at that position.
#pragma once

#include "Vorn/core/Point.h"
#include "Vorn/core/Ref.h"
#include "Vorn/draw/Clipper.h"
#include "Vorn/render/TextureCache.h"
#include "Vorn/scene/PartitionNode.h"

namespace Vorn {

class Layer : public PartitionNode {
public:
    explicit Layer(float x = 0.0f, float y = 0.0f);
    explicit Layer(const Point& center);

    // Keeps a counted reference to the clipper (null: no clipping).
    void SetClipper(Clipper* clipper);
    Clipper* GetClipper() const { return clipper_.Get(); }
    // Where the renderer notes the clipper's mask texture.
    CacheMemo& ClipperMemo() const { return memo_; }

    void Emit(RenderWalk& walk) const override;

private:
    Ref<Clipper> clipper_;
    mutable CacheMemo memo_;
};

} // namespace Vorn
