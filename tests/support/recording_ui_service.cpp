#include "tests/support/recording_ui_service.h"

void RecordingUiService::showMessage(const QString& text) {
    messages.append(text);
    if (whileMessageShows) {
        ModalScope modal(*this);
        whileMessageShows(text);
    }
}

bool RecordingUiService::prompt(const QString& caption, const QString&, QString& text) {
    promptCaptions.append(caption);
    if (promptAnswers.empty()) {
        return false;
    }
    std::optional<QString> answer = promptAnswers.front();
    promptAnswers.pop_front();
    if (!answer) {
        return false;
    }
    text = *answer;
    return true;
}

QStringList RecordingUiService::openFileNames(const QString&, const QString& folder,
                                              const QString& filter) {
    openFolders.append(folder);
    fileFilters.append(filter);
    if (openAnswers.empty()) {
        return {};
    }
    QStringList answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
}

QString RecordingUiService::saveFileName(const QString&, const QString& folder,
                                         const QString& filter, const QString&) {
    saveFolders.append(folder);
    fileFilters.append(filter);
    if (saveAnswers.empty()) {
        return {};
    }
    QString answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

void RecordingUiService::dispatchEvents() {
    ++dispatchCount;
    if (onDispatch) {
        onDispatch();
    }
}
