#pragma once
// Loading a design file for a subcommand exactly as the designer's Load does, with "." as the
// decimal separator; the reader's problems go to the message stream.

#include "cli/command_io.h"
#include "model/dialog_set.h"

#include <filesystem>
#include <optional>

namespace kovrin {

// The outer size of a standard dialog window in twips: the 794 x 481 px client area with its
// 4 px frame and 24 px title bar. Loading needs a size to place drawn controls; nothing the
// command line writes depends on it.
inline constexpr SurfaceSize kCommandLineSurface {(794 + 4 + 4) * kTwipsPerPixel,
                                                  (481 + 24 + 4) * kTwipsPerPixel};

// None when the file cannot be read or loaded; the message is already written.
std::optional<DialogSet> loadForCommand(const std::filesystem::path &path, const CommandIo &io);

// An output that is the input file itself (also through a link or another spelling of its
// path) is refused before anything is read or written; false after saying so.
bool outputIsNotInput(const std::filesystem::path &input, const std::filesystem::path &output,
                      const CommandIo &io);

} // namespace kovrin
