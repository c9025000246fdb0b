#pragma once
// A user-prompt seam for tests: records every prompt shown and answers from queues filled by
// the test. An unexpected question fails loudly instead of blocking.

#include "surface_view/user_prompts.h"

#include <QStringList>

#include <deque>

namespace kovrin {

class ScriptedPrompts : public UserPrompts
{
public:
    struct Shown
    {
        QString kind; // "message", "yesno", "savediscard", "open", "save", "colour"
        QString title;
        QString text;
        Icon icon = Icon::Information;
    };

    std::deque<bool> yesNoAnswers;
    std::deque<Choice> saveDiscardAnswers;
    std::deque<QString> fileNames;
    std::deque<std::optional<QColor>> colours;
    QList<Shown> shown;
    int unexpected = 0; // prompts that found no scripted answer

    void message(const QString &title, const QString &text, Icon icon) override
    {
        shown.append({QStringLiteral("message"), title, text, icon});
    }
    bool askYesNo(const QString &title, const QString &text, Icon icon) override
    {
        shown.append({QStringLiteral("yesno"), title, text, icon});
        return take(yesNoAnswers, false);
    }
    Choice askSaveDiscardCancel(const QString &title, const QString &text) override
    {
        shown.append({QStringLiteral("savediscard"), title, text, Icon::Warning});
        return take(saveDiscardAnswers, Choice::Cancel);
    }
    QString openFileName(const QString &folder, const QString &title, const QString &suffix,
                         const QString &filter) override
    {
        return fileName(QStringLiteral("open"), folder, title, suffix, filter);
    }
    QString saveFileName(const QString &folder, const QString &title, const QString &suffix,
                         const QString &filter) override
    {
        return fileName(QStringLiteral("save"), folder, title, suffix, filter);
    }
    std::optional<QColor> pickColour(const QString &title, const QColor &) override
    {
        shown.append({QStringLiteral("colour"), title, QString(), Icon::Information});
        return take(colours, std::optional<QColor>());
    }

    QStringList titles() const
    {
        QStringList out;
        for (const auto &s : shown)
            out << s.title;
        return out;
    }

private:
    QString fileName(const QString &kind, const QString &folder, const QString &title,
                     const QString &suffix, const QString &filter)
    {
        shown.append({kind, title, folder + '|' + suffix + '|' + filter, Icon::Information});
        return take(fileNames, QString());
    }
    template<typename T> T take(std::deque<T> &queue, T fallback)
    {
        if (queue.empty()) {
            ++unexpected;
            return fallback;
        }
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

} // namespace kovrin
