// The renderer as a unit, on a recording device: one draw per run of texture and blend mode, the
// depth order, culling before rasterising, hidden items dropped, clipping by rectangle, and
// textures rasterised at the scale content appears at and uploaded again when the device lost them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "RecordingVideo.h"
#include "Vorn/draw/Canvas.h"
#include "Vorn/render/Renderer.h"
#include "Vorn/scene/Layer.h"
#include "Vorn/scene/Sprite.h"

namespace {

using Vorn::Ref;
using Vorn::Sprite;

Ref<Vorn::Canvas> SquareCanvas(float side, float alpha = 1.0f)
{
    Ref<Vorn::Canvas> canvas(new Vorn::Canvas(nullptr));
    canvas->fill_alpha = alpha;
    canvas->Rectangle(side, side);
    canvas->Fill();
    return canvas;
}

Ref<Sprite> Show(Vorn::Canvas* canvas, float x, float y)
{
    Ref<Sprite> sprite(new Sprite());
    sprite->SetCanvas(canvas);
    sprite->SetPosition(x, y);
    return sprite;
}

class RendererTest : public ::testing::Test {
protected:
    // One 640x480 frame of the roots.
    void Frame(std::initializer_list<Vorn::SceneNode*> roots)
    {
        video.Forget();
        renderer.PushFrustum(Vorn::AABB(0, 0, 320, 240));
        for (Vorn::SceneNode* root : roots)
            root->Draw(renderer);
        renderer.Process();
        renderer.PopFrustum();
    }
    // The centre of a draw's vertices, in frame pixels.
    static Vorn::Point Centre(const rendertest::Draw& draw)
    {
        float minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxY = -1e9f;
        for (const VideoVertex& v : draw.vertices) {
            minX = std::min(minX, v.x), maxX = std::max(maxX, v.x);
            minY = std::min(minY, v.y), maxY = std::max(maxY, v.y);
        }
        return { (minX + maxX) / 2, (minY + maxY) / 2 };
    }

