#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include "platform/Settings.h"
#include "share/StreamServer.h"

class QAction;
class QLabel;

namespace varo {

class TForm1;
class SharingDialog;

// Shares the gateway's stream with other programs while the window is
// connected: the link hands every received line to the server; a timer
// accepts clients and writes to them; the health bar shows where and to how
// many clients. The settings come from the settings file and are written
// back when the dialog's OK takes them.
class StreamSharing : public QObject {
public:
    explicit StreamSharing(TForm1& form);
    ~StreamSharing() override;

    void ShowTexts();
    // Opens the dialog with the current settings.
    void ShowDialog();
    // Shares by `settings` (or stops) and stores them, an empty address as
    // 127.0.0.1 and a port out of range as 10110; false with `error`
    // when they cannot be used, the sharing before them kept.
    bool Apply(const platform::ShareSettings& settings, QString& error);
    // The health bar's sharing text: where and to how many clients, or why not.
    void ShowStatus();

    QAction* ShareAction;
    QLabel* lblSharing;
    SharingDialog* Dialog = nullptr;
    share::StreamServer Server;

private:
    // Starts or stops the server by `settings`; false with `error`.
    bool Share(const platform::ShareSettings& settings, QString& error);

    TForm1& form;
    platform::ShareSettings FSettings;
    QString FFailure; // why the stored settings do not share, shown until they do
    QTimer FServiceTimer;
};

} // namespace varo
