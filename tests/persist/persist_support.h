#pragma once
// Shared by the design-file tests: sets made as the editor makes them, and files line by line.

#include "model/dialog_set.h"
#include "model/problem_list.h"

#include <string>
#include <string_view>
#include <vector>

namespace kovrin::testing {

inline constexpr SurfaceSize kSurface {12000, 9000};

// The lines of a file written with CRLF, without the line ends; a trailing part with no line
// end is kept as a last line.
std::vector<std::string> crlfLines(std::string_view bytes);

// A current-format file built from its items, one per line.
std::string fileOf(const std::vector<std::string> &lines);

// Creates a control as a click would and lets the caller change its record as the editor would.
template<typename Edit>
void place(DialogSet &set, std::size_t dialog, ControlKind kind, double x, double y, Edit edit)
{
    const auto index = set.createControl(dialog, kind, x, y, kSurface);
    ControlRecord record = set.dialog(dialog).cControls.at(*index);
    edit(record);
    set.writeRecord(dialog, *index, record);
}

// The set a load of these bytes gives (the load must succeed); the reader's problems go to
// `problems` when given.
DialogSet loaded(std::string_view bytes, char separator = '.', ProblemList *problems = nullptr);

// A realistic set with every kind, scripts with quotes, a multi-line text, typed colours and
// characters of the code page: what tests/data/main_menu.kvx holds.
DialogSet mainMenuSet();

// The lines of a file, built part by part.
using Lines = std::vector<std::string>;
// A dialog header with its grid step item, end mark included.
Lines header(const std::string &dialog, const std::string &grid);
// A current-format control record of a left-aligned text, white on black: dialog name, the 36
// fields and the end mark; items can be replaced by their line number (1 is the name).
Lines control(const std::string &dialog, const std::string &name, const std::string &type = "TEXT",
              std::initializer_list<std::pair<std::size_t, std::string>> items = {});
// An older-format record: the dialog name and 35 items, no line spacing and no end mark.
Lines olderControl(const std::string &dialog, const std::string &name);
// A current-format file: the version line and the parts.
Lines current(std::initializer_list<Lines> parts);

} // namespace kovrin::testing
