#include "StreamSharing.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>

#include "DeviceLink.h"
#include "Dialogs.h"
#include "SharingDialog.h"
#include "TForm1.h"

namespace varo {
namespace {

// How often clients are accepted and written to: a line waits at most this long.
constexpr int kServiceMs = 10;

// The stored settings with the defaults for what is absent.
platform::ShareSettings WithDefaults(platform::ShareSettings settings) {
    if (settings.address.empty()) settings.address = share::kDefaultShareAddress;
    if (settings.port < 1 || settings.port > 65535) settings.port = share::kDefaultSharePort;
    return settings;
}

} // namespace

StreamSharing::StreamSharing(TForm1& form) : form(form) {
    ShareAction = new QAction(form.mnuOption);
    ShareAction->setObjectName(QStringLiteral("mnuShareData"));
    form.mnuOption->addAction(ShareAction);
    connect(ShareAction, &QAction::triggered, this, [this] { ShowDialog(); });
    lblSharing = new QLabel(form.HealthBar);
    lblSharing->setObjectName(QStringLiteral("lblSharing"));
    form.HealthBar->addPermanentWidget(lblSharing);
    FServiceTimer.setInterval(kServiceMs);
    connect(&FServiceTimer, &QTimer::timeout, this, [this] { Server.Service(); });
    connect(form.HealthTimer, &QTimer::timeout, this, [this] { ShowStatus(); });
    form.FLink->FStreamServer = &Server;

    FSettings = WithDefaults(platform::ReadShareSettings(form.SettingsFile.toStdString()));
    Share(FSettings, FFailure);
    ShowTexts();
}

// The link is gone by now (it is declared after this unit).
StreamSharing::~StreamSharing() = default;

void StreamSharing::ShowTexts() {
    ShareAction->setText(form.FTexts.Share_Data);
    if (Dialog != nullptr) Dialog->ShowTexts(form.FTexts);
    ShowStatus();
}

void StreamSharing::ShowDialog() {
    if (Dialog == nullptr) {
        Dialog =
            new SharingDialog(&form, [this](const platform::ShareSettings& settings,
                                            QString& error) { return Apply(settings, error); });
        Dialog->setWindowModality(Qt::WindowModal);
        Dialog->ShowTexts(form.FTexts);
    }
    Dialog->ShowSettings(FSettings);
    Dialog->open();
}

bool StreamSharing::Share(const platform::ShareSettings& settings, QString& error) {
    error.clear();
    Server.Stop();
    FServiceTimer.stop();
    if (!settings.enabled) return true;
    share::StreamSettings stream;
    stream.tcp = share::Endpoint{settings.address, static_cast<std::uint16_t>(settings.port)};
    std::string text;
    if (!settings.udpTarget.empty()) {
        share::Endpoint target;
        if (!share::ParseTargetEndpoint(settings.udpTarget, target, text)) {
            error = form.FTexts.ShareBadTarget.arg(QString::fromStdString(text));
            return false;
        }
        stream.udp = target;
    }
    if (!Server.Start(stream, text)) {
        error = QString::fromStdString(text);
        return false;
    }
    FServiceTimer.start();
    return true;
}

bool StreamSharing::Apply(const platform::ShareSettings& chosen, QString& error) {
    const platform::ShareSettings settings = WithDefaults(chosen);
    if (!Share(settings, error)) {
        QString ignored;
        Share(FSettings, ignored);
        ShowStatus();
        return false;
    }
    FSettings = settings;
    FFailure.clear();
    ShowStatus();
    // Settings that silently failed to save come back wrong next time.
    if (!platform::WriteShareSettings(form.SettingsFile.toStdString(), FSettings))
        ModalMessage(form.FTexts.SettingsWriteError.arg(form.SettingsFile), form.FTexts.Error,
                     MessageIcon::Error, MessageButtons::Ok);
    return true;
}

void StreamSharing::ShowStatus() {
    if (Server.Running()) {
        lblSharing->setText(form.FTexts.SharingOn.arg(QString::fromStdString(Server.Address()))
                                .arg(Server.Clients()));
    } else if (!FFailure.isEmpty()) {
        lblSharing->setText(form.FTexts.SharingFailed.arg(FFailure));
    }
    lblSharing->setStyleSheet(Server.Running() ? QString() : QStringLiteral("color: red"));
    lblSharing->setVisible(Server.Running() || !FFailure.isEmpty());
}

} // namespace varo
