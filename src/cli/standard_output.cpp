#include "cli/standard_output.h"

#include <cstdio>
#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace kovrin {

void useBinaryStandardOutput()
{
#ifdef _WIN32
    std::cout.flush();
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

} // namespace kovrin
