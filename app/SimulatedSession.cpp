#include "SimulatedSession.h"

#include <QComboBox>
#include <QRadioButton>
#include <string>

#include "ConnectionManager.h"
#include "Startup.h"
#include "TForm1.h"
#include "sim/SimulatedGateway.h"

namespace varo {

SimulatedSession::SimulatedSession() = default;

SimulatedSession::~SimulatedSession() {
    if (FGateway) FGateway->Stop();
}

bool SimulatedSession::Start(QString& error) {
    if (!FFolder.isValid()) {
        error = QStringLiteral("cannot make a folder for the simulated port: %1")
                    .arg(FFolder.errorString());
        return false;
    }
    qputenv("VARO_COM_DIR", FFolder.path().toLocal8Bit());
    sim::SimOptions options;
    options.linkFolder = FFolder.path().toStdString();
    FGateway = std::make_unique<sim::SimulatedGateway>(options);
    std::string reason;
    if (FGateway->Start(reason)) return true;
    error = QString::fromStdString(reason);
    FGateway.reset();
    return false;
}

int SimulatedSession::ComNumber() const {
    return FGateway ? FGateway->ComNumber() : 0;
}

void SimulatedSession::Present(TForm1& form) const {
    if (!form.RadioButtonConnectionModeManual->isChecked())
        form.RadioButtonConnectionModeManual->click();
    const int item = form.cbxComPort->findText(QString::number(ComNumber()));
    if (item >= 0) form.cbxComPort->setCurrentIndex(item);
    form.cbxBaudRate->setCurrentIndex(kDefaultBaudItem);
    form.setWindowTitle(QStringLiteral("%1 - simulated gateway COM%2")
                            .arg(QString::fromUtf8(kApplicationTitle))
                            .arg(ComNumber()));
}

} // namespace varo
