// Layers as units: what a partition finds for a box against every child checked by hand, the
// order children draw in, the rebuild refiling only what changed (moves and canvas content), the
// release of children held by a layer, and the box around a transformed box, as culling uses it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "Vorn/core/Affine.h"
#include "Vorn/core/Ref.h"
#include "Vorn/draw/Canvas.h"
#include "Vorn/scene/Layer.h"
#include "Vorn/scene/NodeManager.h"
#include "Vorn/scene/Sprite.h"

namespace {

using Vorn::AABB;
using Vorn::Affine;
using Vorn::Point;
using Vorn::Ref;
using Vorn::Sprite;

// A sprite showing a filled square of `side` centred on its origin, at (x, y).
Ref<Sprite> Square(float x, float y, float side)
{
    Ref<Sprite> sprite(new Sprite());
    const Ref<Vorn::Canvas> canvas(new Vorn::Canvas(nullptr));
    canvas->Rectangle(side, side);
    canvas->Fill();
    sprite->SetCanvas(canvas.Get());
    sprite->SetPosition(x, y);
    Vorn::NODE_MANAGER.Rebuild(); // its bounds are known when it joins a layer
    return sprite;
}

std::vector<Vorn::SceneNode*> Found(const Vorn::Layer& layer, const AABB& box)
{
    std::vector<Vorn::SceneNode*> found;
    layer.VisibleChildren(box, found);
    return found;
}

TEST(Partition, FindsExactlyTheChildrenMeetingABoxInDrawingOrder)
{
    const Ref<Vorn::Layer> layer(new Vorn::Layer());
    std::vector<Ref<Sprite>> sprites;
    std::mt19937 random(7);
    std::uniform_real_distribution<float> place(-3000.0f, 3000.0f);
    std::uniform_real_distribution<float> size(1.0f, 600.0f);
    for (int i = 0; i < 400; ++i) {
        sprites.push_back(Square(place(random), place(random), size(random)));
        sprites.back()->depth = static_cast<float>(i % 3);
        layer->AddChild(sprites.back().Get());
    }
    Vorn::NODE_MANAGER.Rebuild();
    for (const AABB& box : { AABB(0, 0, 400, 300), AABB(-2500, 1000, 50, 900), AABB(0, 0, 4000, 4000) }) {
        const auto found = Found(*layer, box);
        size_t expected = 0;
        for (const Ref<Sprite>& sprite : sprites)
            expected += sprite->Bounds().Intersects(box) ? 1 : 0;
        EXPECT_EQ(found.size(), expected);
        for (const Vorn::SceneNode* node : found)
            EXPECT_TRUE(node->Bounds().Intersects(box));
        // Farther back first; equal depths keep the order they were added in.
        for (size_t i = 1; i < found.size(); ++i) {
            ASSERT_GE(found[i - 1]->depth, found[i]->depth);
            if (found[i - 1]->depth == found[i]->depth) {
                const auto before = std::find_if(sprites.begin(), sprites.end(),
                    [&](const Ref<Sprite>& s) { return s.Get() == found[i - 1]; });
                const auto after = std::find_if(sprites.begin(), sprites.end(),
                    [&](const Ref<Sprite>& s) { return s.Get() == found[i]; });
                ASSERT_LT(before, after);
            }
        }
    }
}

TEST(Partition, AddingAChildAgainMovesItToTheEndAndHiddenChildrenAreLeftOut)
{
    const Ref<Vorn::Layer> layer(new Vorn::Layer());
    const Ref<Sprite> a = Square(0, 0, 10);
    const Ref<Sprite> b = Square(0, 0, 10);
    layer->AddChild(a.Get());
    layer->AddChild(b.Get());
    layer->AddChild(a.Get());
    Vorn::NODE_MANAGER.Rebuild();
    const AABB box(0, 0, 100, 100);
    EXPECT_EQ(Found(*layer, box), (std::vector<Vorn::SceneNode*> { b.Get(), a.Get() }));
    EXPECT_EQ(layer->ChildCount(), 2u);
    b->visible = false;
    EXPECT_EQ(Found(*layer, box), (std::vector<Vorn::SceneNode*> { a.Get() }));
}

TEST(Partition, TheRebuildRefilesMovedChildrenAndChildrenWhoseCanvasChanged)
{
    const Ref<Vorn::Layer> layer(new Vorn::Layer());
    const Ref<Sprite> moved = Square(0, 0, 10);
    const Ref<Sprite> grown = Square(2000, 0, 10);
    layer->AddChild(moved.Get());
    layer->AddChild(grown.Get());
    Vorn::NODE_MANAGER.Rebuild();
    EXPECT_EQ(Vorn::NODE_MANAGER.Pending(), 0u);
    const AABB near(0, 0, 20, 20);
    const AABB far(1000, 1000, 20, 20);
    ASSERT_EQ(Found(*layer, near).size(), 1u);

    moved->SetPosition(1000, 1000);
    EXPECT_EQ(Vorn::NODE_MANAGER.Pending(), 1u) << "only the changed node waits for the rebuild";
    Vorn::NODE_MANAGER.Rebuild();
    EXPECT_TRUE(Found(*layer, near).empty());
    EXPECT_EQ(Found(*layer, far), (std::vector<Vorn::SceneNode*> { moved.Get() }));

    // Content drawn later, reaching into the box: found after the next rebuild.
    grown->GetCanvas()->MoveTo(-2000, 0);
    grown->GetCanvas()->Rectangle(40, 40);
    grown->GetCanvas()->Fill();
    Vorn::NODE_MANAGER.Rebuild();
    EXPECT_EQ(Found(*layer, near), (std::vector<Vorn::SceneNode*> { grown.Get() }));
}

TEST(Partition, ALayerReleasesTheChildrenItHolds)
{
    const long before = Vorn::Node::LiveCount();
    {
        const Ref<Vorn::Layer> top(new Vorn::Layer());
        const Ref<Vorn::Layer> middle(new Vorn::Layer());
        ASSERT_TRUE(top->AddChild(middle.Get()));
        ASSERT_TRUE(middle->AddChild(new Sprite())); // held only by the layer from here on
        Vorn::NODE_MANAGER.Rebuild();
    }
    EXPECT_EQ(Vorn::Node::LiveCount(), before) << "the layers released their children";
}

// The box around a transformed box, as culling uses it.
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

} // namespace
