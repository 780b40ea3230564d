// Option -> "Share data on the network..." against the simulated gateway.
#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <sys/socket.h>
#include <unistd.h>

#include "LoopbackPort.h"
#include "WindowLinkTest.h"
#include "platform/Settings.h"
#include "sharing/SharingDialog.h"
#include "sharing/StreamSharing.h"

namespace varo {
namespace {

using namespace std::chrono_literals;

using SharingWindow = WindowLinkTest;

TEST_F(SharingWindow, SharesTheLinkedStreamWhereTheDialogSaysAndRemembersIt) {
    StreamSharing& sharing = *form.FStreamSharing;
    EXPECT_FALSE(sharing.Server.Running()) << "off by default";
    EXPECT_FALSE(sharing.lblSharing->isVisible());
    sharing.ShareAction->trigger();
    SharingDialog* dialog = sharing.Dialog;
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->edtShareAddress->text(), "127.0.0.1");
    EXPECT_EQ(dialog->spnSharePort->value(), 10110);

    const std::uint16_t port = FreePort();
    dialog->chkShare->setChecked(true);
    dialog->spnSharePort->setValue(port);
    dialog->edtUdpTarget->setText("10111");
    dialog->Buttons->button(QDialogButtonBox::Ok)->click();
    EXPECT_TRUE(dialog->isVisible()) << "a target without its host is refused";
    EXPECT_TRUE(dialog->lblShareError->isVisibleTo(dialog));
    EXPECT_FALSE(sharing.Server.Running());
    dialog->edtUdpTarget->clear();
    dialog->Buttons->button(QDialogButtonBox::Ok)->click();
    EXPECT_FALSE(dialog->isVisible());
    const QString where = QStringLiteral("127.0.0.1:%1").arg(port);
    EXPECT_EQ(sharing.lblSharing->text(), QStringLiteral("Sharing on %1, 0 clients").arg(where));
    const platform::ShareSettings stored =
        platform::ReadShareSettings(form.SettingsFile.toStdString());
    EXPECT_TRUE(stored.enabled);
    EXPECT_EQ(stored.port, port);

    StartGateway(43, 38400);
    ChooseManual(43, "38400");
    form.OpenPort->click();
    ASSERT_TRUE(WaitFor([&] { return form.FLink->FLinked; }, 5000ms));
    const int client = ConnectLoopback(port);
    ASSERT_GE(client, 0);
    std::string received;
    EXPECT_TRUE(WaitFor(
        [&] {
            char chunk[4096];
            const ssize_t got = ::recv(client, chunk, sizeof chunk, MSG_DONTWAIT);
            if (got > 0) received.append(chunk, static_cast<std::size_t>(got));
            return received.find("$GPGGA,") != std::string::npos &&
                   received.find("\r\n", received.find("$GPGGA,")) != std::string::npos;
        },
        5000ms))
        << received;
    sharing.ShowStatus();
    EXPECT_EQ(sharing.lblSharing->text(), QStringLiteral("Sharing on %1, 1 clients").arg(where));
    ::close(client);
}

} // namespace
} // namespace varo
