#include "jukebox/shell/help_window.h"

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
        const QString tip = QString::fromLatin1(control.toolTip);
        const QString name = SkinKeywordName(control.keyword);
        rows += row(tip.isEmpty() ? name : tip, QStringLiteral("skin keyword \"%1\"").arg(name));
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

const char* const kMouse[][2] = {
    {"Drag the face", "moves the window"},
    {"Drag a slider's thumb", "position (seeks on release), volume or balance"},
    {"Double-click the track display", "shows or hides the tracklist"},
    {"Right-click the track display", "primary or alternate text"},
    {"Double-click the time display", "elapsed, remaining or total time"},
    {"Right-click the face", "the system menu: Options, Help, Exit"},
    {"Drop files or folders on the face", "they join the tracklist and the first one opens"},
    {"Hold a seek, volume or balance button", "repeats"},
};

}  // namespace

QString CHelpWindow::HelpHtml() {
    QString mouse;
    for (const auto& line : kMouse) {
        mouse += row(QString::fromLatin1(line[0]), QString::fromLatin1(line[1]));
    }
    return QStringLiteral(
               "<h2>Velorine</h2><p>A skinned jukebox. Every control shows its name when "
               "the mouse rests on it.</p><h3>Keyboard</h3><table cellspacing=\"4\">%1</table>"
               "<h3>Mouse</h3><table cellspacing=\"4\">%2</table>"
               "<h3>Controls of the face</h3><table cellspacing=\"4\">%3</table>")
        .arg(keyRows(), mouse, controlRows());
}

CHelpWindow::CHelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Velorine Help"));
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
