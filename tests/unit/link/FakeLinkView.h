#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "ConnectionManager.h"
#include "LinkView.h"

namespace varo {

// The screen as the device link sees it, without a widget: the controls are
// plain values the test sets, and everything the link shows is recorded.
class FakeLinkView : public LinkView {
public:
    // The controls.
    bool automatic = false;
    std::vector<std::string> ports{"N/A"};
    std::string chosenPort = "N/A";
    int baudItem = kDefaultBaudItem;
    bool configurationPage = false;
    bool forceConnect = true; // the answer to ConfirmForcedConnect

    // What the link showed.
    QString autoPort, autoBaud;
    bool buttonDown = false;
    bool modeControls = true;
    bool linkControls = false;
    bool watchdog = false;
    LinkStatus status = LinkStatus::Disconnect;
    int animationFrames = 0;
    int forcedConnectQuestions = 0;
    std::vector<LinkFailure> failures;
    std::vector<FailureCause> causes;
    std::vector<int> lostPorts, reconnects, skippedPorts;
    std::vector<PortNote> portNotes;
    std::vector<std::string> received, sentences;
    std::vector<ProductInfo> staticData;

    // Listed and present: a chosen port that went away stays listed, marked absent.
    bool Listed(int number) const {
        const auto item = std::find(ports.begin(), ports.end(), std::to_string(number));
        if (item == ports.end()) return false;
        const auto index = static_cast<std::size_t>(item - ports.begin());
        return index >= portNotes.size() || !portNotes[index].absent;
    }
    // Chooses COM `number` and the speed of `baud` ("38400") in Manual mode.
    void ChooseManual(int number, const QString& baud) {
        automatic = false;
        chosenPort = std::to_string(number);
        baudItem = -1;
        for (int item = 0; item < static_cast<int>(BaudListRates.size()); ++item)
            if (BaudItemText(item) == baud) baudItem = item;
    }

    bool AutoMode() const override { return automatic; }
    QString ChosenPort() const override { return QString::fromStdString(chosenPort); }
    int ChosenBaudItem() const override { return baudItem; }
    void ShowChosenPort(int number) override {
        if (Listed(number)) chosenPort = std::to_string(number);
    }
    void ShowChosenBaudItem(int item) override { baudItem = item; }
    void ShowPorts(const std::vector<std::string>& items, const std::string& selected) override {
        ports = items;
        chosenPort = selected;
    }
    void ShowConnectionMode(bool) override { ShowAutoDetect({}, {}); }
    void ShowAutoDetect(const QString& port, const QString& baud) override {
        autoPort = port;
        autoBaud = baud;
    }
    void ShowConnectButton(bool down) override { buttonDown = down; }
    void EnableModeControls(bool on) override { modeControls = on; }
    void ShowLinkStatus(LinkStatus shown) override { status = shown; }
    void AnimateConnecting() override { ++animationFrames; }
    void SetLinkControls(bool on) override { linkControls = on; }
    void ReportFailure(LinkFailure failure, FailureCause cause) override {
        failures.push_back(failure);
        causes.push_back(cause);
    }
    void ShowSkippedPorts(const std::vector<int>& numbers) override { skippedPorts = numbers; }
    void ReportPortLost(int number) override { lostPorts.push_back(number); }
    void ReportReconnecting(int number, int) override { reconnects.push_back(number); }
    void ShowPortNotes(const std::vector<PortNote>& notes) override { portNotes = notes; }
    bool ConfirmForcedConnect() override {
        ++forcedConnectQuestions;
        return forceConnect;
    }
    bool ConfigurationPageShown() const override { return configurationPage; }
    void RunWatchdog(bool on) override { watchdog = on; }
    void ShowReceivedLine(std::string_view line, LineDrop drop) override {
        if (drop != LineDrop::TooLong) received.emplace_back(line);
    }
    void ShowSentence(const char* line) override { sentences.emplace_back(line); }
    void ShowStaticData(const ProductInfo& info) override { staticData.push_back(info); }
};

} // namespace varo
