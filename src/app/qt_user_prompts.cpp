#include "app/qt_user_prompts.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

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
QString shownText(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

QString runFileDialog(QWidget *parent, QFileDialog::AcceptMode mode, const QString &folder,
                      const QString &title, const QString &defaultSuffix, const QString &filter)
{
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
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

QtUserPrompts::QtUserPrompts(QWidget *parent)
    : m_parent(parent)
{
}

void QtUserPrompts::message(const QString &title, const QString &text, Icon icon)
{
    QMessageBox box(boxIcon(icon), title, shownText(text), QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);
    // A long list of problems would not fit on the screen: the box shows its start and keeps the
    // whole list under "Show Details...".
    constexpr int kLinesShown = 12;
    const QStringList lines = box.text().split(QLatin1Char('\n'));
    if (lines.size() > kLinesShown + 3) {
        box.setDetailedText(box.text());
        box.setText(lines.mid(0, kLinesShown).join(QLatin1Char('\n'))
                    + QStringLiteral("\n(%1 more lines under Show Details)")
                          .arg(lines.size() - kLinesShown));
    }
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
    return runFileDialog(m_parent, QFileDialog::AcceptOpen, folder, title, defaultSuffix, filter);
}

QString QtUserPrompts::saveFileName(const QString &folder, const QString &title,
                                    const QString &defaultSuffix, const QString &filter)
{
    return runFileDialog(m_parent, QFileDialog::AcceptSave, folder, title, defaultSuffix, filter);
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
