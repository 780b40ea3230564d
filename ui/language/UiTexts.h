#pragma once

#include <QHash>
#include <QString>
#include <array>

#include "gateway/Profile.h"
#include "sentence/SentenceTables.h"

namespace varo {

// The program's title, shown by the application and its main window.
inline constexpr const char* kApplicationTitle = "VARO NMEA Configuration";

// The language-dependent texts: those that code shows in messages and status
// fields, and the captions of the window's controls. Each member is named
// after its key in the language file (page captions carry their page's name).
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
    QString NothingToChange;                    // OTHER_MSG
    QString StaticDataUnreadable;               // OTHER_MSG, %1 the values lost
    QString FlowRateNotTaken;                   // OTHER_MSG, %1 the gateway's value
    QString BaudRateAlreadyUsed;                // TAB_BAUD, %1 the rate
    QString LinkBackAtNewRate;                  // TAB_BAUD, %1 the rate
    QString BaudRateNotTaken;                   // TAB_BAUD, %1 the rate still used
    QString BaudLinkLost;                       // TAB_BAUD, %1 and %2 the rates tried
    QString CauseNothingReceived;               // OTHER_MSG
    QString CauseOtherSpeed;                    // OTHER_MSG
    QString CauseNoProbeAnswer;                 // OTHER_MSG
    QString CauseNoStaticDataEnd;               // OTHER_MSG
    QString PortLost;                           // OTHER_MSG
    QString Reconnecting;                       // OTHER_MSG
    QString HealthIdle;                         // OTHER_MSG
    QString HealthLastLine;                     // OTHER_MSG
    QString HealthNoLine;                       // OTHER_MSG
    QString HealthFigures;                      // OTHER_MSG
    QString HealthSilent;                       // OTHER_MSG
    QString HealthOtherSpeed;                   // OTHER_MSG
    QString HealthNoisy;                        // OTHER_MSG
    QString PortBusy;                           // OTHER_MSG
    QString PortDenied;                         // OTHER_MSG
    QString PortAbsentMark;                     // OTHER_MSG
    QString PortAbsent;                         // OTHER_MSG
    QString PortHeld;                           // OTHER_MSG
    QString AutoSkipped;                        // OTHER_MSG
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
    QString OpenLogFilter;                      // OTHER_MSG, data view
    QString ReplaySpeeds;                       // OTHER_MSG, data view
    QString ReplayStop;                         // OTHER_MSG, data view
    QString ReplayOf;                           // OTHER_MSG, data view
    QString ReplayOpenError;                    // OTHER_MSG, data view
    QString ReplayReadError;                    // OTHER_MSG, data view
    QString ReplayRefused;                      // OTHER_MSG, data view

    // Captions of the window, its pages and dialogs, applied by TForm1::ShowTexts.
    QString Save_Log, View, Refresh;                                        // MAIN_MENU
    QString ConnectHint, StartLogHint, StopLogHint, RefreshHint;            // TOP_PANEL
    QString PseudoTerminal;                                                 // TOP_PANEL
    QString PropertiesTab, ProductInformation, Nmea0183BaudRate;            // PAGE_PROPERTIES
    QString DatabaseVersion, ProductCode, ModelVersion, ModelSerialCode;    // PAGE_PROPERTIES
    QString SoftwareVersionCode, CertificationLevel, IsoAddressClaim;       // PAGE_PROPERTIES
    QString ManufacturerCode, DeviceInstanceLower, DeviceInstanceUpper;     // PAGE_PROPERTIES
    QString DeviceFunction, DeviceClass, SystemInstance, IndustryGroup;     // PAGE_PROPERTIES
    QString BaudRateGroup, NewBaudRate, FlowRateSetting, FlowRate;          // PAGE_PROPERTIES
    QString FlowRateRange, SetNewFlowRate, ModelId, DebugBaudRate;          // PAGE_PROPERTIES
    QString LevelA, LevelB, LevelUnknown, ApplyBaudRate;                    // PAGE_PROPERTIES
    QString MessageCaption, OutOfRange, ChangeSuccessfully;                 // PAGE_PROPERTIES
    QString ConfigurationTab, InputMessage, OutputMessage;                  // PAGE_CONFIGURATION
    QString Nmea0183InputMessage, Nmea2000InputMessage;                     // PAGE_CONFIGURATION
    QString Nmea0183OutputMessage, Nmea2000OutputMessage;                   // PAGE_CONFIGURATION
    QString Default, DefaultHint, MsgName, MsgNameOf, Apply;                // PAGE_CONFIGURATION
    QString AllAisMessages, ConnectFail, ModifiedSuccessfully, ResultError; // PAGE_CONFIGURATION
    QString DefaultQuestion;                                                // PAGE_CONFIGURATION
    QString SaveChanges;                                                    // PAGE_CONFIGURATION
    QString DataViewTab, ColumnLine, ColumnTalker, ColumnFormatter;         // PAGE_DATAVIEW
    QString ColumnName, ColumnLastTime, ColumnCurrentTime, ColumnData;      // PAGE_DATAVIEW
    QString LogFileFilter, NoLogFileName, LogWriteError;                    // PAGE_DATAVIEW
    QString OK, Cancel, Yes, No, AboutCaption, CheckConnection, ErrorBang;  // DIALOG
    QString Version;                                                        // DIALOG
    // Sharing the received stream: the Option menu item and its dialog.
    QString Share_Data;                                       // MAIN_MENU
    QString ShareTitle, ShareEnable, ShareAddress, SharePort; // DIALOG
    QString ShareUdpTarget, ShareLocalOnly, ShareBadTarget;   // DIALOG
    QString SharingOn, SharingFailed;                         // OTHER_MSG, the health bar
    QString Tagline;                                                        // DIALOG
    QString FolderKind; // DIALOG

