#include "jukebox/shell/help_window.h"

#include <QCoreApplication>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "jukebox/shell/control_table.h"
#include "jukebox/shell/key_help.h"

namespace {

QString row(const QString& left, const QString& right) {
    return QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
        .arg(left.toHtmlEscaped(), right.toHtmlEscaped());
}

QString controlRows() {
    QString rows;
    for (const ControlInfo& control : ControlTable()) {
        const QString tip = ControlToolTip(control);
        const QString name = SkinKeywordName(control.keyword);
        rows += row(tip.isEmpty() ? name : tip,
                    QCoreApplication::translate("CHelpWindow", "skin keyword \"%1\"").arg(name));
    }
    return rows;
}

QString keyRows() {
    QString rows;
    for (const KeyHelpRow& key : KeyHelpRows()) {
        rows += row(key.key, key.action);
    }
    return rows;
}

// A pair of translatable texts: the gesture and what it does.
const char* const kMouse[][2] = {
    {QT_TRANSLATE_NOOP("CHelpWindow", "Drag the face"),
     QT_TRANSLATE_NOOP("CHelpWindow", "moves the window")},
    {QT_TRANSLATE_NOOP("CHelpWindow", "Drag a slider's thumb"),
     QT_TRANSLATE_NOOP("CHelpWindow", "position (seeks on release), volume or balance")},
    {QT_TRANSLATE_NOOP("CHelpWindow", "Double-click the track display"),
     QT_TRANSLATE_NOOP("CHelpWindow", "shows or hides the tracklist")},
    {QT_TRANSLATE_NOOP("CHelpWindow", "Right-click the track display"),
     QT_TRANSLATE_NOOP("CHelpWindow", "primary or alternate text")},
    {QT_TRANSLATE_NOOP("CHelpWindow", "Double-click the time display"),
     QT_TRANSLATE_NOOP("CHelpWindow", "elapsed, remaining or total time")},
    {QT_TRANSLATE_NOOP("CHelpWindow", "Right-click the face"),
     QT_TRANSLATE_NOOP("CHelpWindow", "the system menu: Options, Help, Exit")},
    {QT_TRANSLATE_NOOP("CHelpWindow", "Drop files or folders on the face"),
     QT_TRANSLATE_NOOP("CHelpWindow", "they join the tracklist and the first one opens")},
    {QT_TRANSLATE_NOOP("CHelpWindow", "Hold a seek, volume or balance button"),
     QT_TRANSLATE_NOOP("CHelpWindow", "repeats")},
};

}  // namespace

QString CHelpWindow::HelpHtml() {
    QString mouse;
    for (const auto& line : kMouse) {
        mouse += row(QCoreApplication::translate("CHelpWindow", line[0]),
                     QCoreApplication::translate("CHelpWindow", line[1]));
    }
    const QString intro = QCoreApplication::translate(
        "CHelpWindow",
        "A skinned jukebox. Every control shows its name when the mouse rests on it.");
    return QStringLiteral(
               "<h2>Velorine</h2><p>%1</p><h3>%2</h3><table cellspacing=\"4\">%3</table>"
               "<h3>%4</h3><table cellspacing=\"4\">%5</table>"
               "<h3>%6</h3><table cellspacing=\"4\">%7</table>")
        .arg(intro.toHtmlEscaped(), QCoreApplication::translate("CHelpWindow", "Keyboard"),
             keyRows(), QCoreApplication::translate("CHelpWindow", "Mouse"), mouse,
             QCoreApplication::translate("CHelpWindow", "Controls of the face"), controlRows());
}

CHelpWindow::CHelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QCoreApplication::translate("CHelpWindow", "Velorine Help"));
    browser_ = new QTextBrowser(this);
    browser_->setHtml(HelpHtml());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(460, 520);
}

QString CHelpWindow::plainText() const {
    return browser_->toPlainText();
}

QPoint CHelpWindow::PlaceBeside(const QRect& owner, QSize size, const QRect& screen) {
    constexpr int kGap = 8;
    QRect place(QPoint(owner.right() + 1 + kGap, owner.top()), size);
    if (!screen.contains(place)) {
        place.moveRight(owner.left() - 1 - kGap);
    }
    if (!screen.contains(place)) {
        place.moveCenter(screen.center());
    }
    return place.topLeft();
}
