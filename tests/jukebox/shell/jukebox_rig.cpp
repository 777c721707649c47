#include "tests/jukebox/shell/jukebox_rig.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QSettings>
#include <QTest>
#include <QUrl>

#include "jukebox/shell/command_ids.h"
#include "jukebox/shell/skin_button.h"

namespace {

constexpr int kStepWaitMs = 30000;

void copyIntoFolder(const std::filesystem::path& folder) {
    const std::filesystem::path work(VELORINE_WORK_DIR);
    for (const char* list : {"audio.flt", "video.flt"}) {
        std::filesystem::copy_file(work / list, folder / list);
    }
    std::filesystem::copy(work / "skins", folder / "skins",
                          std::filesystem::copy_options::recursive);
    writeFileBytes(folder / "default.trk", "");
    writeFileBytes(folder / "default.dic", "");
}

}  // namespace

JukeboxRig::JukeboxRig(bool clearSettings) : previousFolder_(QDir::currentPath()) {
    copyIntoFolder(dir_.path());
    QDir::setCurrent(QString::fromStdString(dir_.path().string()));
    if (clearSettings) {
        QSettings settings(QStringLiteral("Quillamo"), QStringLiteral("velorine"));
        settings.clear();
        settings.sync();
    }
}

JukeboxRig::~JukeboxRig() {
    app_.reset();
    QDir::setCurrent(previousFolder_);
}

void JukeboxRig::startWithoutStep(const CommandLine& commandLine) {
    app_ = std::make_unique<CVelorineApp>(ui, commandLine);
    app_->InitInstance();
}

void JukeboxRig::start(const CommandLine& commandLine) {
    startWithoutStep(commandLine);
    waitForStep();
}

void JukeboxRig::restart(const CommandLine& commandLine) {
    app_.reset();
    start(commandLine);
}

bool JukeboxRig::waitForStep() {
    return QTest::qWaitFor([this] { return app_->startupStepDone(); }, kStepWaitMs);
}

void JukeboxRig::click(int controlId) {
    CSkinButton* button = window().controls().button(controlId);
    QTest::mouseClick(button, Qt::LeftButton);
}

bool JukeboxRig::closeWithControl() {
    click(ControlId::Close);
    return QTest::qWaitFor([this] { return app_->closed(); }, kStepWaitMs);
}

void JukeboxRig::mouse(QEvent::Type type, QPoint facePoint, QPoint global, Qt::MouseButton button,
                       Qt::MouseButtons buttons) {
    QMouseEvent event(type, facePoint, global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&window(), &event);
}

void JukeboxRig::drop(const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths) {
        urls.append(QUrl::fromLocalFile(path));
    }
    data.setUrls(urls);
    const QPoint at(5, 5);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window(), &enter);
    QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window(), &dropped);
}

QString JukeboxRig::path(const char* name) const {
    return QString::fromStdString((dir_.path() / name).string());
}

QString JukeboxRig::settingsFile() {
    return QSettings(QStringLiteral("Quillamo"), QStringLiteral("velorine")).fileName();
}

QString copyMedia(const QString& source, const std::filesystem::path& folder, const char* name) {
    std::filesystem::create_directories(folder);
    const std::filesystem::path target = folder / name;
    std::filesystem::copy_file(source.toStdString(), target,
                               std::filesystem::copy_options::overwrite_existing);
    return QString::fromStdString(target.string());
}
