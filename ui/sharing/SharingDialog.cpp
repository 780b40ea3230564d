#include "SharingDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "UiTexts.h"

namespace varo {
namespace {

template <typename Widget> Widget* Named(QWidget* parent, const char* name) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

SharingDialog::SharingDialog(QWidget* parent, ApplyFunction onApply)
    : QDialog(parent), onApply(std::move(onApply)) {
    setObjectName(QStringLiteral("SharingDialog"));
    chkShare = Named<QCheckBox>(this, "chkShare");
    edtShareAddress = Named<QLineEdit>(this, "edtShareAddress");
    spnSharePort = Named<QSpinBox>(this, "spnSharePort");
    spnSharePort->setRange(1, 65535);
    edtUdpTarget = Named<QLineEdit>(this, "edtUdpTarget");
    lblShareNote = Named<QLabel>(this, "lblShareNote");
    lblShareNote->setWordWrap(true);
    lblShareError = Named<QLabel>(this, "lblShareError");
    lblShareError->setWordWrap(true);
    lblShareError->setStyleSheet(QStringLiteral("color: red"));
    lblShareError->hide();
    lblAddress = new QLabel(this);
    lblPort = new QLabel(this);
    lblUdpTarget = new QLabel(this);
    Buttons = Named<QDialogButtonBox>(this, "ShareButtons");
    Buttons->setStandardButtons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(Buttons, &QDialogButtonBox::accepted, this, &SharingDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* fields = new QFormLayout;
    fields->addRow(lblAddress, edtShareAddress);
    fields->addRow(lblPort, spnSharePort);
    fields->addRow(lblUdpTarget, edtUdpTarget);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chkShare);
    layout->addLayout(fields);
    layout->addWidget(lblShareNote);
    layout->addWidget(lblShareError);
    layout->addWidget(Buttons);
}

void SharingDialog::ShowTexts(const UiTexts& texts) {
    setWindowTitle(texts.ShareTitle);
    chkShare->setText(texts.ShareEnable);
    lblAddress->setText(texts.ShareAddress);
    lblPort->setText(texts.SharePort);
    lblUdpTarget->setText(texts.ShareUdpTarget);
    lblShareNote->setText(texts.ShareLocalOnly);
    Buttons->button(QDialogButtonBox::Ok)->setText(texts.OK);
    Buttons->button(QDialogButtonBox::Cancel)->setText(texts.Cancel);
}

void SharingDialog::ShowSettings(const platform::ShareSettings& settings) {
    chkShare->setChecked(settings.enabled);
    edtShareAddress->setText(QString::fromStdString(settings.address));
    spnSharePort->setValue(settings.port);
    edtUdpTarget->setText(QString::fromStdString(settings.udpTarget));
    lblShareError->hide();
}

platform::ShareSettings SharingDialog::Settings() const {
    platform::ShareSettings settings;
    settings.enabled = chkShare->isChecked();
    settings.address = edtShareAddress->text().trimmed().toStdString();
    settings.port = spnSharePort->value();
    settings.udpTarget = edtUdpTarget->text().trimmed().toStdString();
    return settings;
}

void SharingDialog::accept() {
    QString error;
    if (!onApply(Settings(), error)) {
        lblShareError->setText(error);
        lblShareError->show();
        return;
    }
    QDialog::accept();
}

} // namespace varo
