#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

#include "jukebox/ui/ui_service.h"

// A UI service for tests: records every message, answers prompts and file dialogs
// from queues the test fills, and never blocks.
class RecordingUiService : public UiService {
public:
    void showMessage(const QString& text) override;
    // Non-modal messages are recorded with the others, and on their own.
    void notify(const QString& text) override {
        messages.append(text);
        notices.append(text);
    }
    void fatal(const QString& text) override {
        messages.append(text);
        fatalMessages.append(text);
    }
    bool prompt(const QString& caption, const QString& promptLine, QString& text) override;
    Answer askYesNoCancel(const QString& text) override {
        questions.append(text);
        if (answers.empty()) {
            return Answer::Cancel;
        }
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QStringList openFileNames(const QString& caption, const QString& folder,
                              const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& folder, const QString& filter,
                         const QString& defaultSuffix) override;
    QString openFolderName(const QString&, const QString& folder) override {
        openFolders.append(folder);
        if (folderAnswers.empty()) {
            return {};
        }
        QString answer = folderAnswers.front();
        folderAnswers.pop_front();
        return answer;
    }
    void dispatchEvents() override;

    QStringList messages;       // every message, fatal ones included, in order
    QStringList fatalMessages;  // the messages that would have ended the program
    QStringList notices;        // the messages shown without waiting (notify)
    // Run while a modal message "shows", as the events that would arrive while
    // the user reads it (the service counts as modal meanwhile).
    std::function<void(const QString&)> whileMessageShows;
    int dispatchCount = 0;

    // Answers for prompt(): a value is OK with that text, nullopt is Cancel. With
    // the queue empty a prompt is cancelled.
    std::deque<std::optional<QString>> promptAnswers;
    QStringList promptCaptions;
    // Answers for askYesNoCancel(), in order; with the queue empty, Cancel.
    std::deque<Answer> answers;
    QStringList questions;
    std::deque<QStringList> openAnswers;
    QStringList openFolders;            // where each open dialog started
    QStringList fileFilters;            // the filter of each file dialog, in order
    std::deque<QString> folderAnswers;  // for openFolderName
    std::deque<QString> saveAnswers;
    QStringList saveFolders;  // where each save dialog started

    // Run at every dispatch, so a test can act "while the loop runs" (press Abort).
    std::function<void()> onDispatch;
};
