#pragma once
// The generated code must reach standard output byte for byte: CRLF already, no translation.

namespace kovrin {

// On Windows, switches standard output out of text mode; elsewhere there is nothing to do.
void useBinaryStandardOutput();

} // namespace kovrin
