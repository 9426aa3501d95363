#include <gtest/gtest.h>

#include <vector>

#include "draw_test_support.h"
#include "image/zoom.h"

namespace {

using namespace draw_test;
using ezo::viewState;

TEST(ZoomSteps, LaddersStopWhereTheThresholdsSay) {
    const struct { float start; bool zoomIn, isLarge; float fitZoom; std::vector<float> expected; } cases[] = {
        {1.0f, true, false, 0, {1.5f, 2.0f, 2.5f, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f}},
        // Near 0.4 the float lies just above the double 0.4: one more step.
        {7.0f, false, false, 0, {6.0f, 5.0f, 4.0f, 3.0f, 2.5f, 2.0f, 1.5f, 1.0f, 0.8f, 0.6f, 0.5f, 0.4f, 0.3f}},
        {0.22f, true, true, 0.22f,
         {0.32f, 0.42f, 0.52f, 0.62f, 0.82f, 1.02f, 1.52f, 2.02f, 2.52f, 3.02f, 4.02f, 5.02f, 6.02f, 7.02f}},
        {1.0f, false, true, 0.22f, {0.8f, 0.6f, 0.5f, 0.4f, 0.3f, 0.2f}},
        {0.2f, false, true, 0.1f, {0.17f, 0.14f, 0.11f, 0.08f}},  // fine steps near a small fit
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.zoomIn ? "in from " : "out from ") << c.start);
        std::vector<float> visited;
        for (float z = c.start; visited.size() < 40;) {
            const float next = c.zoomIn ? ezo::NextZoomIn(z, c.isLarge) : ezo::NextZoomOut(z, c.isLarge, c.fitZoom);
            if (next == z) break;
            visited.push_back(z = next);
        }
        ASSERT_EQ(visited.size(), c.expected.size());
        for (size_t i = 0; i < visited.size(); ++i) EXPECT_NEAR(visited[i], c.expected[i], 1e-4) << i;
    }
}

TEST(ZoomSteps, CommandsRedrawAndLeaveFitMode) {
    enum Command { In, Out, Actual, Fit };
    struct Case {
        Command command;
        float zoomBefore;
        int fitBefore;
        float zoomAfter, previousAfter;
        int fitAfter, invalidations, draws;
    };
    const Case cases[] = {
        {In, 1.0f, 1, 1.5f, 1.0f, 0, 1, 0},   {In, 7.0f, 0, 7.0f, 7.0f, 0, 1, 0},  // at the top: still redrawn
        {Out, 2.0f, 1, 1.5f, 2.0f, 0, 0, 1},  {Out, 0.3f, 0, 0.3f, 0.3f, 0, 0, 1},
        {Actual, 3.0f, 1, 1.0f, 9.0f, 0, 0, 1},
        {Fit, 3.0f, 0, 0.24f, 9.0f, 1, 0, 1},  // 1000 x 500 fits 240 x 268 at 0.24
        {Fit, 0.24f, 1, 1.0f, 9.0f, 0, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "command " << c.command << " from " << c.zoomBefore);
        FreshViewState fresh;
        RecordingBackend backend;
        viewState.currentImage = Blank(1000, 500);
        viewState.zoom = c.zoomBefore;
        viewState.previousZoom = 9.0f;
        viewState.fitToggle = c.fitBefore;
        switch (c.command) {
        case In: ezo::ZoomIn(nullptr); break;
        case Out: ezo::ZoomOut(nullptr); break;
        case Actual: ezo::ZoomActual(nullptr); break;
        case Fit: ezo::ToggleFit(nullptr); break;
        }
        EXPECT_NEAR(viewState.zoom, c.zoomAfter, 1e-6);
        EXPECT_NEAR(viewState.previousZoom, c.previousAfter, 1e-6);
        EXPECT_EQ(viewState.fitToggle, c.fitAfter);
        EXPECT_EQ(backend.invalidations, c.invalidations);
        EXPECT_EQ(backend.contextsTaken, c.draws);
    }
}

}  // namespace
