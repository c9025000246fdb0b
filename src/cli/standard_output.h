#pragma once
// The command line writes the same bytes on every platform: the generated code has its CRLF
// already, and reports and messages end their lines with a line feed as elsewhere.

namespace kovrin {

// On Windows, switches standard output and standard error out of text mode, which would turn
// each line feed into CR LF; elsewhere there is nothing to do.
void useBinaryStandardStreams();

} // namespace kovrin
