#pragma once

#include <QString>
#include <vector>

#include "Dialogs.h"

namespace varo {

// Replaces the message box seam while alive: every box is recorded and
// answered with `answer`; the production box is put back afterwards.
struct AskedMessage {
    QString text;
    QString caption;
    MessageIcon icon;
    MessageButtons buttons;
};

class RecordingMessageBoxes {
public:
    explicit RecordingMessageBoxes(MessageResult answer) : answer_(answer) {
        MessageBoxSeam() = [this](const QString& text, const QString& caption, MessageIcon icon,
                                  MessageButtons buttons) {
            asked.push_back({text, caption, icon, buttons});
            return answer_;
        };
    }
    ~RecordingMessageBoxes() { MessageBoxSeam() = ShowMessageBox; }
    RecordingMessageBoxes(const RecordingMessageBoxes&) = delete;
    RecordingMessageBoxes& operator=(const RecordingMessageBoxes&) = delete;

    void Answer(MessageResult answer) { answer_ = answer; }

    std::vector<AskedMessage> asked;

private:
    MessageResult answer_;
};

} // namespace varo
