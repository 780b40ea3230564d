#pragma once

#include <array>
#include <cstdint>

#include "Dialogs.h"
#include "comm/comm_types.h"

class QString;
class TForm1;

// The rates of cbxBaudRate's items "4800", "9600", "38400".
inline constexpr std::array<TBaudRate, 3> BaudListRates{TBaudRate::br4800, TBaudRate::br9600,
                                                        TBaudRate::br38400};
inline constexpr int kDefaultBaudItem = 2;

// FLinkState values.
inline constexpr std::int32_t kLinkIdle = 0;
inline constexpr std::int32_t kLinkProbing = 1;
inline constexpr std::int32_t kLinkLinked = 2;

// The TST code that asks the gateway for its static data block.
inline constexpr int kProbeStaticData = 16;

// Finding the gateway and getting proof that it answers (its static data
// block, ending "[END OF STATIC DATA]"). Auto mode tries every openable port
// at 38400, 9600 and 4800 baud; Manual mode the chosen port and speed.
// Timer1 takes one step a second, TimerConnection animates the status and
// ends the attempt once the link is confirmed.
class ConnectionManager {
public:
    explicit ConnectionManager(TForm1& form);

    // The Connect button: connects when its tag is 0, else disconnects.
    void OpenPortClick();
    // One step of the attempt by FLinkState.
    void ConnectionStep();
    // Link confirmation, for each received line (with CR LF); nullptr when a
    // connection starts.
    void StaticDataWatcher(const char* line);
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

    bool AutoMode() const;

private:
    void ProbingAuto();
    void ProbingManual();
    void AutoStep();
    void ManualStep();
    // Closes the port and opens COM `number`; false when it is not open then.
    bool OpenPortNumber(int number);
    void SelectBaudItem(int item);
    // Ends the attempt: the next step disconnects.
    void Fail(const QString& text, const QString& caption, MessageIcon icon);
    void EnableModeControls(bool on);

    TForm1& form;
    std::size_t AutoPortCursor = 0; // next index into FOpenPorts
    int AutoBaudCursor = kDefaultBaudItem;
    std::int32_t AutoTickLimit = 20;
};
