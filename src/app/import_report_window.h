#pragma once
// The report of an import in the designer: its lines under their causes, each cause with its
// count, and "Save Report..." to keep them in a file, one a line as `import --report` writes.

#include "classdef/import_report.h"

#include <QDialog>

class QTreeWidget;

namespace kovrin {

class FilesRead;
class UserPrompts;

class ImportReportWindow : public QDialog
{
    Q_OBJECT
public:
    // notes: what is no problem but worth knowing (properties left to the game, forms read).
    ImportReportWindow(ImportReport report, const QString &heading, const QString &notes,
                       UserPrompts &prompts, const FilesRead &filesRead, QWidget *parent = nullptr);

    // Asks for a file and writes the report there; false when cancelled or refused (said).
    bool saveReport();

private:
    ImportReport m_report;
    UserPrompts &m_prompts;
    const FilesRead &m_filesRead;
    QTreeWidget *m_tree;
};

} // namespace kovrin
