#include "persist/record_additions.h"

#include "model/generated_class.h"
#include "model/message_text.h"
#include "model/number_text.h"
#include "persist/group_addition.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kovrin {
namespace {

using namespace design;

constexpr std::array<std::string_view, kAllFormFields.size()> kFieldWords {"X", "Y", "Width",
                                                                           "Height", "FontSize"};

std::string_view fieldWord(FormField field)
{
    return kFieldWords[static_cast<std::size_t>(field)];
}

std::optional<FormField> fieldOfWord(std::string_view word)
{
    for (FormField field : kAllFormFields) {
        if (fieldWord(field) == word)
            return field;
    }
    return std::nullopt;
}

struct Section
{
    std::string_view key;
    std::span<const Item> items;
};

void report(const Place &where, std::string_view key, const std::string &what,
            ProblemList &problems)
{
    problems.add(placeText(where.dialog, where.control, where.controlName, key) + ": " + what);
}

// The sections the items hold, in order. A count that is no whole number or runs past the
// items leaves the rest unread, reported.
std::vector<Section> sectionsOf(const std::vector<Item> &items, const Place &where,
                                ProblemList &problems)
{
    std::vector<Section> sections;
    std::size_t at = 0;
    while (at < items.size()) {
        const std::string &key = items[at].text;
        const std::size_t left = items.size() - at - 1;
        const auto count
            = left == 0 ? std::nullopt : parseFileNumber(withoutBlanksAround(items[at + 1].text));
        if (!count || *count < 0 || std::floor(*count) != *count
            || *count > static_cast<double>(left - 1)) {
            report(where, key,
                   "the items after field 36 are not a section this program can read; they were "
                   "not read.",
                   problems);
            break;
        }
        const auto size = static_cast<std::size_t>(*count);
        sections.push_back({key, std::span<const Item>(items).subspan(at + 2, size)});
        at += 2 + size;
    }
    return sections;
}

void reportUnknown(const Place &where, std::string_view key, ProblemList &problems)
{
    report(where, "additions",
           quotedText(key) + " is not an addition this program reads; it was passed over.",
           problems);
}

// One field's form from its three items; a value that cannot be taken leaves the field a screen
// fraction, reported.
void readFieldForm(std::span<const Item> three, const Place &where, ProblemList &problems,
                   ControlRecord &record)
{
    const auto field = fieldOfWord(three[0].text);
    const std::string &form = three[1].text;
    if (!field || (form != kSafeZoneWord && form != kExpressionWord)) {
        report(where, kFormsKey,
               quotedText(three[0].text) + " " + quotedText(form)
                   + " is not a field and form this program reads; it was passed over.",
               problems);
        return;
    }
    if (form == kExpressionWord) {
        record.Forms.set(*field,
                         {PositionForm::Expression, 0, withoutQuoteEntities(three[2].text)});
        return;
    }
    const auto value = parseFileNumber(withoutBlanksAround(three[2].text));
    if (!value || std::fabs(*value) > 1e6) {
        report(where, fieldWord(*field),
               quotedText(three[2].text)
                   + " is not a safe-zone fraction; the field keeps its screen value.",
               problems);
        return;
    }
    record.Forms.set(*field, {PositionForm::SafeZone, static_cast<float>(*value), {}});
}

// Two text items per entry: the name and the value, double quotes stored as in an Action.
void writeOtherSection(ItemWriter &out, const OtherProperties &others, const Place &where)
{
    if (others.empty())
        return;
    out.mark(kOtherKey);
    out.number(static_cast<float>(others.list().size() * 2));
    for (const OtherProperty &property : others.list()) {
        const Place place {where.dialog, where.control, where.controlName, entryKey(property)};
        for (const std::string *text : {&property.name, &property.value}) {
            out.text(withQuoteEntities(*text), place);
            if (text->find(kQuoteEntity) != std::string::npos)
                out.noteUnreadable(place);
        }
    }
}

OtherProperties readOtherSection(std::span<const Item> items, const Place &where,
                                 ProblemList &problems)
{
    if (items.size() % 2 != 0)
        report(where, kOtherKey, "its last property is cut short; it was passed over.", problems);
    std::vector<OtherProperty> list;
    for (std::size_t at = 0; at + 2 <= items.size(); at += 2) {
        OtherProperty property {withoutQuoteEntities(items[at].text),
                                withoutQuoteEntities(items[at + 1].text)};
        if (property.name.empty()) {
            report(where, kOtherKey, "a property without a name was passed over.", problems);
            continue;
        }
        list.push_back(std::move(property));
    }
    return OtherProperties(std::move(list));
}

void writeFormsAddition(ItemWriter &out, const ControlRecord &record, const Place &where)
{
    if (record.Forms.allScreen())
        return;
    std::int16_t count = 0;
    for (FormField field : kAllFormFields)
        count = static_cast<std::int16_t>(
            count + (record.Forms[field].form == PositionForm::Screen ? 0 : 3));
    out.mark(kFormsKey);
    out.number(count);
    for (FormField field : kAllFormFields) {
        const FieldForm &form = record.Forms[field];
        if (form.form == PositionForm::Screen)
            continue;
        out.mark(fieldWord(field));
        if (form.form == PositionForm::SafeZone) {
            out.mark(kSafeZoneWord);
            out.number(form.fraction);
        } else {
            out.mark(kExpressionWord);
            const Place place {where.dialog, where.control, where.controlName, fieldWord(field)};
            out.text(withQuoteEntities(form.expression), place);
            if (form.expression.find(kQuoteEntity) != std::string::npos)
                out.noteUnreadable(place);
        }
    }
}

// The whole IDC; a value no 32-bit field holds leaves the definition's field.
void readIdc(std::span<const Item> items, const Place &where, ProblemList &problems,
             ControlRecord &record)
{
    const auto value
        = items.size() == 1 ? parseFileNumber(withoutBlanksAround(items[0].text)) : std::nullopt;
    if (!value || std::floor(*value) != *value || *value < std::numeric_limits<std::int32_t>::min()
        || *value > std::numeric_limits<std::int32_t>::max()) {
        report(where, "IDC",
               (items.empty() ? std::string("nothing") : quotedText(items[0].text))
                   + " is not a whole IDC; it keeps " + std::to_string(record.IDC) + ".",
               problems);
        return;
    }
    record.IDC = static_cast<std::int32_t>(*value);
}

// Nothing for an IDC the definition's field holds.
void writeIdcAddition(ItemWriter &out, const ControlRecord &record)
{
    if (idcField(record.IDC) == record.IDC)
        return;
    out.mark(kIdcKey);
    out.number(std::int32_t {1});
    out.number(record.IDC);
}

// The game's class the control derives from; a text that is no class name leaves Kovrin's base.
void readBase(std::span<const Item> items, const Place &where, ProblemList &problems,
              ControlRecord &record)
{
    if (items.size() != 1 || !isClassName(items[0].text)) {
        report(where, kBaseKey,
               (items.empty() ? std::string("nothing") : quotedText(items[0].text))
                   + " is not a class name; the control takes its kind's own base.",
               problems);
        return;
    }
    record.Base = items[0].text;
}

void writeBaseAddition(ItemWriter &out, const ControlRecord &record, const Place &where)
{
    if (record.Base.empty())
        return;
    out.mark(kBaseKey);
    out.number(std::int32_t {1});
    out.text(record.Base, Place {where.dialog, where.control, where.controlName, kBaseKey});
}

} // namespace

