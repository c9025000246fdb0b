#pragma once
// Everything a change of the set can touch, taken at one moment so that undo and redo can be
// compared with it: names, grid steps, records, drawn controls with their stacking and element
// numbers, the window titles and the generated code.

#include "codegen/generate_code.h"
#include "shell_fixture.h"

#include <string>
#include <vector>

namespace kovrin {

struct SetPicture
{
    std::vector<std::string> names;
    std::vector<std::int16_t> numbers;
    std::vector<DialogContent> contents;
    QStringList windowTitles;
    std::string code;
    bool operator==(const SetPicture &) const = default;
};

inline SetPicture pictureOf(ShellFixture &f)
{
    SetPicture picture;
    for (std::size_t i = 0; i < f.set().count(); ++i) {
        picture.names.push_back(f.set().dialog(i).Tag);
        picture.numbers.push_back(f.set().dialog(i).FrmIndex);
        picture.contents.push_back(f.set().content(i));
    }
    picture.windowTitles = f.windowTitles();
    picture.code = generateCode(f.set());
    return picture;
}

} // namespace kovrin
