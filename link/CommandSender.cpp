#include "CommandSender.h"

#include <QRadioButton>
#include <QToolButton>
#include <climits>
#include <cstring>

#include "TForm1.h"
#include "comm/thread_comm.h"
#include "config/CommandSentence.h"

bool CommandSender::SendCommand(const char* talker, const char* formatter) {
    char buffer[varo::kCommandBufferSize];
    if (!varo::buildCommandSentence(buffer, sizeof buffer, talker, formatter)) return false;
    if (WriteRaw(buffer, std::strlen(buffer))) return true;
    if (form.RadioButtonConnectionModeAuto->isChecked()) return true;
    // Pressing Connect while it is down disconnects.
    if (form.OpenPort->isChecked()) form.OpenPort->click();
    ModalMessage(form.FTexts.PortOpenError, form.FTexts.Error, MessageIcon::Error,
                 MessageButtons::Ok);
    return false;
}

bool CommandSender::WriteRaw(const void* bytes, std::size_t count) {
    if (!form.FComm->Connected() || count > INT_MAX) return false;
    return form.FComm->Write(bytes, static_cast<int>(count)) > 0;
}
