// Layer: a partition node that draws its children as a unit among its siblings, tinting them with
// its colour and alpha. Made from (x, y) or a centre point, it starts at that position.
#pragma once

#include "Vorn/core/Point.h"
#include "Vorn/scene/PartitionNode.h"

namespace Vorn {

class Layer : public PartitionNode {
public:
    explicit Layer(float x = 0.0f, float y = 0.0f);
    explicit Layer(const Point& center);

    void Emit(RenderWalk& walk) const override;
};

} // namespace Vorn
