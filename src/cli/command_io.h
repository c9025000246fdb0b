#pragma once
// What every subcommand writes to: its result stream, its message stream, and the program's name
// that opens each message line ("kovrin: ...").

#include "model/message_text.h"

#include <ostream>
#include <string>
#include <string_view>

namespace kovrin {

struct CommandIo
{
    std::string program;
    std::ostream &out;
    std::ostream &err;

    // One message line on the message stream; whatever it quotes cannot drive the terminal.
    void say(std::string_view message) const
    {
        err << program << ": " << escapedControls(message) << '\n';
    }
};

} // namespace kovrin
