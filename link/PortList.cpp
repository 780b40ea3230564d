#include "PortList.h"

#include <QComboBox>
#include <QGuiApplication>
#include <filesystem>

#include "TForm1.h"
#include "platform/com_folder.h"
#include "platform/port_discovery.h"

void PortList::RefreshPorts() {
    EnumeratePorts();
    ProbeOpenablePorts();
    FillPortList();
}

void PortList::EnumeratePorts() {
    const std::vector<int> numbers = platform::EnumeratePorts();
    form.FPortNumbers.assign(numbers.begin(), numbers.end());
}

void PortList::ProbeOpenablePorts() {
    form.FOpenPorts.clear();
    if (form.FPortNumbers.empty()) return;
    // The COM folder plays the part of the serial interface database: when it
    // cannot be read, no port can be probed.
    const std::string folder = platform::ComFolder();
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        ModalMessage(QStringLiteral("Error!"), QGuiApplication::applicationDisplayName(),
                     MessageIcon::None, MessageButtons::Ok);
        return;
    }
    const std::vector<int> present(form.FPortNumbers.begin(), form.FPortNumbers.end());
    const std::vector<int> openable = platform::ProbeOpenablePorts(present, folder);
    form.FOpenPorts.assign(openable.begin(), openable.end());
}

void PortList::FillPortList() {
    const std::vector<int> present(form.FPortNumbers.begin(), form.FPortNumbers.end());
    const platform::PortListContent content = platform::FillPortList(present);
    form.cbxComPort->clear();
    for (const std::string& item : content.Items)
        form.cbxComPort->addItem(QString::fromStdString(item));
    form.cbxComPort->setCurrentText(QString::fromStdString(content.Selected));
}
