#include "model/view_grid_text.h"

#include "model/setting_number.h"

namespace kovrin {

bool viewGridFromText(std::string_view stored)
{
    return settingWholeNumber(stored) == 1;
}

std::string_view viewGridText(bool visible)
{
    return visible ? "1" : "0";
}

} // namespace kovrin
