#include "app/recovery_offer.h"

#include "app/autosave.h"
#include "app/file_commands.h"
#include "app/recovery_slot.h"
#include "model/message_text.h"
#include "surface_view/user_prompts.h"

#include <QApplication>
#include <QFontMetrics>
#include <QScreen>

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>

namespace kovrin {
namespace {

QString shownPath(const QString &path)
{
    const QString escaped
        = QString::fromStdString(escapedControls(QDir::toNativeSeparators(path).toStdString()));
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int width = screen ? screen->availableGeometry().width() / 2 : 400;
    return QFontMetrics(QApplication::font("QMessageBox"))
        .elidedText(escaped, Qt::ElideMiddle, width);
}

QString question(const RecoverySlot &slot)
{
    const QDateTime savedAt = slot.savedAt();
    const QLocale locale;
    const QString belongsTo = slot.belongsTo();
    const QString file = belongsTo.isEmpty()
        ? QStringLiteral("It was never saved to a design file.")
        : QStringLiteral("It belongs to the design file %1.").arg(shownPath(belongsTo));
    return QStringLiteral("A run of Kovrin that did not end normally left unsaved work on the "
                          "dialogs, autosaved on %1 at %2.\r\n%3\r\n\r\n"
                          "Recover it? No deletes it.")
        .arg(locale.toString(savedAt.date(), QLocale::LongFormat),
             locale.toString(savedAt.time(), QLocale::ShortFormat), file);
}

} // namespace

bool offerRecovery(UserPrompts &prompts, FileCommands &files, Autosave &autosave,
                   char decimalSeparator)
{
    QStringList setAside;
    std::vector<LeftRecovery> offered = takeLeftRecoveries(autosave.slot().id(), setAside);
    for (const QString &problem : std::as_const(setAside))
        prompts.message(QStringLiteral("WARNING"), problem, UserPrompts::Icon::Warning);
    for (LeftRecovery &left : offered) {
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
        return true; // the markers of the others are let go: they wait for the next start
    }
    return false;
}

} // namespace kovrin