    rendertest::RecordingVideo video;
    Vorn::Renderer renderer { &video };
};

TEST_F(RendererTest, OneDrawPerRunOfTextureAndBlendModeInDepthOrder)
{
    const Ref<Vorn::Canvas> shared = SquareCanvas(10);
    const Ref<Vorn::Canvas> single = SquareCanvas(12);
    const Ref<Sprite> a = Show(shared.Get(), -100, 0);
    const Ref<Sprite> b = Show(shared.Get(), 0, 0);
    const Ref<Sprite> c = Show(shared.Get(), 100, 0);
    Frame({ a.Get(), b.Get(), c.Get() });
    ASSERT_EQ(video.draws.size(), 1u) << "three sprites, one texture, one blend mode";
    EXPECT_EQ(video.draws[0].vertices.size() % 3, 0u);

    b->blending = 3; // BM_ADD
    Frame({ a.Get(), b.Get(), c.Get() });
    ASSERT_EQ(video.draws.size(), 3u);
    EXPECT_EQ(video.draws[1].blend, kVideoBlendAdd);
    EXPECT_EQ(video.draws[0].blend, kVideoBlendNormal);

    // Larger depth is farther back: drawn first; equal depths keep their order.
    const Ref<Sprite> back = Show(single.Get(), 0, 100);
    back->depth = 5;
    b->blending = 5; // past BM_SUBTRACT: unknown, drawn as BM_NONE
    Frame({ a.Get(), b.Get(), back.Get(), c.Get() });
    ASSERT_EQ(video.draws.size(), 2u);
    EXPECT_NEAR(Centre(video.draws[0]).y, 140, 0.5f) << "the deeper sprite comes first";
    EXPECT_EQ(video.draws[1].blend, kVideoBlendNormal);
}

TEST_F(RendererTest, ContentOutsideTheFrameIsNeitherRasterisedNorDrawn)
{
    const Ref<Vorn::Canvas> canvas = SquareCanvas(10);
    const Ref<Sprite> away = Show(canvas.Get(), 400, 0);
    Frame({ away.Get() });
    EXPECT_TRUE(video.draws.empty());
    EXPECT_EQ(renderer.Textures().Rasterizations(), 0u);
    away->SetPosition(316, 0); // half in
    Frame({ away.Get() });
    EXPECT_EQ(video.draws.size(), 1u);
}

TEST_F(RendererTest, ItemsHiddenUnderOpaqueOnesAreDropped)
{
    // Six opaque 400 squares stacked at the centre: together they cover the frame more than three
    // times over, so hidden items are looked for.
    const Ref<Vorn::Canvas> big = SquareCanvas(400);
    const Ref<Vorn::Canvas> small = SquareCanvas(20);
    const Ref<Vorn::Canvas> glass = SquareCanvas(400, 0.5f);
    const Ref<Sprite> under = Show(small.Get(), 0, 0);
    std::vector<Ref<Sprite>> covers;
    for (int i = 0; i < 6; ++i)
        covers.push_back(Show(big.Get(), 0, 0));
    auto frame = [&] {
        video.Forget();
        renderer.PushFrustum(Vorn::AABB(0, 0, 320, 240));
        under->Draw(renderer);
        for (const Ref<Sprite>& cover : covers)
            cover->Draw(renderer);
        renderer.Process();
        renderer.PopFrustum();
    };
    frame();
    // Equal covers do not hide each other: a cover's edge pixels are not sure to come out opaque.
    EXPECT_EQ(renderer.Stats().hidden, 1u) << "the small square lies under the covers";
    EXPECT_EQ(renderer.Stats().items, 7u);

    under->SetPosition(195, 0); // sticks out of the covers
    frame();
    EXPECT_EQ(renderer.Stats().hidden, 0u);

    under->SetPosition(0, 0);
    for (const Ref<Sprite>& cover : covers)
        cover->SetCanvas(glass.Get());
    frame();
    EXPECT_EQ(renderer.Stats().hidden, 0u) << "translucent content hides nothing";

    covers.resize(2); // covering the frame less than three times: not looked for
    for (const Ref<Sprite>& cover : covers)
        cover->SetCanvas(big.Get());
    frame();
    EXPECT_EQ(renderer.Stats().hidden, 0u);
}

// What clipping and views look like is checked on captured frames (tests/scene); here, which
// way the device is asked to clip.
TEST_F(RendererTest, ALayerClipsToARectangleWithTheClipRectAndAnEmptyClipperClipsNothing)
{
    const Ref<Vorn::Canvas> canvas = SquareCanvas(300);
    const Ref<Sprite> sprite = Show(canvas.Get(), 0, 0);
    const Ref<Vorn::Layer> layer(new Vorn::Layer(10, 0));
    const Ref<Vorn::Clipper> clipper(new Vorn::Clipper(nullptr));
    layer->SetClipper(clipper.Get());
    layer->AddChild(sprite.Get());
    clipper->Rectangle(100, 60);
    clipper->Fill();
    Frame({ layer.Get() });
    ASSERT_EQ(video.calls.size(), 3u);
    EXPECT_EQ(video.calls[0], "clip 280 210 100 60");
    clipper->Clear();
    Frame({ layer.Get() });
    EXPECT_EQ(video.calls.size(), 1u);
}

TEST_F(RendererTest, ContentIsRasterisedAtItsOnScreenScaleAndAgainOnlyWhenThatOrItChanges)
{
    const Ref<Vorn::Canvas> canvas = SquareCanvas(10);
    const Ref<Sprite> sprite = Show(canvas.Get(), 0, 0);
    Frame({ sprite.Get() });
    EXPECT_EQ(renderer.Textures().Rasterizations(), 1u);
    Frame({ sprite.Get() });
    sprite->ChangeScale(1.1f, 1.1f); // within three quarters of a step of 1
    Frame({ sprite.Get() });
    EXPECT_EQ(renderer.Textures().Rasterizations(), 1u);

    sprite->ChangeScale(4, 4);
    Frame({ sprite.Get() });
    EXPECT_EQ(renderer.Textures().Rasterizations(), 2u);
    ASSERT_EQ(video.draws.size(), 1u);
    const uint32_t width = video.TextureWidth(video.draws[0].texture);
    EXPECT_GE(width, 40u) << "10 units at 4.4 times are about 44 pixels wide";

    canvas->Ellipse(6, 6);
    canvas->Fill();
    Frame({ sprite.Get() });
    EXPECT_EQ(renderer.Textures().Rasterizations(), 3u);

    const int uploads = video.uploads;
    ++video.generation; // the device lost its textures
    Frame({ sprite.Get() });
    EXPECT_EQ(video.uploads, uploads + 1);
}

} // namespace
