#pragma once
// "Code page of the generated code", kept between runs in the per-user settings store as
// SETTINGS/CODEPAGE ("windows-1252" or "utf-8"; Windows-1252 when nothing or anything else is
// stored).

#include "model/code_page.h"

namespace kovrin {

CodeEncoding readCodeEncoding();
void writeCodeEncoding(CodeEncoding encoding);

} // namespace kovrin
