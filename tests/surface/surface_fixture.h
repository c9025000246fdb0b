#pragma once
// A dialog set with one dialog on a 12000 x 9000 twip surface, and helpers to put controls on it.

#include "model/dialog_set.h"
#include "surface/move_limits.h"
#include "surface/surface_ref.h"

#include <gtest/gtest.h>

#include <string>

namespace kovrin::test {

inline constexpr SurfaceSize kSurface {12000, 9000};

class SurfaceFixture : public ::testing::Test
{
protected:
    SurfaceFixture() { set.insertDialog(); }

    SurfaceRef ref() { return SurfaceRef {set, 0, kSurface, interaction}; }
    const Dialog &dialog() { return set.dialog(0); }
    const DrawnControls &drawnControls() { return set.drawnControls(0); }
    // A drawn control put somewhere else, its record following as a drag would leave it.
    void placeDrawn(const std::string &tag, const TwipRect &rect)
    {
        set.setControlGeometry(0, tag, rect, placeOf(rect, kSurface, true));
    }
    // A record changed as the property editor writes one.
    template<typename Edit> void editRecord(std::size_t index, Edit edit)
    {
        ControlRecord record = set.dialog(0).cControls.at(index);
        edit(record);
        set.writeRecord(0, index, std::move(record));
    }
    template<typename Edit> void editLastRecord(Edit edit)
    {
        editRecord(set.dialog(0).cControls.size() - 1, edit);
    }
    // A kind's element counter set, as a design that used them up would have it.
    void setElementCounter(ControlKind kind, std::int16_t next)
    {
        DialogContent content = set.content(0);
        content.drawn.lastElement[kindIndex(kind)] = next;
        set.restoreContent(0, std::move(content));
    }

    // A control of the kind at (left, top), resized to width x height; returns its tag.
    std::string addControl(ControlKind kind, double left, double top, double width, double height)
    {
        const auto index = set.createControl(0, kind, left, top, kSurface);
        EXPECT_TRUE(index);
        const std::string tag = set.dialog(0).cControls.at(*index).Tag;
        placeDrawn(tag, {left, top, width, height});
        return tag;
    }
    const DrawnControl &drawn(const std::string &tag) { return *drawnControls().findByTag(tag); }
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
        for (const auto &d : drawnControls().stackingOrder())
            out += (out.empty() ? "" : ",") + record(d.tag).Name;
        return out;
    }

    DialogSet set;
    SurfaceInteraction interaction;
};

} // namespace kovrin::test
