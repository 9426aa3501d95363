#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "image/zoom.h"

namespace {

using ezo::NextZoomIn;
using ezo::NextZoomOut;

// The zooms a repeated step visits from `start` until it stops changing.
std::vector<float> Ladder(float start, const std::function<float(float)>& step) {
    std::vector<float> visited;
    float z = start;
    for (int i = 0; i < 40; ++i) {
        const float next = step(z);
        if (next == z) break;
        visited.push_back(next);
        z = next;
    }
    return visited;
}

TEST(ZoomSteps, LaddersStopWhereTheThresholdsSay) {
    struct Case {
        const char* what;
        float start;
        bool zoomIn;
        bool isLarge;
        float fitZoom;
        std::vector<float> expected;
    };
    const Case cases[] = {
        {"in from 1.0", 1.0f, true, false, 0.0f, {1.5f, 2.0f, 2.5f, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f}},
        {"out from 7.0, small picture", 7.0f, false, false, 0.0f,
         {6.0f, 5.0f, 4.0f, 3.0f, 2.5f, 2.0f, 1.5f, 1.0f, 0.8f, 0.6f, 0.5f, 0.4f, 0.3f}},
        {"in from the fit zoom 0.22, large picture", 0.22f, true, true, 0.22f,
         {0.32f, 0.42f, 0.52f, 0.62f, 0.82f, 1.02f, 1.52f, 2.02f, 2.52f, 3.02f, 4.02f, 5.02f, 6.02f,
          7.02f}},
        {"out from 1.0, large picture fitting at 0.22", 1.0f, false, true, 0.22f,
         {0.8f, 0.6f, 0.5f, 0.4f, 0.3f, 0.2f}},
        {"in from 0.1, large picture: fine steps below 0.2", 0.1f, true, true, 0.1f,
         {0.13f, 0.16f, 0.19f, 0.22f, 0.32f}},
        {"out from 0.2, large picture fitting at 0.1: fine steps", 0.2f, false, true, 0.1f,
         {0.17f, 0.14f, 0.11f, 0.08f}},
        {"in from 0.1, small picture: no fine steps", 0.1f, true, false, 0.0f, {0.2f, 0.3f, 0.4f}},
        {"out from 0.3, small picture: already at the bottom", 0.3f, false, false, 0.0f, {}},
        {"in from 7.5: past the top", 7.5f, true, false, 0.0f, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto step = [&](float z) {
            return c.zoomIn ? NextZoomIn(z, c.isLarge) : NextZoomOut(z, c.isLarge, c.fitZoom);
        };
        std::vector<float> visited = Ladder(c.start, step);
        // A short prefix is enough for the open-ended fine-step cases.
        if (c.zoomIn && visited.size() > c.expected.size() && c.start < 0.2f)
            visited.resize(c.expected.size());
        ASSERT_EQ(visited.size(), c.expected.size());
        for (size_t i = 0; i < visited.size(); ++i) EXPECT_NEAR(visited[i], c.expected[i], 1e-4) << i;
    }
}

}  // namespace
