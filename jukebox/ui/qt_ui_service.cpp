#include "jukebox/ui/qt_ui_service.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>

#include <cstdlib>

#include "jukebox/ui/prompt_dialog.h"

namespace {

// The suffix of a name filter's first pattern ("Playlists (*.m3u8 *.pls)" gives
// "m3u8"); fallback for a pattern without one ("*").
QString suffixOfFilter(const QString& filter, const QString& fallback) {
    const qsizetype open = filter.lastIndexOf(u'(');
    const qsizetype close = filter.lastIndexOf(u')');
    if (open < 0 || close < open) {
        return fallback;
    }
    const QString first =
        filter.mid(open + 1, close - open - 1).split(u' ', Qt::SkipEmptyParts).value(0);
    const QString suffix = first.startsWith(QStringLiteral("*.")) ? first.mid(2) : QString();
    return suffix.isEmpty() || suffix.contains(u'*') || suffix.contains(u'?') ? fallback : suffix;
}

// A name typed without a suffix gets that of the filter chosen in the dialog, so
// that choosing "M3U8 playlist" writes one; a typed suffix always decides.
void followChosenFilter(QFileDialog& dialog, const QString& defaultSuffix) {
    dialog.setDefaultSuffix(defaultSuffix);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, defaultSuffix](const QString& filter) {
                         dialog.setDefaultSuffix(suffixOfFilter(filter, defaultSuffix));
                     });
}

// When a dialog closes, the window manager activates its owner's owner; the
// keyboard goes back to the window that had it before the dialog instead.
class KeepActivation {
public:
    KeepActivation() : window_(QApplication::activeWindow()) {}
    ~KeepActivation() {
        if (window_ != nullptr && window_->isVisible()) {
            window_->activateWindow();
        }
    }
    KeepActivation(const KeepActivation&) = delete;
    KeepActivation& operator=(const KeepActivation&) = delete;

private:
    QPointer<QWidget> window_;
};

}  // namespace

// A dialog belongs to the window it came from: the modal one open at the time
// (the options sheet), else the window the user works in (the tracklist for
// its prompt and messages), else the main window. It shows over that window,
// and the main window is not brought up over it when the dialog closes.
QWidget* QtUiService::owner() const {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    QWidget* active = QApplication::activeWindow();
    if (active != nullptr && active->isVisible() && active != messages_) {
        return active;
    }
    return parent_.data();
}

void QtUiService::showMessage(const QString& text) {
    if (abandoning()) {
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, owner());
    KeepActivation keep;
    ModalScope modal(*this);
    box.exec();
}

void QtUiService::notify(const QString& text) {
    if (abandoning()) {
        return;
    }
    if (messages_ == nullptr) {
        messages_ = new CMessageWindow(parent_);
    }
    messages_->showText(text);
}

void QtUiService::fatal(const QString& text) {
    showMessage(text);
    std::exit(1);
}

bool QtUiService::prompt(const QString& caption, const QString& promptLine, QString& text) {
    if (abandoning()) {
        return false;
    }
    CPromptDialog dialog(owner());
    dialog.setCaption(caption);
    dialog.setPrompt(promptLine);
    KeepActivation keep;
    ModalScope modal(*this);
    return dialog.ask(text);
}

// Every modal widget open now, the innermost first, is closed as Cancel or
// Escape would; their loops end as soon as control is back in them.
void QtUiService::closeModals() {
    QList<QWidget*> closed;
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (closed.contains(modal)) {
            break;  // it refused to close
        }
        closed.append(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    }
}

UiService::Answer QtUiService::askYesNoCancel(const QString& text) {
    if (abandoning()) {
        return Answer::Cancel;
    }
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, owner());
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    KeepActivation keep;
    ModalScope modal(*this);
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
    if (abandoning()) {
        return {};
    }
    KeepActivation keep;
    ModalScope modal(*this);
    return QFileDialog::getOpenFileNames(owner(), caption, folder, filter);
}

QString QtUiService::openFolderName(const QString& caption, const QString& folder) {
    if (abandoning()) {
        return {};
    }
    KeepActivation keep;
    ModalScope modal(*this);
    return QFileDialog::getExistingDirectory(owner(), caption, folder);
}

QString QtUiService::saveFileName(const QString& caption, const QString& folder,
                                  const QString& filter, const QString& defaultSuffix) {
    if (abandoning()) {
        return {};
    }
    QFileDialog dialog(owner(), caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    followChosenFilter(dialog, defaultSuffix);
    KeepActivation keep;
    ModalScope modal(*this);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

QString QtUiService::openOrNewFileName(const QString& caption, const QString& folder,
                                       const QString& filter, const QString& defaultSuffix) {
    if (abandoning()) {
        return {};
    }
    QFileDialog dialog(owner(), caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    followChosenFilter(dialog, defaultSuffix);
    KeepActivation keep;
    ModalScope modal(*this);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

void QtUiService::dispatchEvents() {
    QCoreApplication::processEvents();
}
