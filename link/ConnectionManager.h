#pragma once

#include <QTimer>
#include <array>
#include <cstdint>
#include <vector>

#include "LinkView.h"
#include "comm/CommTypes.h"
#include "gateway/Protocol.h"

namespace varo {

class DeviceLink;

// The rates of cbxBaudRate's items "4800", "9600", "38400".
inline constexpr std::array<TBaudRate, 3> BaudListRates{TBaudRate::br4800, TBaudRate::br9600,
                                                        TBaudRate::br38400};
inline constexpr int kDefaultBaudItem = 2;

// FLinkState values.
inline constexpr std::int32_t kLinkIdle = 0;
inline constexpr std::int32_t kLinkProbing = 1;
inline constexpr std::int32_t kLinkLinked = 2;

// The TST code that asks the gateway for its static data block.
inline constexpr int kProbeStaticData = protocol::kProbeStaticData;

// The text of baud item `item` ("4800" ...), empty for none.
QString BaudItemText(int item);

// Finding the gateway and getting proof that it answers (its static data
// block, ending "[END OF STATIC DATA]"). Auto mode tries every openable port
// at 38400, 9600 and 4800 baud; Manual mode the chosen port and speed.
// Timer1 takes one step a second, TimerConnection animates the status and
// ends the attempt once the link is confirmed.
class ConnectionManager {
public:
    explicit ConnectionManager(DeviceLink& link);

    // The Connect button: connects when it is up, else disconnects.
    void OpenPortClick();
    // One step of the attempt by FLinkState.
    void ConnectionStep();
    // A connection starts: the attempt probes for the static data block.
    void BeginAttempt();
    // Link confirmation: the gateway sent a whole static data block.
    void StaticDataWatcher();
    // Sends the TST probe with `code`; the result of SendCommand.
    bool LinkProbe(int code);
    // Either mode button: rediscovers the ports and shows the mode's page.
    void RadioButtonConnectionModeAutoClick();
    void cbxComPortChange();
    void cbxBaudRateChange();
    void Timer1Timer();
    void TimerConnectionTimer();
    // The idle state: no attempt, no link, timers off, mode controls enabled.
    void ResetConnection();
    // Connects to COM `number` at `baudItem` as Manual mode would, whatever
    // mode is chosen: the lost port has returned. Nothing while connecting.
    void Reconnect(int number, int baudItem);

    // The Connect button is down: connecting or connected (its tag 1).
    bool Pressed() const { return FPressed; }

    QTimer Timer1;          // 1000 ms, a connection step
    QTimer TimerConnection; // 200 ms, the connecting animation

private:
    // Auto mode's scan, unless a reconnect to a known port runs.
    bool Automatic() const { return view.AutoMode() && !FReconnecting; }
    void ProbingAuto();
    void ProbingManual();
    void AutoStep();
    void ManualStep();
    // Closes the port and opens COM `number`; false when it is not open then.
    bool OpenPortNumber(int number);
    void SelectBaudItem(int item);
    // Ends the attempt: the next step disconnects.
    void Fail(LinkFailure failure);
    // The status display: the Connect button as pressed, the picture and
    // label as `status`. Every change of the link's state shows through here.
    void Display(LinkStatus status);
    // Manual mode: says why COM `chosen` cannot be connected when it is absent
    // or held by another program; true then, and nothing is started.
    bool RefusedPort(int chosen);
    // The button up, the link controls off.
    void Release();

    DeviceLink& link;
    LinkView& view;
    bool FPressed = false;
    bool FReconnecting = false;           // this attempt returns to a lost port
    std::vector<std::int32_t> FScanPorts; // the openable ports when the Auto scan began
    std::size_t AutoPortCursor = 0;       // next index into FScanPorts
    int AutoBaudCursor = kDefaultBaudItem;
    std::int32_t AutoTickLimit = 20;
};

} // namespace varo
