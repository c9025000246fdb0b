#include "app/arrange_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace kovrin {
namespace {

struct EntryText
{
    ArrangeCommand command;
    const char *name;
    const char *text;
    const char *tip;
};

// Null text: a separator.
constexpr EntryText kEntries[] = {
    {ArrangeCommand::AlignLeft, "mnu_alignleft", "Align &Left",
     "Line up the left edges to the first selected control."},
    {ArrangeCommand::AlignRight, "mnu_alignright", "Align &Right",
     "Line up the right edges to the first selected control."},
    {ArrangeCommand::AlignTop, "mnu_aligntop", "Align &Top",
     "Line up the upper edges to the first selected control."},
    {ArrangeCommand::AlignBottom, "mnu_alignbottom", "Align &Bottom",
     "Line up the lower edges to the first selected control."},
    {ArrangeCommand::AlignCentresHorizontally, "mnu_aligncentresh", "Align Centres &Horizontally",
     "Line up the centres on a vertical line, to the first selected control."},
    {ArrangeCommand::AlignCentresVertically, "mnu_aligncentresv", "Align Centres &Vertically",
     "Line up the centres on a horizontal line, to the first selected control."},
    {ArrangeCommand::AlignLeft, nullptr, nullptr, nullptr},
    {ArrangeCommand::DistributeHorizontally, "mnu_distributeh", "Distribute H&orizontally",
     "Space the picked controls evenly between the leftmost and the rightmost."},
    {ArrangeCommand::DistributeVertically, "mnu_distributev", "Distribute Verti&cally",
     "Space the picked controls evenly between the highest and the lowest."},
    {ArrangeCommand::AlignLeft, nullptr, nullptr, nullptr},
    {ArrangeCommand::SameWidth, "mnu_samewidth", "Same &Width",
     "Give the picked controls the same width, to the first selected control."},
    {ArrangeCommand::SameHeight, "mnu_sameheight", "Same H&eight",
     "Give the picked controls the same height, to the first selected control."},
    {ArrangeCommand::SameSize, "mnu_samesize", "Same &Size",
     "Give the picked controls the same size, to the first selected control."},
};

// The menu the new one goes before: the window menu when there is one, else the help menu.
QAction *placeBefore(QMenuBar &bar)
{
    for (const char *name : {"mnu_window", "mnu_help"}) {
        for (QAction *action : bar.actions()) {
            if (action->menu() && action->menu()->objectName() == QLatin1String(name))
                return action;
        }
    }
    return nullptr;
}

} // namespace

ArrangeMenu::ArrangeMenu(QMenuBar &bar, std::function<void(ArrangeCommand, const QString &)> run,
                         QObject *parent)
    : QObject(parent)
{
    auto *menu = m_menu = new QMenu(QStringLiteral("&Arrange"), &bar);
    menu->setObjectName(QStringLiteral("mnu_arrange"));
    bar.insertMenu(placeBefore(bar), menu);
    for (const EntryText &entry : kEntries) {
        if (!entry.text) {
            menu->addSeparator();
            continue;
        }
        QAction *action = menu->addAction(QString::fromLatin1(entry.text));
        action->setObjectName(QLatin1String(entry.name));
        action->setStatusTip(QString::fromLatin1(entry.tip));
        const ArrangeCommand command = entry.command;
        // The undo step is named after the entry.
        const QString stepName = QString::fromLatin1(entry.text).remove(QLatin1Char('&'));
        connect(action, &QAction::triggered, this,
                [run, command, stepName] { run(command, stepName); });
        m_entries.append(Entry {command, action});
    }
    enableFor(0);
}

void ArrangeMenu::enableFor(std::size_t picked)
{
    for (const Entry &entry : std::as_const(m_entries))
        entry.action->setEnabled(picked >= controlsNeeded(entry.command));
}

QAction *ArrangeMenu::action(ArrangeCommand command) const
{
    for (const Entry &entry : m_entries) {
        if (entry.command == command)
            return entry.action;
    }
    return nullptr;
}

} // namespace kovrin
