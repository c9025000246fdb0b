#include "props/panel_choice.h"

#include "model/number_text.h"

#include <algorithm>
#include <array>

namespace kovrin {
namespace {

constexpr std::array<PanelChoiceInfo, 6> kChoices {{
    {PanelChoice::Style, "Style", "cmb_style", KindField::Style},
    {PanelChoice::Multiline, "Multiline", "chk_multi", KindField::Multiline},
    {PanelChoice::Shadow, "Shadow", "chk_shadow", KindField::Shadow},
    {PanelChoice::Font, "Font", "cmb_font", KindField::Font},
    {PanelChoice::Enter, "ENTER key activates the control", "chk_enter", KindField::Enter},
    {PanelChoice::ScrollBars, "Scroll bars", "chk_scrollbars", KindField::ScrollBars},
}};

constexpr std::array<std::string_view, 2> kBoxTexts {kChecked, kUnchecked};

template<typename Fields> auto boxOf(Fields &fields, PanelChoice choice) -> decltype(&fields.enter)
{
    switch (choice) {
    case PanelChoice::Multiline:
        return &fields.multiline;
    case PanelChoice::Shadow:
        return &fields.shadow;
    case PanelChoice::Enter:
        return &fields.enter;
    case PanelChoice::ScrollBars:
        return &fields.scrollBars;
    default:
        return nullptr;
    }
}

std::span<const std::string_view> entriesOf(std::optional<ControlKind> kind, PanelChoice choice)
{
    switch (choice) {
    case PanelChoice::Style:
        return styleChoices(kind);
    case PanelChoice::Font:
        return kFontNames;
    default:
        return kBoxTexts;
    }
}

} // namespace

std::span<const PanelChoiceInfo> panelChoices()
{
    return kChoices;
}

const PanelChoiceInfo &panelChoiceInfo(PanelChoice choice)
{
    const auto found = std::ranges::find(kChoices, choice, &PanelChoiceInfo::choice);
    return found != kChoices.end() ? *found : kChoices.front();
}

bool isUsable(std::optional<ControlKind> kind, PanelChoice choice)
{
    const auto needs = panelChoiceInfo(choice).needs;
    return !needs || isUsable(kind, *needs);
}

std::string choiceText(const EditorFields &fields, std::optional<ControlKind> kind,
                       PanelChoice choice)
{
    if (const bool *box = boxOf(fields, choice))
        return std::string(*box ? kChecked : kUnchecked);
    const auto entries = entriesOf(kind, choice);
    const auto entry = choice == PanelChoice::Style ? fields.style : fields.font;
    return entry && *entry < entries.size() ? std::string(entries[*entry]) : std::string();
}

std::vector<std::string_view> commonChoices(std::span<const std::optional<ControlKind>> kinds,
                                            PanelChoice choice)
{
    if (kinds.empty())
        return {};
    std::vector<std::string_view> common;
    for (std::string_view entry : entriesOf(kinds.front(), choice)) {
        const bool everywhere = std::ranges::all_of(kinds, [&](std::optional<ControlKind> kind) {
            return std::ranges::find(entriesOf(kind, choice), entry)
                != entriesOf(kind, choice).end();
        });
        if (everywhere)
            common.push_back(entry);
    }
    return common;
}

std::optional<std::string> sharedChoice(std::span<const EditorFields> fields,
                                        std::span<const std::optional<ControlKind>> kinds,
                                        PanelChoice choice)
{
    std::optional<std::string> shared;
    for (std::size_t i = 0; i < fields.size() && i < kinds.size(); ++i) {
        if (!isUsable(kinds[i], choice))
            continue;
        std::string text = choiceText(fields[i], kinds[i], choice);
        if (shared && *shared != text)
            return std::nullopt;
        shared = std::move(text);
    }
    return shared;
}

bool chooseText(EditorFields &fields, const ControlRecord &record, PanelChoice choice,
                std::string_view text, char separator)
{
    if (bool *box = boxOf(fields, choice)) {
        if (text != kChecked && text != kUnchecked)
            return false;
        *box = text == kChecked;
        if (choice == PanelChoice::Multiline && *box && fields.lineSpacing.empty())
            fields.lineSpacing = singleText(record.LineSpacing, separator);
        return true;
    }
    const auto kind = kindFromWord(record.CtrlType);
    const auto entries = entriesOf(kind, choice);
    const auto found = std::ranges::find(entries, text);
    if (found == entries.end())
        return false;
    const auto entry = static_cast<std::size_t>(found - entries.begin());
    (choice == PanelChoice::Style ? fields.style : fields.font) = entry;
    return true;
}

} // namespace kovrin
