#include "jukebox/shell/panel_line.h"

#include <QCoreApplication>

#include "jukebox/shell/command_ids.h"

namespace {

// The pop-up's text, or a null string for a kind that names none.
QString popupText(const PanelLineState& state) {
    switch (state.popupKind) {
        case PanelPopup::Scan:
            return (state.stateBits & PanelBit::Scanning)
                       ? QCoreApplication::translate("PanelLine", "Scan: start")
                       : QCoreApplication::translate("PanelLine", "Scan: stop");
        case PanelPopup::Sort:
            return (state.stateBits & PanelBit::Sorting)
                       ? QCoreApplication::translate("PanelLine", "Sort: start")
                       : QCoreApplication::translate("PanelLine", "Sort: stop");
        case PanelPopup::Loop:
            return state.loopOn ? QCoreApplication::translate("PanelLine", "Loop: on")
                                : QCoreApplication::translate("PanelLine", "Loop: off");
        case PanelPopup::Random:
            return state.randomOn ? QCoreApplication::translate("PanelLine", "Random: on")
                                  : QCoreApplication::translate("PanelLine", "Random: off");
        case PanelPopup::Speed:
            // As printf's "%1.2f": two decimals and a point whatever the locale.
            return QCoreApplication::translate("PanelLine", "Speed: %1X")
                .arg(QString::number(state.popupSpeed, 'f', 2));
        default:
            return {};
    }
}

}  // namespace

PanelLine ChoosePanelLine(const PanelLineState& state, const QString& trackText) {
    if (state.popupKind != PanelPopup::None) {
        QString popup = popupText(state);
        if (!popup.isNull()) {
            return {popup, false};
        }
    }
    if (state.stateBits & PanelBit::Opening) {
        return {QCoreApplication::translate("PanelLine", "Opening..."), false};
    }
    if (state.stateBits & (PanelBit::Alternate | PanelBit::Text)) {
        return {trackText, true};
    }
    return {QCoreApplication::translate("PanelLine", "No media file opened"), false};
}
