#include "model/number_text.h"
#include "surface/status_text.h"

#include <gtest/gtest.h>

using namespace kovrin;

namespace {

TEST(StatusText, FractionsHaveFiveDecimalsInTheUsersSeparator)
{
    struct Case
    {
        double value;
        char separator;
        const char *text;
    };
    const Case cases[] = {
        {0.25, '.', "0.25000"},      {1.0 / 3, ',', "0,33333"}, {0.999996, '.', "1.00000"},
        {-0.000001, '.', "0.00000"}, {-0.5, '.', "-0.50000"},   {1.5, '.', "1.50000"},
    };
    for (const Case &k : cases)
        EXPECT_EQ(fixedText(k.value, 5, k.separator), k.text) << k.value;

    EXPECT_EQ(pointerStatusText(3000, 4500, {12000, 9000}, ','), "0,25000, 0,50000");
}

TEST(StatusText, ControlShowsTheGivenPlaceAndTheRecordsOwnSize)
{
    ControlRecord r;
    r.Name = "BUTTON1";
    r.CtrlType = "BUTTON";
    r.Width = 0.2f;
    r.Height = 0.04f;
    EXPECT_EQ(controlStatusText(r, {0.25f, 0.1f, std::nullopt, std::nullopt}, '.'),
              "BUTTON1 (BUTTON)  X 0.25000  Y 0.10000  Width 0.20000  Height 0.04000");
    EXPECT_EQ(controlStatusText(r, {0, 0, 0.5f, 0.125f}, '.'),
              "BUTTON1 (BUTTON)  X 0.00000  Y 0.00000  Width 0.50000  Height 0.12500");
}

} // namespace
