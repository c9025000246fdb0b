#pragma once
// View > "Reference screen", kept between runs in the per-user settings store as
// SETTINGS/REFERENCESCREEN in its stored form ("16:9 normal"); what is missing or unknown reads
// as the default (16:9, Normal).

#include "model/reference_screen.h"

namespace kovrin {

ReferenceScreen readReferenceScreen();
void writeReferenceScreen(const ReferenceScreen &screen);

} // namespace kovrin
