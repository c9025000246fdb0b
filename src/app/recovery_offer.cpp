#include "app/recovery_offer.h"

#include "app/autosave.h"
#include "app/file_commands.h"
#include "app/recovery_slot.h"
#include "surface_view/user_prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>

namespace kovrin {
namespace {

QString question(const RecoverySlot &slot)
{
    const QDateTime savedAt = slot.savedAt();
    const QLocale locale;
    const QString belongsTo = slot.belongsTo();
    const QString file = belongsTo.isEmpty()
        ? QStringLiteral("It was never saved to a design file.")
        : QStringLiteral("It belongs to the design file %1.")
              .arg(QDir::toNativeSeparators(belongsTo));
    return QStringLiteral("A run of Kovrin that did not end normally left unsaved work on the "
                          "dialogs, autosaved on %1 at %2.\r\n%3\r\n\r\n"
                          "Recover it? No deletes it.")
        .arg(locale.toString(savedAt.date(), QLocale::LongFormat),
             locale.toString(savedAt.time(), QLocale::ShortFormat), file);
}

} // namespace

void offerRecovery(UserPrompts &prompts, FileCommands &files, Autosave &autosave,
                   char decimalSeparator)
{
    for (LeftRecovery &left : takeLeftRecoveries(autosave.slot().id())) {
        const RecoverySlot &slot = left.slot;
        if (!prompts.askYesNo(QStringLiteral("Recover unsaved work"), question(slot),
                              UserPrompts::Icon::Question)) {
            slot.remove();
            continue;
        }
        if (!files.loadRecovered(slot.designPath(), slot.belongsTo(), decimalSeparator))
            continue; // reported, and kept where it is
        if (!autosave.takeOver(slot)) {
            // Could not be moved: written afresh under this instance's name, and only then does
            // the left one go, so it is never offered again once recovered.
            autosave.saveNow();
            autosave.waitForWrites();
            if (QFileInfo::exists(autosave.slot().designPath()))
                slot.remove();
        }
        return; // the markers of the others are let go: they wait for the next start
    }
}

} // namespace kovrin
