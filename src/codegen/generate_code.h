#pragma once
// GenerateCode: the fixed preamble, the game's classes the controls derive from, the group base
// and the newer kinds' bases a design uses, then one class per dialog of the set. The text is
// UTF-8 with CRLF line ends; whoever writes it to a file converts it to the code page, best as it
// is made (writeCode into a EncodingSink), so the whole code is never held as UTF-8.

#include "codegen/code_out.h"
#include "model/dialog_set.h"

#include <cstddef>
#include <string>

namespace kovrin {

void appendPreamble(CodeOut &out);
std::string preambleText();
std::string dialogClassesText(const DialogSet &set);
std::string generateCode(const DialogSet &set);
// The same code handed to the sink piece by piece as it is made.
void writeCode(const DialogSet &set, CodeSink &sink);
// Room for the whole code at once, in bytes of UTF-8: a little more than it takes.
std::size_t expectedSize(const DialogSet &set);

} // namespace kovrin
