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
    QString DataPaneDetail;                     // DATA_VIEW
    QString DataPaneAis;                        // DATA_VIEW
    QString DataPaneRaw;                        // DATA_VIEW
    QString PauseView;                          // DATA_VIEW
    QString ViewFilter;                         // DATA_VIEW
    QString DataCounters;                       // DATA_VIEW
    QString GridCountColumns;                   // DATA_VIEW
    QString DetailColumns;                      // DATA_VIEW
    QString NotAvailable;                       // DATA_VIEW
    QString AisMessageType;                     // DATA_VIEW
    QString AisColumns;                         // DATA_VIEW
    QString OwnVessel;                          // DATA_VIEW
    QString DropChecksum;                       // DATA_VIEW
    QString DropEnding;                         // DATA_VIEW
    QString DropTooLong;                        // DATA_VIEW
    QString DropNotSentence;                    // DATA_VIEW
    QString DropUnknownFormatter;               // DATA_VIEW
    QString OpenLog;                            // DATA_VIEW
    QString ReplaySpeeds;                       // DATA_VIEW
    QString ReplayStop;                         // DATA_VIEW
    QString ReplayOf;                           // DATA_VIEW
    QString ReplayOpenError;                    // DATA_VIEW
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
    {"DATA_VIEW", "DataPaneDetail", "Decoded fields", &UiTexts::DataPaneDetail},
    {"DATA_VIEW", "DataPaneAis", "AIS targets", &UiTexts::DataPaneAis},
    {"DATA_VIEW", "DataPaneRaw", "Raw monitor", &UiTexts::DataPaneRaw},
    {"DATA_VIEW", "PauseView", "Pause", &UiTexts::PauseView},
    {"DATA_VIEW", "ViewFilter", "Filter: talker, formatter or text", &UiTexts::ViewFilter},
    {"DATA_VIEW", "DataCounters",
     "Shown: %1 | dropped: %2 checksum, %3 ending, %4 too long, %5 unknown formatter, %6 not a "
     "sentence | garbage bytes: %7",
     &UiTexts::DataCounters},
    {"DATA_VIEW", "GridCountColumns", "Count|Rate (/s)", &UiTexts::GridCountColumns},
    {"DATA_VIEW", "DetailColumns", "Field|Value|Unit", &UiTexts::DetailColumns},
    {"DATA_VIEW", "NotAvailable", "not available", &UiTexts::NotAvailable},
    {"DATA_VIEW", "AisMessageType", "AIS message type %1", &UiTexts::AisMessageType},
    {"DATA_VIEW", "AisColumns",
     "MMSI|Name|Call sign|Ship type|Latitude|Longitude|SOG (kn)|COG (deg)|Heading (deg)|Last "
     "seen|Messages",
     &UiTexts::AisColumns},
    {"DATA_VIEW", "OwnVessel", "own vessel", &UiTexts::OwnVessel},
    {"DATA_VIEW", "DropChecksum", "checksum", &UiTexts::DropChecksum},
    {"DATA_VIEW", "DropEnding", "ending", &UiTexts::DropEnding},
    {"DATA_VIEW", "DropTooLong", "too long", &UiTexts::DropTooLong},
    {"DATA_VIEW", "DropNotSentence", "not a sentence", &UiTexts::DropNotSentence},
    {"DATA_VIEW", "DropUnknownFormatter", "unknown formatter", &UiTexts::DropUnknownFormatter},
    {"DATA_VIEW", "OpenLog", "Open log...", &UiTexts::OpenLog},
    {"DATA_VIEW", "ReplaySpeeds", "Recorded speed|x10|As fast as possible", &UiTexts::ReplaySpeeds},
    {"DATA_VIEW", "ReplayStop", "Stop", &UiTexts::ReplayStop},
    {"DATA_VIEW", "ReplayOf", "Replay of %1", &UiTexts::ReplayOf},
    {"DATA_VIEW", "ReplayOpenError", "The log %1 could not be opened: %2",
     &UiTexts::ReplayOpenError},
}};

// Fills every text with its built-in English value.
void SetEnglishTexts(UiTexts& texts);

} // namespace varo
