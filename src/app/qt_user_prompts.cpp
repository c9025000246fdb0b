#include "app/qt_user_prompts.h"

#include "model/message_text.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

#include <algorithm>

namespace kovrin {
namespace {

QMessageBox::Icon boxIcon(UserPrompts::Icon icon)
{
    switch (icon) {
    case UserPrompts::Icon::Information:
        return QMessageBox::Information;
    case UserPrompts::Icon::Warning:
        return QMessageBox::Warning;
    case UserPrompts::Icon::Critical:
        return QMessageBox::Critical;
    case UserPrompts::Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// Messages end their lines with CR LF, as the program's texts always have; a label wants LF.
// Whatever a line quotes from a file shows its control characters spelt out.
QString shownText(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = QString::fromStdString(escapedControls(line.toStdString()));
    return lines.join(QLatin1Char('\n'));
}

// A long message would not fit on the screen: the box shows its start, as much as fits in three
// quarters of the screen's height, and keeps the whole text in its scrollable details.
void fitOnScreen(QMessageBox &box, const QString &text)
{
    constexpr int kLinesShown = 12;
    constexpr int kLongestLineShown = 300;
    const QScreen *screen = box.screen() ? box.screen() : QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().height() * 3 / 4 : 600;
    const QStringList lines = text.split(QLatin1Char('\n'));
    qsizetype shown = lines.size() > kLinesShown + 3 ? kLinesShown : lines.size();
    for (int width = kLongestLineShown;; width /= 2) {
        QStringList start = lines.mid(0, shown);
        bool cut = shown < lines.size();
        for (QString &line : start) {
            if (line.size() > width) {
                line = line.left(width) + QChar(0x2026);
                cut = true;
            }
        }
        QString boxText = start.join(QLatin1Char('\n'));
        if (shown < lines.size())
            boxText
                += QStringLiteral("\n(%1 more lines under Show Details)").arg(lines.size() - shown);
        box.setText(boxText);
        if (cut)
            box.setDetailedText(text);
        if (box.sizeHint().height() <= room || width < 40)
            return;
        shown = std::max<qsizetype>(1, shown / 2);
    }
}

QString runFileDialog(QWidget *parent, QFileDialog::AcceptMode mode, const QString &folder,
                      const QString &title, const QString &defaultSuffix, const QString &filter,
                      const QString &examplesFolder)
{
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The shipped examples one click away, below the dialog's own places.
    if (!examplesFolder.isEmpty())
        dialog.setSidebarUrls(dialog.sidebarUrls() << QUrl::fromLocalFile(examplesFolder));
    // Save As asks its own overwrite question, after the dialog has closed.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

QtUserPrompts::QtUserPrompts(QWidget *parent, const QString &examplesFolder)
    : m_parent(parent)
    , m_examplesFolder(examplesFolder)
{
}

void QtUserPrompts::message(const QString &title, const QString &text, Icon icon)
{
    QMessageBox box(boxIcon(icon), title, QString(), QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);
    fitOnScreen(box, shownText(text));
    box.exec();
}

bool QtUserPrompts::askYesNo(const QString &title, const QString &text, Icon icon)
{
    QMessageBox box(boxIcon(icon), title, shownText(text), QMessageBox::Yes | QMessageBox::No,
                    m_parent);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

UserPrompts::Choice QtUserPrompts::askSaveDiscardCancel(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, shownText(text),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Save);
    // The platform's texts carry no access keys.
    box.button(QMessageBox::Save)->setText(QStringLiteral("&Save"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("&Discard"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("&Cancel"));
    switch (box.exec()) {
    case QMessageBox::Save:
        return Choice::Save;
    case QMessageBox::Discard:
        return Choice::Discard;
    default:
        return Choice::Cancel;
    }
}

QString QtUserPrompts::openFileName(const QString &folder, const QString &title,
                                    const QString &defaultSuffix, const QString &filter)
{
    return runFileDialog(m_parent, QFileDialog::AcceptOpen, folder, title, defaultSuffix, filter,
                         m_examplesFolder);
}

QString QtUserPrompts::saveFileName(const QString &folder, const QString &title,
                                    const QString &defaultSuffix, const QString &filter)
{
    return runFileDialog(m_parent, QFileDialog::AcceptSave, folder, title, defaultSuffix, filter,
                         m_examplesFolder);
}

std::optional<QColor> QtUserPrompts::pickColour(const QString &title, const QColor &initial)
{
    const QColor colour
        = QColorDialog::getColor(initial, m_parent, title, QColorDialog::DontUseNativeDialog);
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

} // namespace kovrin