    // The names of the sentences and PGNs, in the order of
    // SentenceDescriptionTable; section MESSAGE_NAME, keyed by code.
    std::array<QString, SentenceDescriptionTable.size()> MessageNames;
    // The decoded fields' names and units, English -> this language; sections
    // FIELD_NAME and UNIT, keyed by the English text. Empty in English.
    QHash<QString, QString> FieldNames;
    QHash<QString, QString> Units;

    QString ProfileSaveItem;    // PROFILE
    QString ProfileApplyItem;   // PROFILE
    QString ProfileCompareItem; // PROFILE
    QString ProfileFileFilter;  // PROFILE
    QString ProfileReading;     // PROFILE
    QString ProfileWriting;     // PROFILE
    QString ProfileCancel;      // PROFILE
    QString ProfileSaved;       // PROFILE
    QString ProfileWriteError;  // PROFILE
    QString ProfileFileRefused; // PROFILE
    QString ProfileFaults;      // PROFILE, one reason per ProfileFault, separated by |
    QString ProfileUnknownKeys; // PROFILE
    QString ProfileMatches;     // PROFILE
    QString ProfileApplied;     // PROFILE
    QString ProfileDiffers;     // PROFILE
    QString ProfileNotTaken;    // PROFILE
    QString ProfileTitle;       // PROFILE
    QString ProfileSetting;     // PROFILE
    QString ProfileGateway;     // PROFILE
    QString ProfileFile;        // PROFILE
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
inline constexpr auto kUiTextTable = std::to_array<UiTextEntry>({
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
    {"OTHER_MSG", "NothingToChange", "Nothing to change: the gateway already has these settings.",
     &UiTexts::NothingToChange},
    {"OTHER_MSG", "StaticDataUnreadable",
     "The gateway's static data block could not be read whole (%1 damaged or lost). Check the "
     "cable and try again.",
     &UiTexts::StaticDataUnreadable},
    {"OTHER_MSG", "FlowRateNotTaken",
     "The change did not take: the gateway reports a flow rate of %1.", &UiTexts::FlowRateNotTaken},
    {"OTHER_MSG", "CauseNothingReceived",
     "Nothing was received from the port. Check the cable, that the gateway is powered, and that "
     "this is its port.",
     &UiTexts::CauseNothingReceived},
    {"OTHER_MSG", "CauseOtherSpeed",
     "Data arrived at another speed: try Auto or another baud rate.", &UiTexts::CauseOtherSpeed},
    {"OTHER_MSG", "CauseNoProbeAnswer",
     "The gateway sends sentences at this speed but does not answer the probe: check the wire into "
     "the gateway's input (the PC's transmit line), then connect again.",
     &UiTexts::CauseNoProbeAnswer},
    {"OTHER_MSG", "CauseNoStaticDataEnd",
     "The gateway sent part of its static data but no \"[END OF STATIC DATA]\": restart the "
     "gateway, then connect again.",
     &UiTexts::CauseNoStaticDataEnd},
    {"OTHER_MSG", "PortLost", "COM%1 was lost: the port hung up or the adapter was unplugged.",
     &UiTexts::PortLost},
    {"OTHER_MSG", "Reconnecting", "COM%1 is back: connecting again at %2 baud.",
     &UiTexts::Reconnecting},
    {"OTHER_MSG", "HealthIdle", "Not connected", &UiTexts::HealthIdle},
    {"OTHER_MSG", "HealthLastLine", "Last line %1 s ago", &UiTexts::HealthLastLine},
    {"OTHER_MSG", "HealthNoLine", "No line received yet", &UiTexts::HealthNoLine},
    {"OTHER_MSG", "HealthFigures",
     "%1 lines/s | dropped: %2 checksum, %3 too long, %4 not a sentence | other-speed bytes: %5 | "
     "damaged bytes: %6",
     &UiTexts::HealthFigures},
    {"OTHER_MSG", "HealthSilent", "Silent for %1 s: the gateway sends nothing.",
     &UiTexts::HealthSilent},
    {"OTHER_MSG", "HealthOtherSpeed", "Bytes at another speed: check the baud rate.",
     &UiTexts::HealthOtherSpeed},
    {"OTHER_MSG", "HealthNoisy",
     "The line is noisy: %1 % of the bytes are damaged. Check the cable and grounding.",
     &UiTexts::HealthNoisy},
    {"OTHER_MSG", "PortBusy", "busy: %1, pid %2", &UiTexts::PortBusy},
    {"OTHER_MSG", "PortDenied", "access denied: add the user to the dialout group",
     &UiTexts::PortDenied},
    {"OTHER_MSG", "PortAbsentMark", "absent", &UiTexts::PortAbsentMark},
    {"OTHER_MSG", "PortAbsent",
     "COM%1 is absent: its adapter is unplugged or the port was removed. Plug it in again, or "
     "choose another port.",
     &UiTexts::PortAbsent},
    {"OTHER_MSG", "PortHeld",
     "COM%1 is held by another program: %2 (pid %3). Close that program, then connect again.",
     &UiTexts::PortHeld},
    {"OTHER_MSG", "AutoSkipped", "Auto skips %1", &UiTexts::AutoSkipped},
    {"OTHER_MSG", "SettingsWriteError", "The settings could not be saved to %1: %2",
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
    {"OTHER_MSG", "OpenLogFilter", "Logs (*.txt *.nmea *.log)|*.txt *.nmea *.log|All files|*",
     &UiTexts::OpenLogFilter},
    {"OTHER_MSG", "ReplaySpeeds", "Recorded speed|x10|As fast as possible", &UiTexts::ReplaySpeeds},
    {"OTHER_MSG", "ReplayStop", "Stop", &UiTexts::ReplayStop},
    {"OTHER_MSG", "ReplayOf", "Replay of %1", &UiTexts::ReplayOf},
    {"OTHER_MSG", "ReplayOpenError", "The log %1 could not be opened: %2",
     &UiTexts::ReplayOpenError},
    {"OTHER_MSG", "ReplayReadError", "The log %1 could not be read to its end: %2",
     &UiTexts::ReplayReadError},
    {"OTHER_MSG", "ReplayRefused",
     "A log cannot be replayed while connected: its lines would mix with the gateway's. Disconnect "
     "first, then open the log.",
     &UiTexts::ReplayRefused},
    {"MAIN_MENU", "Save_Log", "Save log(&S)", &UiTexts::Save_Log},
    {"MAIN_MENU", "View", "View(&V)", &UiTexts::View},
    {"MAIN_MENU", "Refresh", "Refresh(&R)", &UiTexts::Refresh},
    {"MAIN_MENU", "Share_Data", "Share data on the network...", &UiTexts::Share_Data},
    {"TOP_PANEL", "ConnectHint", "Connect serial port", &UiTexts::ConnectHint},
    {"TOP_PANEL", "StartLogHint", "Start recording Log", &UiTexts::StartLogHint},
    {"TOP_PANEL", "StopLogHint", "Stop recording Log", &UiTexts::StopLogHint},
    {"TOP_PANEL", "RefreshHint", "Refresh", &UiTexts::RefreshHint},
    {"TOP_PANEL", "PseudoTerminal", "pseudo-terminal", &UiTexts::PseudoTerminal},
    {"PAGE_PROPERTIES", "Tab", "PROPERTIES", &UiTexts::PropertiesTab},
    {"PAGE_PROPERTIES", "ProductInformation", "Product Information", &UiTexts::ProductInformation},
    {"PAGE_PROPERTIES", "Nmea0183BaudRate", "NMEA 0183 Baud Rate", &UiTexts::Nmea0183BaudRate},
    {"PAGE_PROPERTIES", "DatabaseVersion", "NMEA 2000 Database Version", &UiTexts::DatabaseVersion},
    {"PAGE_PROPERTIES", "ProductCode", "NMEA 2000 Product Code", &UiTexts::ProductCode},
    {"PAGE_PROPERTIES", "ModelVersion", "Manufacturer's Model Version", &UiTexts::ModelVersion},
    {"PAGE_PROPERTIES", "ModelSerialCode", "Manufacturer's Model Serial Code",
     &UiTexts::ModelSerialCode},
    {"PAGE_PROPERTIES", "SoftwareVersionCode", "Manufacturer's Software Version Code",
     &UiTexts::SoftwareVersionCode},
    {"PAGE_PROPERTIES", "CertificationLevel", "NMEA 2000 Certification Level",
     &UiTexts::CertificationLevel},
    {"PAGE_PROPERTIES", "IsoAddressClaim", "ISO Address Claim", &UiTexts::IsoAddressClaim},
    {"PAGE_PROPERTIES", "ManufacturerCode", "Manufacturer Code", &UiTexts::ManufacturerCode},
    {"PAGE_PROPERTIES", "DeviceInstanceLower", "Device Instance Lower",
     &UiTexts::DeviceInstanceLower},
    {"PAGE_PROPERTIES", "DeviceInstanceUpper", "Device Instance Upper",
     &UiTexts::DeviceInstanceUpper},
    {"PAGE_PROPERTIES", "DeviceFunction", "Device Function", &UiTexts::DeviceFunction},
    {"PAGE_PROPERTIES", "DeviceClass", "Device Class", &UiTexts::DeviceClass},
    {"PAGE_PROPERTIES", "SystemInstance", "System Instance", &UiTexts::SystemInstance},
    {"PAGE_PROPERTIES", "IndustryGroup", "Industry Group", &UiTexts::IndustryGroup},
    {"PAGE_PROPERTIES", "BaudRateGroup", "NMEA 0183 Baud Rate ", &UiTexts::BaudRateGroup},
    {"PAGE_PROPERTIES", "NewBaudRate", "New NMEA 0183 Baud Rate :", &UiTexts::NewBaudRate},
    {"PAGE_PROPERTIES", "FlowRateSetting", "Flow Rate Setting", &UiTexts::FlowRateSetting},
    {"PAGE_PROPERTIES", "FlowRate", "Flow Rate : ", &UiTexts::FlowRate},
    {"PAGE_PROPERTIES", "FlowRateRange", "(1 ~ 5 sec)  (0: no constraint)",
     &UiTexts::FlowRateRange},
    {"PAGE_PROPERTIES", "SetNewFlowRate", "Set New Flow Rate", &UiTexts::SetNewFlowRate},
    {"PAGE_PROPERTIES", "ModelId", "Manufacturer's Model ID", &UiTexts::ModelId},
    {"PAGE_PROPERTIES", "DebugBaudRate", "Debug Baud Rate", &UiTexts::DebugBaudRate},
    {"PAGE_PROPERTIES", "LevelA", "Level A", &UiTexts::LevelA},
    {"PAGE_PROPERTIES", "LevelB", "Level B", &UiTexts::LevelB},
    {"PAGE_PROPERTIES", "LevelUnknown", "Unknown", &UiTexts::LevelUnknown},
    {"PAGE_PROPERTIES", "ApplyBaudRate", "Apply", &UiTexts::ApplyBaudRate},
    {"PAGE_PROPERTIES", "Message", "Message", &UiTexts::MessageCaption},
    {"PAGE_PROPERTIES", "OutOfRange",
     "Out of range!! The flow rate is a whole number of seconds from 0 to 5.",
     &UiTexts::OutOfRange},
    {"PAGE_PROPERTIES", "ChangeSuccessfully", "Change successfully!!",
     &UiTexts::ChangeSuccessfully},
    {"PAGE_CONFIGURATION", "Tab", "CONFIGURATION", &UiTexts::ConfigurationTab},
    {"PAGE_CONFIGURATION", "InputMessage", "Input Message", &UiTexts::InputMessage},
    {"PAGE_CONFIGURATION", "OutputMessage", "Output Message", &UiTexts::OutputMessage},
    {"PAGE_CONFIGURATION", "Nmea0183InputMessage", "NMEA0183 Input Message",
     &UiTexts::Nmea0183InputMessage},
    {"PAGE_CONFIGURATION", "Nmea2000InputMessage", "NMEA2000 Input Message",
     &UiTexts::Nmea2000InputMessage},
    {"PAGE_CONFIGURATION", "Nmea0183OutputMessage", "NMEA0183 Output Message",
     &UiTexts::Nmea0183OutputMessage},
    {"PAGE_CONFIGURATION", "Nmea2000OutputMessage", "NMEA2000 Output Message",
     &UiTexts::Nmea2000OutputMessage},
    {"PAGE_CONFIGURATION", "Default", "Default", &UiTexts::Default},
    {"PAGE_CONFIGURATION", "DefaultHint", "Restore Defaults To all messages",
     &UiTexts::DefaultHint},
    {"PAGE_CONFIGURATION", "MsgName", "Msg Name :", &UiTexts::MsgName},
    {"PAGE_CONFIGURATION", "MsgNameOf", "Msg Name : %1", &UiTexts::MsgNameOf},
    {"PAGE_CONFIGURATION", "Apply", "Apply", &UiTexts::Apply},
    {"PAGE_CONFIGURATION", "AllAisMessages", "All NMEA2000 AIS Message", &UiTexts::AllAisMessages},
    {"PAGE_CONFIGURATION", "ConnectFail", "Connect fail!!", &UiTexts::ConnectFail},
    {"PAGE_CONFIGURATION", "ModifiedSuccessfully", "Modified successfully",
     &UiTexts::ModifiedSuccessfully},
    {"PAGE_CONFIGURATION", "Error", "Error!!", &UiTexts::ResultError},
    {"PAGE_CONFIGURATION", "DefaultQuestion",
     "This will set all messages to default filtering settings.Would you like to proceed?",
     &UiTexts::DefaultQuestion},
    {"PAGE_CONFIGURATION", "SaveChanges", "Do you want to save your changes?",
     &UiTexts::SaveChanges},
    {"PAGE_DATAVIEW", "Tab", "NMEA0183 DATA VIEW(OUTPUT)", &UiTexts::DataViewTab},
    {"PAGE_DATAVIEW", "Line", "Line", &UiTexts::ColumnLine},
    {"PAGE_DATAVIEW", "Talker", "Talker", &UiTexts::ColumnTalker},
    {"PAGE_DATAVIEW", "Formatter", "Formatter", &UiTexts::ColumnFormatter},
    {"PAGE_DATAVIEW", "Name", "Name", &UiTexts::ColumnName},
    {"PAGE_DATAVIEW", "LastTime", "Last Time", &UiTexts::ColumnLastTime},
    {"PAGE_DATAVIEW", "CurrentTime", "Current Time", &UiTexts::ColumnCurrentTime},
    {"PAGE_DATAVIEW", "Data", "Data", &UiTexts::ColumnData},
    {"PAGE_DATAVIEW", "LogFileFilter", "Text files (*.txt)", &UiTexts::LogFileFilter},
    {"PAGE_DATAVIEW", "NoLogFileName", "Please input the name of the output file",
     &UiTexts::NoLogFileName},
    {"PAGE_DATAVIEW", "LogWriteError",
     "The log file could not be written (%1). Recording has stopped; the lines written before are "
     "kept.",
     &UiTexts::LogWriteError},
    {"DIALOG", "OK", "OK", &UiTexts::OK},
    {"DIALOG", "Cancel", "Cancel", &UiTexts::Cancel},
    {"DIALOG", "Yes", "Yes", &UiTexts::Yes},
    {"DIALOG", "No", "No", &UiTexts::No},
    {"DIALOG", "About", "About", &UiTexts::AboutCaption},
    {"DIALOG", "CheckConnection", "Please check RZ-60 connection", &UiTexts::CheckConnection},
    {"DIALOG", "Error", "Error!", &UiTexts::ErrorBang},
    {"DIALOG", "Version", "Ver 1.0.0.3   2013.11.26", &UiTexts::Version},
    {"DIALOG", "ShareTitle", "Share data on the network", &UiTexts::ShareTitle},
    {"DIALOG", "ShareEnable", "Send every received line to other programs", &UiTexts::ShareEnable},
    {"DIALOG", "ShareAddress", "Address:", &UiTexts::ShareAddress},
    {"DIALOG", "SharePort", "TCP port:", &UiTexts::SharePort},
    {"DIALOG", "ShareUdpTarget",
     "UDP target (HOST:PORT, may stay empty):", &UiTexts::ShareUdpTarget},
    {"DIALOG", "ShareLocalOnly",
     "At 127.0.0.1 only programs on this computer connect; name another address to share on "
     "the network.",
     &UiTexts::ShareLocalOnly},
    {"DIALOG", "ShareBadTarget", "The UDP target is not usable: %1", &UiTexts::ShareBadTarget},
    {"OTHER_MSG", "SharingOn", "Sharing on %1, %2 clients", &UiTexts::SharingOn},
    {"OTHER_MSG", "SharingFailed", "Not sharing: %1", &UiTexts::SharingFailed},
    {"DIALOG", "Tagline", "Marine Data Gateway", &UiTexts::Tagline},
    {"DIALOG", "FolderKind", "Folder", &UiTexts::FolderKind},
    {"PROFILE", "ProfileSaveItem", "Save gateway configuration...", &UiTexts::ProfileSaveItem},
    {"PROFILE", "ProfileApplyItem", "Apply configuration file...", &UiTexts::ProfileApplyItem},
    {"PROFILE", "ProfileCompareItem", "Compare with file...", &UiTexts::ProfileCompareItem},
    {"PROFILE", "ProfileFileFilter", "Gateway configuration (*.json)|*.json|All files|*",
     &UiTexts::ProfileFileFilter},
    {"PROFILE", "ProfileReading", "Reading the gateway's configuration...",
     &UiTexts::ProfileReading},
    {"PROFILE", "ProfileWriting", "Writing the configuration to the gateway...",
     &UiTexts::ProfileWriting},
    {"PROFILE", "ProfileCancel", "Cancel", &UiTexts::ProfileCancel},
    {"PROFILE", "ProfileSaved", "The gateway's configuration was saved to %1.",
     &UiTexts::ProfileSaved},
    {"PROFILE", "ProfileWriteError", "%1 could not be written: %2", &UiTexts::ProfileWriteError},
    {"PROFILE", "ProfileFileRefused", "%1 cannot be used: %2", &UiTexts::ProfileFileRefused},
    {"PROFILE", "ProfileFaults", kProfileFaultTexts, &UiTexts::ProfileFaults},
    {"PROFILE", "ProfileUnknownKeys",
     "%1 has keys this program does not know; they were ignored: %2", &UiTexts::ProfileUnknownKeys},
    {"PROFILE", "ProfileMatches", "The gateway matches the file.", &UiTexts::ProfileMatches},
    {"PROFILE", "ProfileApplied", "The gateway now matches the file.", &UiTexts::ProfileApplied},
    {"PROFILE", "ProfileDiffers", "The gateway differs from the file in %1 settings.",
     &UiTexts::ProfileDiffers},
    {"PROFILE", "ProfileNotTaken", "not taken", &UiTexts::ProfileNotTaken},
    {"PROFILE", "ProfileTitle", "Gateway and file", &UiTexts::ProfileTitle},
    {"PROFILE", "ProfileSetting", "Setting", &UiTexts::ProfileSetting},
    {"PROFILE", "ProfileGateway", "Gateway", &UiTexts::ProfileGateway},
    {"PROFILE", "ProfileFile", "File", &UiTexts::ProfileFile},
});

// Fills every text with its built-in English value.
void SetEnglishTexts(UiTexts& texts);

// The name of entry `index` of SentenceDescriptionTable in the current language.
QString MessageName(const UiTexts& texts, std::size_t index);

} // namespace varo
