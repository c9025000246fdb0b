#pragma once
// GenerateCode: the fixed preamble followed by one class per dialog of the set. The text is
// UTF-8 with CRLF line ends; whoever writes it to a file converts it to the code page.

#include "model/dialog_set.h"

#include <string>

namespace kovrin {

void appendPreamble(std::string &out);
std::string preambleText();
std::string dialogClassesText(const DialogSet &set);
std::string generateCode(const DialogSet &set);

} // namespace kovrin
