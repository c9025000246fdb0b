#pragma once
// A dialog set with one dialog on a 12000 x 9000 twip surface, and helpers to put controls on it.

#include "model/dialog_set.h"
#include "surface/surface_ref.h"

#include <gtest/gtest.h>

#include <string>

namespace kovrin::test {

inline constexpr SurfaceSize kSurface {12000, 9000};

class SurfaceFixture : public ::testing::Test
{
protected:
    SurfaceFixture() { set.insertDialog(); }

    SurfaceRef ref() { return SurfaceRef {set, 0, kSurface}; }
    Dialog &dialog() { return const_cast<Dialog &>(set.dialog(0)); }
    SurfaceState &surface() { return set.surface(0); }

    // A control of the kind at (left, top), resized to width x height; returns its tag.
    std::string addControl(ControlKind kind, double left, double top, double width, double height)
    {
        const auto index = set.createControl(0, kind, left, top, kSurface);
        EXPECT_TRUE(index);
        const std::string tag = set.dialog(0).cControls.at(*index).Tag;
        surface().findByTag(tag)->setRect({left, top, width, height});
        return tag;
    }
    const DrawnControl &drawn(const std::string &tag) { return *surface().findByTag(tag); }
    const ControlRecord &record(const std::string &tag)
    {
        return set.dialog(0).cControls.at(*set.dialog(0).recordIndexByTag(tag));
    }
    std::string names()
    {
        std::string out;
        for (const auto &r : set.dialog(0).cControls)
            out += (out.empty() ? "" : ",") + r.Name;
        return out;
    }
    // The drawn controls back to front, by the names of their records.
    std::string drawnNames()
    {
        std::string out;
        for (const auto &d : surface().stackingOrder())
            out += (out.empty() ? "" : ",") + record(d.tag).Name;
        return out;
    }

    DialogSet set;
};

} // namespace kovrin::test