std::int16_t idcField(std::int32_t idc)
{
    return idc >= std::numeric_limits<std::int16_t>::min()
            && idc <= std::numeric_limits<std::int16_t>::max()
        ? static_cast<std::int16_t>(idc)
        : std::int16_t {-1};
}

void writeControlAdditions(ItemWriter &out, const ControlRecord &record, const Place &where)
{
    writeFormsAddition(out, record, where);
    writeIdcAddition(out, record);
    writeOtherSection(out, record.Others, where);
    writeBaseAddition(out, record, where);
}

void writeHeaderAdditions(ItemWriter &out, const Dialog &dialog)
{
    if (dialog.Layout == DialogLayout::Screen && dialog.Others.empty())
        return;
    for (std::size_t field = kGridField + 1; field < kFieldCount; ++field)
        out.mark("");
    if (dialog.Layout != DialogLayout::Screen) {
        out.mark(kLayoutKey);
        out.number(std::int32_t {1});
        out.mark(kSafeZoneWord);
    }
    writeOtherSection(out, dialog.Others, Place {dialog.Tag, 0, {}, {}});
}

void readControlAdditions(const std::vector<Item> &items, const Place &where, ProblemList &problems,
                          ControlRecord &record)
{
    for (const Section &section : sectionsOf(items, where, problems)) {
        if (section.key == kOtherKey) {
            record.Others = readOtherSection(section.items, where, problems);
            continue;
        }
        if (section.key == kIdcKey) {
            readIdc(section.items, where, problems, record);
            continue;
        }
        if (section.key == kGroupKey) {
            readGroupAddition(section.items, where, problems, record);
            continue;
        }
        if (section.key == kBaseKey) {
            readBase(section.items, where, problems, record);
            continue;
        }
        if (section.key != kFormsKey) {
            reportUnknown(where, section.key, problems);
            continue;
        }
        if (section.items.size() % 3 != 0)
            report(where, kFormsKey,
                   "its last field is cut short; the field keeps its screen value.", problems);
        for (std::size_t at = 0; at + 3 <= section.items.size(); at += 3)
            readFieldForm(section.items.subspan(at, 3), where, problems, record);
    }
}

HeaderAdditions readHeaderAdditions(const std::vector<Item> &items, const Place &where,
                                    ProblemList &problems)
{
    HeaderAdditions additions;
    DialogLayout &layout = additions.layout;
    for (const Section &section : sectionsOf(items, where, problems)) {
        if (section.key == kOtherKey) {
            additions.others = readOtherSection(section.items, where, problems);
            continue;
        }
        if (section.key != kLayoutKey) {
            reportUnknown(where, section.key, problems);
            continue;
        }
        if (section.items.size() == 1 && section.items[0].text == kSafeZoneWord)
            layout = DialogLayout::SafeZone;
        else
            report(where, kLayoutKey,
                   "is not a layout this program reads; new controls take the screen form.",
                   problems);
    }
    return additions;
}

} // namespace kovrin
