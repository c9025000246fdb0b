#include "persist_support.h"

#include "persist/design_loader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace kovrin::testing {

std::vector<std::string> crlfLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    for (std::size_t at = 0, end = 0; at < bytes.size(); at = end + 2) {
        end = std::min(bytes.find("\r\n", at), bytes.size());
        lines.emplace_back(bytes.substr(at, end - at));
    }
    return lines;
}

DialogSet loaded(std::string_view bytes, char separator, ProblemList *problems)
{
    DialogSet set;
    LoadedDesign design = parseDesign(bytes, separator);
    if (problems)
        *problems = design.problems;
    const Status status = loadIntoSet(set, std::move(design), kSurface, "f.kvx");
    EXPECT_TRUE(status) << status.message;
    return set;
}

std::string fileOf(const std::vector<std::string> &lines)
{
    std::string out;
    for (const auto &line : lines)
        out += line + "\r\n";
    return out;
}

namespace {

ControlRecord &named(ControlRecord &r, const char *name, const char *text, std::int16_t idc = -1,
                     const char *action = "")
{
    r.Name = name;
    r.Text = text;
    r.IDC = idc;
    r.Action = action;
    return r;
}

Rgba texts(const char *red, const char *green, const char *blue, const char *alpha)
{
    return {std::string(red), std::string(green), std::string(blue), std::string(alpha)};
}

} // namespace

DialogSet mainMenuSet()
{
    using enum ControlKind;
    DialogSet set;
    set.insertDialog();
    set.renameDialog(0, "MainMenu");
    set.setGridSize(0, 0.05f);
    place(set, 0, Frame, 1200, 900, [](ControlRecord &r) {
        named(r, "fraBack", "Main menu").BackColor = texts("0,1", "0,1", "0,1", "0,8");
    });
    place(set, 0, Text, 1800, 1350,
          [](ControlRecord &r) { named(r, "lblTitle", "Welcome, soldier").FontSize = 0.05f; });
    place(set, 0, Button, 1800, 3600, [](ControlRecord &r) {
        named(r, "btnStart", "Start", 1600, "closeDialog 0; hint \"Starting\"").Enter = 1;
    });
    place(set, 0, Button, 1800, 4500,
          [](ControlRecord &r) { named(r, "btnQuit", "Quit", 1601, "closeDialog 2"); });
    place(set, 0, Link, 1800, 5400, [](ControlRecord &r) {
        named(r, "lnkBriefing", "Read the briefing", -1,
              "player sideChat \"\"; execVM \"briefing.sqf\"");
    });

    set.insertDialog();
    set.renameDialog(1, "Options");
    set.setGridSize(1, 0.025f);
    place(set, 1, Text, 600, 450, [](ControlRecord &r) {
        named(r, "lblHelp", "R\xC3\xA9glages\r\nChoose a value, then press OK").LineSpacing = 1.25f;
    });
    place(set, 1, Input, 600, 1800, [](ControlRecord &r) { r.IDC = 1700; });
    place(set, 1, Combo, 600, 2700, [](ControlRecord &r) { r.IDC = 1701; });
    place(set, 1, List, 6000, 2700, [](ControlRecord &r) {
        r.IDC = 1702;
        r.SelectionColor = texts("1", "0.5", "0", "1");
    });
    place(set, 1, Slider, 600, 4500, [](ControlRecord &r) { r.IDC = 1703; });
    place(set, 1, Picture, 8000, 6000, [](ControlRecord &r) {
        r.Text = "pics\\logo.paa";
        r.Width = 0.16667f; // dragged sizes are rounded to 5 decimals
    });
    return set;
}

Lines header(const std::string &dialog, const std::string &grid)
{
    return {"\"" + dialog + "\"", "\"KOVRIN_INFO_GRIDSIZE\"", grid, "\"###\""};
}

Lines control(const std::string &dialog, const std::string &name, const std::string &type,
              std::initializer_list<std::pair<std::size_t, std::string>> items)
{
    // IDC to LineSpacing of a left-aligned text with white text on black.
    std::istringstream words("-1 0.2 0.1 \"ST_LEFT\" 1 1 1 1 0 0 0 0 \"tahomaB36\" 0.04 \"hello\" "
                             "0 0 0 0 0 0 0 0 0 0 0 0 \"\" 0 0 0 TYPE 0.125 0.1 0 \"###\"");
    Lines lines {"\"" + dialog + "\"", "\"" + name + "\""};
    for (std::string word; words >> word;)
        lines.push_back(word == "TYPE" ? "\"" + type + "\"" : word);
    for (const auto &[line, text] : items)
        lines.at(line) = text;
    return lines;
}

Lines olderControl(const std::string &dialog, const std::string &name)
{
    Lines lines = control(dialog, name, "BUTTON");
    lines.resize(lines.size() - 2); // no line spacing, no end mark
    return lines;
}

Lines current(std::initializer_list<Lines> parts)
{
    Lines all {"\"0.61\""};
    for (const auto &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace kovrin::testing
