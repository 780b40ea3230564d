#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "platform/Settings.h"

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace varo {

struct UiTexts;

// Option -> "Share data on the network...": whether to share, the address
// and TCP port to listen on and the UDP target. OK hands the values to
// `onApply`; the dialog stays open showing its error when that refuses them.
class SharingDialog : public QDialog {
public:
    using ApplyFunction =
        std::function<bool(const platform::ShareSettings& settings, QString& error)>;

    SharingDialog(QWidget* parent, ApplyFunction onApply);

    void ShowTexts(const UiTexts& texts);
    void ShowSettings(const platform::ShareSettings& settings);
    platform::ShareSettings Settings() const;
    void accept() override;

    QCheckBox* chkShare;
    QLineEdit* edtShareAddress;
    QSpinBox* spnSharePort;
    QLineEdit* edtUdpTarget;
    QLabel* lblShareNote;
    QLabel* lblShareError;
    QDialogButtonBox* Buttons;

private:
    QLabel* lblAddress;
    QLabel* lblPort;
    QLabel* lblUdpTarget;
    ApplyFunction onApply;
};

} // namespace varo
