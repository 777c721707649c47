// The jukebox as the program runs it, plus the Skin page in a plain OK/Cancel
// dialog standing in for the options sheet, steered by lines on standard
// input, for looking at the page and at a skin switch on a real display:
//   page              open the dialog (the page initialised)
//   select <name>     select the skin of that name in the page
//   load | ok | cancel
//                     press "Load", OK or Cancel
//   switch <name>     switch to that skin directly
//   view              switch the main window's view
//   quit
// Run it in a working folder prepared as scripts/run does.
#include <unistd.h>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QSocketNotifier>
#include <QVBoxLayout>
#include <cstdio>

#include "jukebox/options_sheet/skin_page.h"
#include "jukebox/shell/command_ids.h"
#include "jukebox/shell/command_line.h"
#include "jukebox/shell/velorine_app.h"
#include "jukebox/shell/velorine_wnd.h"
#include "jukebox/ui/qt_ui_service.h"

namespace {

struct Stand {
    CVelorineApp& app;
    QDialog dialog;
    CSkinPage* page = nullptr;

    explicit Stand(CVelorineApp& jukebox) : app(jukebox) {
        dialog.setWindowTitle(QStringLiteral("Options"));
        page = new CSkinPage(app.skins(), app.workFolder(), &dialog);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(page);
        layout->addWidget(buttons);
        QObject::connect(page, &CSkinPage::skinChosen, &app, &CVelorineApp::SwitchSkin);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [this] {
            page->okPage();
            dialog.accept();
        });
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, [this] {
            page->cancelPage();
            dialog.reject();
        });
    }

    int indexOf(const QString& name) const {
        for (int i = 0; i < app.skins().entries().size(); ++i) {
            if (app.skins().entries()[i].name == name) {
                return i;
            }
        }
        return -1;
    }

    void run(const QString& line) {
        const QString command = line.section(u' ', 0, 0);
        const QString argument = line.section(u' ', 1);
        if (command == u"page") {
            page->initPage();
            dialog.show();
        } else if (command == u"select") {
            const auto items = page->listBox()->findItems(argument, Qt::MatchExactly);
            if (!items.isEmpty()) {
                page->listBox()->setCurrentItem(items.first());
            }
        } else if (command == u"load") {
            page->loadButton()->click();
        } else if (command == u"ok") {
            page->okPage();
            dialog.accept();
        } else if (command == u"cancel") {
            page->cancelPage();
            dialog.reject();
        } else if (command == u"switch") {
            std::printf("switch %s: %d\n", qUtf8Printable(argument),
                        int(app.SwitchSkin(indexOf(argument))));
        } else if (command == u"view") {
            app.window().OnCommand(ControlId::Ui);
        } else if (command == u"quit") {
            app.RequestClose();
        }
        std::fflush(stdout);
    }
};

}  // namespace

int main(int argc, char** argv) {
    const CommandLine commandLine = ParseCommandLine(argc, argv, CurrentFolder());
    QApplication qtApp(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quillamo"));
    QCoreApplication::setApplicationName(QStringLiteral("velorine"));
    QApplication::setQuitOnLastWindowClosed(false);
    QtUiService ui;
    CVelorineApp app(ui, commandLine);
    QObject::connect(&app, &CVelorineApp::finished, &qtApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    app.InitInstance();
    ui.setParent(&app.window());
    Stand stand(app);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &input, [&] {
        char buffer[512];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            input.setEnabled(false);
            return;
        }
        for (const QString& line : QString::fromUtf8(buffer, n).split(u'\n', Qt::SkipEmptyParts)) {
            stand.run(line.trimmed());
        }
    });
    return qtApp.exec();
}
