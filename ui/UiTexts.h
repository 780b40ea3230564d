#pragma once

#include <QString>
#include <array>

namespace varo {

// The program's title, shown by the application and its main window.
inline constexpr const char* kApplicationTitle = "VARO NMEA Configuration";

// The language-dependent texts that code shows in messages and status
// fields. Each member is named after its key in the language file.
struct UiTexts {
    QString Connect;                            // SYS_BUTTON
    QString Disconnect;                         // SYS_BUTTON
    QString Connecting;                         // CONFIG_SERIAL_PORT
    QString Connected;                          // CONFIG_SERIAL_PORT
    QString DisconnectStatus;                   // CONFIG_SERIAL_PORT / Disconnect
    QString Exit_Caption;                       // EXIT_QUERY
    QString QueryExit;                          // EXIT_QUERY
    QString DeviceBaudRateHasBeenChanged;       // TAB_BAUD
    QString PleaseChangePcBaudRateInAccordance; // TAB_BAUD
    QString BaudRateChanged;                    // TAB_BAUD
    QString Warning;                            // OTHER_MSG
    QString Error;                              // OTHER_MSG
    QString PortOpenError;                      // OTHER_MSG
    QString NoSerialPortExist;                  // OTHER_MSG
    QString AutoDetectTimeOut;                  // OTHER_MSG
    QString ManualConnectTimeOut;               // OTHER_MSG
    QString CheckPortError;                     // OTHER_MSG
    QString NoAnswer;                           // OTHER_MSG
    QString NotTaken;                           // OTHER_MSG, %1 the outputs
    QString OutputStatesUnknown;                // OTHER_MSG
    QString ContinuationNotAnswered;            // OTHER_MSG
    QString FlowRateNotTaken;                   // OTHER_MSG, %1 the gateway's value
    QString BaudRateAlreadyUsed;                // TAB_BAUD, %1 the rate
    QString LinkBackAtNewRate;                  // TAB_BAUD, %1 the rate
    QString BaudRateNotTaken;                   // TAB_BAUD, %1 the rate still used
    QString BaudLinkLost;                       // TAB_BAUD, %1 and %2 the rates tried
    QString CauseNothingReceived;               // OTHER_MSG
    QString CauseOtherSpeed;                    // OTHER_MSG
    QString CauseNoStaticDataEnd;               // OTHER_MSG
    QString PortLost;                           // OTHER_MSG
    QString Reconnecting;                       // OTHER_MSG
    QString HealthIdle;                         // OTHER_MSG
    QString HealthFigures;                      // OTHER_MSG
    QString HealthSilent;                       // OTHER_MSG
    QString HealthOtherSpeed;                   // OTHER_MSG
    QString PortBusy;                           // OTHER_MSG
    QString PortDenied;                         // OTHER_MSG
    QString SettingsWriteError;                 // OTHER_MSG
    QString RowEarlier;                         // OTHER_MSG
    QString RowAge;                             // OTHER_MSG
    QString DataPaneDetail;                     // OTHER_MSG, data view
    QString DataPaneAis;                        // OTHER_MSG, data view
    QString DataPaneRaw;                        // OTHER_MSG, data view
    QString PauseView;                          // OTHER_MSG, data view
    QString ViewFilter;                         // OTHER_MSG, data view
    QString DataCounters;                       // OTHER_MSG, data view
    QString GridCountColumns;                   // OTHER_MSG, data view
    QString DetailColumns;                      // OTHER_MSG, data view
    QString NotAvailable;                       // OTHER_MSG, data view
    QString AisMessageType;                     // OTHER_MSG, data view
    QString AisColumns;                         // OTHER_MSG, data view
    QString OwnVessel;                          // OTHER_MSG, data view
    QString DropChecksum;                       // OTHER_MSG, data view
    QString DropEnding;                         // OTHER_MSG, data view
    QString DropTooLong;                        // OTHER_MSG, data view
    QString DropNotSentence;                    // OTHER_MSG, data view
    QString DropUnknownFormatter;               // OTHER_MSG, data view
    QString OpenLog;                            // OTHER_MSG, data view
    QString ReplaySpeeds;                       // OTHER_MSG, data view
    QString ReplayStop;                         // OTHER_MSG, data view
    QString ReplayOf;                           // OTHER_MSG, data view
    QString ReplayOpenError;                    // OTHER_MSG, data view
};

// One entry of the language file: where it lives, its built-in English text
// and the member it fills.
struct UiTextEntry {
    const char* section;
    const char* key;
    const char* english;
    QString UiTexts::*text;
};

// Every entry, in the order the language file is read.
inline constexpr std::array<UiTextEntry, 62> kUiTextTable{{
    {"SYS_BUTTON", "Connect", "Connect", &UiTexts::Connect},
    {"SYS_BUTTON", "Disconnect", "Disconnect", &UiTexts::Disconnect},
    {"TAB_BAUD", "DeviceBaudRateHasBeenChanged", "Device's baud rate has been changed.",
     &UiTexts::DeviceBaudRateHasBeenChanged},
    {"TAB_BAUD", "PleaseChangePcBaudRateInAccordance",
     "Please change PC's baud rate in accordance.", &UiTexts::PleaseChangePcBaudRateInAccordance},
    {"TAB_BAUD", "BaudRateChanged", "Baud Rate Changed", &UiTexts::BaudRateChanged},
    {"TAB_BAUD", "BaudRateAlreadyUsed", "The gateway already uses %1 baud. Nothing was sent.",
     &UiTexts::BaudRateAlreadyUsed},
    {"TAB_BAUD", "LinkBackAtNewRate", "The link is back at %1 baud.", &UiTexts::LinkBackAtNewRate},
    {"TAB_BAUD", "BaudRateNotTaken",
     "The gateway did not take the new baud rate. It still answers at %1 baud.",
     &UiTexts::BaudRateNotTaken},
    {"TAB_BAUD", "BaudLinkLost", "The link is lost: no answer at %1 baud nor at %2 baud.",
     &UiTexts::BaudLinkLost},
    {"CONFIG_SERIAL_PORT", "Connecting", "Connecting...", &UiTexts::Connecting},
    {"CONFIG_SERIAL_PORT", "Connected", "Connected...", &UiTexts::Connected},
    {"CONFIG_SERIAL_PORT", "Disconnect", "Disconnect...", &UiTexts::DisconnectStatus},
    {"EXIT_QUERY", "Exit_Caption", "Exit!", &UiTexts::Exit_Caption},
    {"EXIT_QUERY", "QueryExit", "Are you sure to exit?", &UiTexts::QueryExit},
    {"OTHER_MSG", "Warning", "Warning", &UiTexts::Warning},
    {"OTHER_MSG", "Error", "Error", &UiTexts::Error},
    {"OTHER_MSG", "PortOpenError", "Serial port open error! Please check!",
     &UiTexts::PortOpenError},
    {"OTHER_MSG", "NoSerialPortExist", "All serial ports are occupied or no existing!",
     &UiTexts::NoSerialPortExist},
    {"OTHER_MSG", "AutoDetectTimeOut", "Serial port detecting failed!",
     &UiTexts::AutoDetectTimeOut},
    {"OTHER_MSG", "ManualConnectTimeOut", "Serial port connection time out!",
     &UiTexts::ManualConnectTimeOut},
    {"OTHER_MSG", "CheckPortError",
     "Note! Any force connect this serial port may cause unpredictable mistakes. Continue?",
     &UiTexts::CheckPortError},
    {"OTHER_MSG", "NoAnswer", "No answer from the gateway.", &UiTexts::NoAnswer},
    {"OTHER_MSG", "NotTaken", "Not taken by the gateway: %1", &UiTexts::NotTaken},
    {"OTHER_MSG", "OutputStatesUnknown",
     "Output states unknown: the gateway did not report them. Nothing was sent.",
     &UiTexts::OutputStatesUnknown},
    {"OTHER_MSG", "ContinuationNotAnswered", "The gateway did not answer for outputs 5 to 7.",
     &UiTexts::ContinuationNotAnswered},
    {"OTHER_MSG", "FlowRateNotTaken",
     "The change did not take: the gateway reports a flow rate of %1.", &UiTexts::FlowRateNotTaken},
    {"OTHER_MSG", "CauseNothingReceived", "Nothing was received from the port.",
     &UiTexts::CauseNothingReceived},
    {"OTHER_MSG", "CauseOtherSpeed",
     "Data arrived at another speed: try Auto or another baud rate.", &UiTexts::CauseOtherSpeed},
    {"OTHER_MSG", "CauseNoStaticDataEnd", "The gateway talks but sent no \"[END OF STATIC DATA]\".",
     &UiTexts::CauseNoStaticDataEnd},
    {"OTHER_MSG", "PortLost", "COM%1 was lost: the port hung up or the adapter was unplugged.",
     &UiTexts::PortLost},
    {"OTHER_MSG", "Reconnecting", "COM%1 is back: connecting again at %2 baud.",
     &UiTexts::Reconnecting},
    {"OTHER_MSG", "HealthIdle", "Not connected", &UiTexts::HealthIdle},
    {"OTHER_MSG", "HealthFigures",
     "Last line %1 s ago | %2 lines/s | dropped: %3 checksum, %4 too long, %5 not a sentence | "
     "other-speed bytes: %6",
     &UiTexts::HealthFigures},
    {"OTHER_MSG", "HealthSilent", "Silent for %1 s: the gateway sends nothing.",
     &UiTexts::HealthSilent},
    {"OTHER_MSG", "HealthOtherSpeed", "Bytes at another speed: check the baud rate.",
     &UiTexts::HealthOtherSpeed},
    {"OTHER_MSG", "PortBusy", "busy: %1 (pid %2)", &UiTexts::PortBusy},
    {"OTHER_MSG", "PortDenied", "access denied: add the user to the dialout group",
     &UiTexts::PortDenied},
    {"OTHER_MSG", "SettingsWriteError", "The settings could not be saved to %1.",
     &UiTexts::SettingsWriteError},
    {"OTHER_MSG", "RowEarlier", "from an earlier connection", &UiTexts::RowEarlier},
    {"OTHER_MSG", "RowAge", "%1 s ago", &UiTexts::RowAge},
    {"OTHER_MSG", "DataPaneDetail", "Decoded fields", &UiTexts::DataPaneDetail},
    {"OTHER_MSG", "DataPaneAis", "AIS targets", &UiTexts::DataPaneAis},
    {"OTHER_MSG", "DataPaneRaw", "Raw monitor", &UiTexts::DataPaneRaw},
    {"OTHER_MSG", "PauseView", "Pause", &UiTexts::PauseView},
    {"OTHER_MSG", "ViewFilter", "Filter: talker, formatter or text", &UiTexts::ViewFilter},
    {"OTHER_MSG", "DataCounters",
     "Shown: %1 | dropped: %2 checksum, %3 ending, %4 too long, %5 unknown formatter, %6 not a "
     "sentence | garbage bytes: %7",
     &UiTexts::DataCounters},
    {"OTHER_MSG", "GridCountColumns", "Count|Rate (/s)", &UiTexts::GridCountColumns},
    {"OTHER_MSG", "DetailColumns", "Field|Value|Unit", &UiTexts::DetailColumns},
    {"OTHER_MSG", "NotAvailable", "not available", &UiTexts::NotAvailable},
    {"OTHER_MSG", "AisMessageType", "AIS message type %1", &UiTexts::AisMessageType},
    {"OTHER_MSG", "AisColumns",
     "MMSI|Name|Call sign|Ship type|Latitude|Longitude|SOG (kn)|COG (deg)|Heading (deg)|Last "
     "seen|Messages",
     &UiTexts::AisColumns},
    {"OTHER_MSG", "OwnVessel", "own vessel", &UiTexts::OwnVessel},
    {"OTHER_MSG", "DropChecksum", "checksum", &UiTexts::DropChecksum},
    {"OTHER_MSG", "DropEnding", "ending", &UiTexts::DropEnding},
    {"OTHER_MSG", "DropTooLong", "too long", &UiTexts::DropTooLong},
    {"OTHER_MSG", "DropNotSentence", "not a sentence", &UiTexts::DropNotSentence},
    {"OTHER_MSG", "DropUnknownFormatter", "unknown formatter", &UiTexts::DropUnknownFormatter},
    {"OTHER_MSG", "OpenLog", "Open log...", &UiTexts::OpenLog},
    {"OTHER_MSG", "ReplaySpeeds", "Recorded speed|x10|As fast as possible", &UiTexts::ReplaySpeeds},
    {"OTHER_MSG", "ReplayStop", "Stop", &UiTexts::ReplayStop},
    {"OTHER_MSG", "ReplayOf", "Replay of %1", &UiTexts::ReplayOf},
    {"OTHER_MSG", "ReplayOpenError", "The log %1 could not be opened: %2",
     &UiTexts::ReplayOpenError},
}};

// Fills every text with its built-in English value.
void SetEnglishTexts(UiTexts& texts);

} // namespace varo
