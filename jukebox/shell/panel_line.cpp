#include "jukebox/shell/panel_line.h"

#include "jukebox/shell/command_ids.h"

namespace {

QString onOff(const char* what, bool on) {
    return QLatin1StringView(what) + (on ? QStringLiteral(": on") : QStringLiteral(": off"));
}

QString startStop(const char* what, bool running) {
    return QLatin1StringView(what) +
           (running ? QStringLiteral(": start") : QStringLiteral(": stop"));
}

// The pop-up's text, or a null string for a kind that names none.
QString popupText(const PanelLineState& state) {
    switch (state.popupKind) {
        case PanelPopup::Scan:
            return startStop("Scan", state.stateBits & PanelBit::Scanning);
        case PanelPopup::Sort:
            return startStop("Sort", state.stateBits & PanelBit::Sorting);
        case PanelPopup::Loop:
            return onOff("Loop", state.loopOn);
        case PanelPopup::Random:
            return onOff("Random", state.randomOn);
        case PanelPopup::Speed:
            // As printf's "%1.2f": two decimals and a point whatever the locale.
            return QStringLiteral("Speed: %1X").arg(QString::number(state.popupSpeed, 'f', 2));
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
        return {QStringLiteral("Opening..."), false};
    }
    if (state.stateBits & (PanelBit::Alternate | PanelBit::Text)) {
        return {trackText, true};
    }
    return {QStringLiteral("No media file opened"), false};
}
