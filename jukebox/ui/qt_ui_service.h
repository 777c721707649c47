#pragma once

#include <QPointer>
#include <QWidget>

#include "jukebox/ui/message_window.h"
#include "jukebox/ui/ui_service.h"

// The UI service of the running programs, on Qt Widgets.
class QtUiService : public UiService {
public:
    // Dialogs are centred on the modal dialog open at the time, if any, else on
    // the active window, else on parent when it is set; when one closes, the
    // window that was active before it is active again.
    explicit QtUiService(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void showMessage(const QString& text) override;
    void notify(const QString& text) override;
    void fatal(const QString& text) override;
    bool prompt(const QString& caption, const QString& promptLine, QString& text) override;
    Answer askYesNoCancel(const QString& text) override;
    QStringList openFileNames(const QString& caption, const QString& folder,
                              const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& folder, const QString& filter,
                         const QString& defaultSuffix) override;
    QString openOrNewFileName(const QString& caption, const QString& folder, const QString& filter,
                              const QString& defaultSuffix) override;
    QString openFolderName(const QString& caption, const QString& folder) override;
    void dispatchEvents() override;

    // The window notify() shows its texts in; null before the first.
    CMessageWindow* messageWindow() const { return messages_.data(); }

protected:
    void closeModals() override;

private:
    QWidget* owner() const;

    QPointer<QWidget> parent_;
    QPointer<CMessageWindow> messages_;
};
