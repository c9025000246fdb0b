// Prints a design file as the program's own reader sees it, one tab-separated line per dialog
// and per control, so the end-to-end run can compare what it did on screen with what was saved.
//
//   dialog   NAME  GRIDSIZE
//   control  DIALOG  NAME  CTRLTYPE  X  Y  WIDTH  HEIGHT  TEXT
//   problem  what the reader had to replace
//
// Tabs and line breaks inside texts are written as \t and \n. Exit status 2 when the file
// cannot be read.
#include "persist/design_reader.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace {

std::string escaped(const std::string &text)
{
    std::string out;
    for (char c : text) {
        if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else if (c != '\r')
            out += c;
    }
    return out;
}

std::string number(float value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(value));
    return buffer;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::cerr << "usage: design_dump FILE.kvx\n";
        return 2;
    }
    const auto design = kovrin::readDesign(argv[1], '.');
    if (!design) {
        std::cerr << argv[1] << ": " << design.message << '\n';
        return 2;
    }
    for (const kovrin::LoadedDialog &dialog : design.value->dialogs) {
        std::cout << "dialog\t" << escaped(dialog.name) << '\t' << number(dialog.gridSize) << '\n';
        for (const kovrin::ControlRecord &control : dialog.controls)
            std::cout << "control\t" << escaped(dialog.name) << '\t' << escaped(control.Name)
                      << '\t' << escaped(control.CtrlType) << '\t' << number(control.X) << '\t'
                      << number(control.Y) << '\t' << number(control.Width) << '\t'
                      << number(control.Height) << '\t' << escaped(control.Text) << '\n';
    }
    for (const std::string &problem : design.value->problems.lines())
        std::cout << "problem\t" << escaped(problem) << '\n';
    return 0;
}
