#include "cli/standard_output.h"

#include <cstdio>
#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace kovrin {

void useBinaryStandardStreams()
{
#ifdef _WIN32
    std::cout.flush();
    std::cerr.flush();
    for (std::FILE *stream : {stdout, stderr}) {
        std::fflush(stream);
        // A program started without a console has no stream to switch.
        if (const int descriptor = _fileno(stream); descriptor >= 0)
            _setmode(descriptor, _O_BINARY);
    }
#endif
}

} // namespace kovrin
