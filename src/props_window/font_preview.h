#pragma once
// The font preview beside the font list (img_font): the picture "<font>.gif" from the program's
// folder or its installed data folder, or nothing when there is none.

#include <QLabel>
#include <QStringList>

namespace kovrin {

class FontPreview : public QLabel
{
    Q_OBJECT
public:
    // The program's folder first, then ../share/kovrin/fonts and ../share/kovrin beside it.
    static QStringList defaultFolders();

    explicit FontPreview(QStringList folders = defaultFolders(), QWidget *parent = nullptr);

    // Shows the entry's picture; a missing or unreadable file shows nothing, without a message.
    void showFont(const QString &entry);
    void clearFont();

    // The file shown, empty when none.
    QString shownFile() const { return m_shownFile; }

private:
    QStringList m_folders;
    QString m_shownFile;
};

} // namespace kovrin
