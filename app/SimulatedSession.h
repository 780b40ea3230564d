#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace varo {

class TForm1;
namespace sim {
class SimulatedGateway;
}

// `varo-config --simulate`: the simulated gateway runs inside the program on
// a pseudo-terminal published in a COM folder of its own, so a new user can
// press Connect and see the tool work without hardware.
class SimulatedSession {
public:
    SimulatedSession();
    ~SimulatedSession();
    SimulatedSession(const SimulatedSession&) = delete;
    SimulatedSession& operator=(const SimulatedSession&) = delete;

    // Makes the COM folder, points VARO_COM_DIR at it and starts the gateway.
    // Call before the window is built, so that its port discovery finds the
    // gateway. False with `error` set when the gateway cannot start.
    bool Start(QString& error);
    // Selects the gateway's port in Manual mode and names it in the title.
    void Present(TForm1& form) const;

    int ComNumber() const;

private:
    QTemporaryDir FFolder;
    std::unique_ptr<sim::SimulatedGateway> FGateway;
};

} // namespace varo
