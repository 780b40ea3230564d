#pragma once

#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <memory>
#include <vector>

#include "WindowLinkTest.h"
#include "comm/ThreadComm.h"

namespace varo {

// A window test whose gateways are started with fault options of its own.
class FaultGatewayTest : public WindowLinkTest {
protected:
    ~FaultGatewayTest() override {
        form.FLink->FComm->Close();
        for (auto& gateway : faultGateways)
            gateway->Stop();
    }

    // Starts a gateway with `options` as COM `number` at 38400 baud, published
    // in the test's COM folder, and waits until the window lists it.
    void StartFaultGateway(int number, sim::SimOptions options) {
        options.comNumber = number;
        options.linkFolder = ports.folder.path().toStdString();
        options.nmeaBaud = 38400;
        auto gateway = std::make_unique<sim::SimulatedGateway>(options);
        std::string error;
        ASSERT_TRUE(gateway->Start(error)) << error;
        faultGateways.push_back(std::move(gateway));
        ports.AwaitListed(number);
    }

    // Manual mode, COM `number` at 38400, Connect pressed; true once linked.
    bool ConnectTo(int number) {
        ChooseManual(number, "38400");
        form.OpenPort->click();
        return WaitFor([&] { return form.FLink->FLinked; }, std::chrono::milliseconds(5000));
    }

    std::vector<std::unique_ptr<sim::SimulatedGateway>> faultGateways;
};

} // namespace varo
