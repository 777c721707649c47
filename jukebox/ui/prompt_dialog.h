#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

// A modal dialog with a caption, a prompt line and one edit box, with OK (the
// default button) above Cancel on the right.
class CPromptDialog : public QDialog {
    Q_OBJECT
public:
    explicit CPromptDialog(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    void setPrompt(const QString& prompt);
    void setText(const QString& text);
    QString text() const;

    // Runs the dialog; on OK text is set to what was typed, on Cancel it is kept.
    bool ask(QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* promptLabel_;
    QLineEdit* edit_;
};
