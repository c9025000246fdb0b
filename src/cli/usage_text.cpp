#include "cli/usage_text.h"

namespace kovrin {

std::string usageText(std::string_view program)
{
    const std::string p(program);
    return "Usage:\n"
           "  "
        + p
        + " generate FILE.kvx [-o OUT]  write the generated code for DESCRIPTION.EXT\n"
          "  "
        + p
        + " convert IN.kvx OUT.kvx     rewrite a design file in the current format\n"
          "  "
        + p
        + " check FILE.kvx             report what would break in the game or on reloading\n"
          "  "
        + p
        + " --help | --version\n"
          "\n"
          "The generated code goes to standard output unless -o names a file; it has CRLF line\n"
          "ends and the Windows-1252 code page of the design file. Numbers use \".\".\n"
          "\n"
          "Exit status: 0 done; 1 no dialogs to generate, or problems found by check;\n"
          "2 a bad argument, or a file that cannot be read or written.\n";
}

} // namespace kovrin
