#include <gtest/gtest.h>

#include "draw_test_support.h"
#include "image/view_state.h"
#include "image/zoom.h"

namespace {

using draw_test::FreshViewState;
using draw_test::RecordingBackend;
using ezo::viewState;

TEST(ZoomCommands, StepRedrawAndFitBookkeeping) {
    enum Command { In, Out, Actual, Fit };
    struct Case {
        const char* what;
        Command command;
        float zoomBefore;
        int fitBefore;
        float zoomAfter;
        float previousAfter;
        int fitAfter;
        int invalidations;
        int draws;
    };
    const Case cases[] = {
        {"zoom in invalidates", In, 1.0f, 1, 1.5f, 1.0f, 0, 1, 0},
        {"zoom in at the top still redraws", In, 7.0f, 0, 7.0f, 7.0f, 0, 1, 0},
        {"zoom out draws at once", Out, 2.0f, 1, 1.5f, 2.0f, 0, 0, 1},
        {"zoom out at the bottom still redraws", Out, 0.3f, 0, 0.3f, 0.3f, 0, 0, 1},
        {"actual size leaves fit mode", Actual, 3.0f, 1, 1.0f, 9.0f, 0, 0, 1},
        // A 1000 x 500 picture fits a 240 x 268 window at 0.24.
        {"fit on", Fit, 3.0f, 0, 0.24f, 9.0f, 1, 0, 1},
        {"fit off", Fit, 0.24f, 1, 1.0f, 9.0f, 0, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FreshViewState fresh;
        RecordingBackend backend;
        viewState.currentImage = draw_test::MakeBlankPicture(1000, 500, 24);
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
        EXPECT_EQ(backend.contextsOut, 0);
    }
}

}  // namespace
