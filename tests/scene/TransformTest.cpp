// Transforms as units: composing and inverting affine transforms, boxes around transformed boxes,
// and world transforms that stay current through chains of layers and moves between them.
#include <gtest/gtest.h>

#include <cmath>

#include "Vorn/core/AABB.h"
#include "Vorn/core/Affine.h"
#include "Vorn/core/Ref.h"
#include "Vorn/scene/Layer.h"
#include "Vorn/scene/NodeManager.h"
#include "Vorn/scene/Sprite.h"

namespace {

using Vorn::Affine;
using Vorn::Point;

void ExpectPoint(Point actual, float x, float y)
{
    EXPECT_NEAR(actual.x, x, 1e-4f);
    EXPECT_NEAR(actual.y, y, 1e-4f);
}

TEST(Affine, ComposingAppliesTheInnerTransformFirst)
{
    const Affine a = Affine::Compose({ 3, -2 }, 0.7f, { 0.3f, -0.2f }, { 2, 0.5f });
    const Affine b = Affine::Compose({ -1, 4 }, -1.1f, { 0, 0.6f }, { 1.5f, 3 });
    const Point p { 0.25f, -7 };
    const Point composed = (a * b).Apply(p);
    const Point stepwise = a.Apply(b.Apply(p));
    ExpectPoint(composed, stepwise.x, stepwise.y);
}

TEST(Affine, InvertingUndoesAndRefusesACollapsedTransform)
{
    const Affine t = Affine::Compose({ 5, 6 }, 2.0f, { 0.5f, 0 }, { 3, -2 });
    Affine inverse;
    ASSERT_TRUE(t.Invert(inverse));
    ExpectPoint(inverse.Apply(t.Apply({ 1.5f, -4 })), 1.5f, -4);
    Affine untouched;
    untouched.tx = 42;
    EXPECT_FALSE(Affine::Compose({ 1, 1 }, 0.3f, {}, { 0, 1 }).Invert(untouched));
    EXPECT_EQ(untouched.tx, 42.0f);
}

TEST(AABB, TheBoxOfATransformedBoxHoldsEveryCorner)
{
    const Vorn::AABB box(2, -1, 3, 0.5f);
    const Affine t = Affine::Compose({ -4, 9 }, 0.9f, { 0.4f, 0 }, { 1.5f, 2 });
    const Vorn::AABB moved = box.Transformed(t);
    float minX = INFINITY, maxX = -INFINITY, minY = INFINITY, maxY = -INFINITY;
    for (float x : { box.MinX(), box.MaxX() })
        for (float y : { box.MinY(), box.MaxY() }) {
            const Point corner = t.Apply({ x, y });
            minX = std::min(minX, corner.x), maxX = std::max(maxX, corner.x);
            minY = std::min(minY, corner.y), maxY = std::max(maxY, corner.y);
        }
    EXPECT_NEAR(moved.MinX(), minX, 1e-4f);
    EXPECT_NEAR(moved.MaxX(), maxX, 1e-4f);
    EXPECT_NEAR(moved.MinY(), minY, 1e-4f);
    EXPECT_NEAR(moved.MaxY(), maxY, 1e-4f);
}

TEST(SceneNodeTransform, WorldTransformsFollowEveryLayerAboveAtOnce)
{
    const Vorn::Ref<Vorn::Layer> outer(new Vorn::Layer(100, 0));
    const Vorn::Ref<Vorn::Layer> inner(new Vorn::Layer(0, 50));
    const Vorn::Ref<Vorn::Sprite> sprite(new Vorn::Sprite());
    auto world = [&sprite](float x, float y) {
        Point p { x, y };
        sprite->GetWorldPoint(p);
        return p;
    };
    ASSERT_TRUE(outer->AddChild(inner.Get()));
    ASSERT_TRUE(inner->AddChild(sprite.Get()));
    ExpectPoint(world(1, 0), 101, 50);
    // The grandparent changes after the grandchild's world transform was last made.
    outer->ChangeRotation(90);
    ExpectPoint(world(1, 0), 150, -1);
    inner->ChangeScale(2, 2);
    ExpectPoint(world(1, 0), 150, -2);
    // Moved to the top, then under another layer.
    inner->RemoveChild(sprite.Get());
    ExpectPoint(world(1, 0), 1, 0);
    ASSERT_TRUE(outer->AddChild(sprite.Get()));
    ExpectPoint(world(1, 0), 100, -1);
    float x = 100, y = -1;
    sprite->GetLocalPoint(x, y);
    EXPECT_NEAR(x, 1, 1e-4f);
    EXPECT_NEAR(y, 0, 1e-4f);
    Vorn::NODE_MANAGER.Rebuild();
}

} // namespace
