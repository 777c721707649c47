#include "jukebox/ui/qt_ui_service.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include <cstdlib>

#include "jukebox/ui/prompt_dialog.h"

// A dialog asked for while another modal one is open (the options sheet) shows
// over that one, not over the main window somewhere else on the screen.
QWidget* QtUiService::owner() const {
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr ? modal : parent_.data();
}

void QtUiService::showMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, owner());
    box.exec();
}

void QtUiService::fatal(const QString& text) {
    showMessage(text);
    std::exit(1);
}

bool QtUiService::prompt(const QString& caption, const QString& promptLine, QString& text) {
    CPromptDialog dialog(owner());
    dialog.setCaption(caption);
    dialog.setPrompt(promptLine);
    return dialog.ask(text);
}

UiService::Answer QtUiService::askYesNoCancel(const QString& text) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, owner());
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

QStringList QtUiService::openFileNames(const QString& caption, const QString& folder,
                                       const QString& filter) {
    return QFileDialog::getOpenFileNames(owner(), caption, folder, filter);
}

QString QtUiService::saveFileName(const QString& caption, const QString& folder,
                                  const QString& filter, const QString& defaultSuffix) {
    QFileDialog dialog(owner(), caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString QtUiService::openOrNewFileName(const QString& caption, const QString& folder,
                                       const QString& filter, const QString& defaultSuffix) {
    QFileDialog dialog(parent_, caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

void QtUiService::dispatchEvents() {
    QCoreApplication::processEvents();
}
