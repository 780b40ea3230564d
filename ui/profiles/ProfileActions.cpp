#include "ProfileActions.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QMenu>
#include <QProgressDialog>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cstring>

#include "DeviceLink.h"
#include "Dialogs.h"
#include "TForm1.h"
#include "gateway/StaticData.h"
#include "platform/AtomicFile.h"

namespace varo {
namespace {

QString AskOpenFileName(const QString& filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), QString(),
                                        ToQtNameFilter(filter));
}

// The keys a file had that were ignored, as a list.
QString JoinKeys(const std::vector<std::string>& keys) {
    QStringList list;
    for (const std::string& key : keys)
        list.append(QString::fromStdString(key));
    return list.join(QStringLiteral(", "));
}

constexpr int kTableWidth = 560;
constexpr int kTableHeight = 360;
constexpr int kWatchInterval = 50; // ms

} // namespace

ProfileActions::OpenFileFunction& ProfileActions::OpenFileSeam() {
    static OpenFileFunction seam = AskOpenFileName;
    return seam;
}

ProfileActions::ProfileActions(TForm1& form) : form(form) {
    SaveAction = new QAction(form.mnuFile);
    SaveAction->setObjectName(QStringLiteral("mnuSaveGatewayConfiguration"));
    ApplyAction = new QAction(form.mnuFile);
    ApplyAction->setObjectName(QStringLiteral("mnuApplyConfigurationFile"));
    CompareAction = new QAction(form.mnuFile);
    CompareAction->setObjectName(QStringLiteral("mnuCompareWithFile"));
    form.mnuFile->insertActions(form.mnuExit, {SaveAction, ApplyAction, CompareAction});
    form.mnuFile->insertSeparator(form.mnuExit);
    ShowTexts();
    connect(SaveAction, &QAction::triggered, this, [this] { SaveConfiguration(); });
    connect(ApplyAction, &QAction::triggered, this, [this] { ApplyConfigurationFile(); });
    connect(CompareAction, &QAction::triggered, this, [this] { CompareWithFile(); });
    watch.setInterval(kWatchInterval);
    connect(&watch, &QTimer::timeout, this, [this] { Watch(); });
    EnableActions(false);
}

// The window's link is gone by now (it is declared after this unit): only
// this unit's own parts are stopped.
ProfileActions::~ProfileActions() {
    watch.stop();
}

void ProfileActions::ShowTexts() {
    SaveAction->setText(form.FTexts.ProfileSaveItem);
    ApplyAction->setText(form.FTexts.ProfileApplyItem);
    CompareAction->setText(form.FTexts.ProfileCompareItem);
}

void ProfileActions::EnableActions(bool connected) {
    for (QAction* action : {SaveAction, ApplyAction, CompareAction})
        action->setEnabled(connected);
    // The link went down: nothing is left to talk to.
    if (!connected && job != nullptr) Stop();
}

void ProfileActions::Run(ProfileJob::Kind kind, const Profile* file, const QString& label,
                         Finished finished) {
    Stop();
    GatewayEngine& engine = form.FLink->Engine();
    job = std::make_unique<ProfileJob>(engine, kind);
    if (file != nullptr) job->SetFile(*file, false);
    whenFinished = std::move(finished);
    endedBefore = engine.Ended();
    queuedBefore = engine.Queued();
    Progress = new QProgressDialog(label, form.FTexts.ProfileCancel, 0, 1, &form);
    Progress->setObjectName(QStringLiteral("ProfileProgress"));
    Progress->setWindowModality(Qt::WindowModal);
    Progress->setMinimumDuration(0);
    Progress->setAutoClose(false);
    Progress->setAutoReset(false);
    connect(Progress, &QProgressDialog::canceled, this, [this] { Stop(); });
    Progress->show();
    // The job's first request takes its deadline from the engine's time: now.
    engine.OnTime(GatewayEngine::Clock::now());
    job->Start();
    form.FLink->PumpEngine();
    watch.start();
}

void ProfileActions::Watch() {
    if (job == nullptr) return;
    const GatewayEngine& engine = form.FLink->Engine();
    if (Progress != nullptr) {
        Progress->setMaximum(std::max(1, engine.Queued() - queuedBefore));
        Progress->setValue(engine.Ended() - endedBefore);
    }
    if (!job->Finished()) return;
    std::unique_ptr<ProfileJob> done = std::move(job);
    Finished finished = std::move(whenFinished);
    Stop();
    if (finished) finished(*done);
}

// The job's requests leave the engine with it; a change already sent stays
// on the gateway.
void ProfileActions::Stop() {
    watch.stop();
    if (job != nullptr) form.FLink->Engine().DropRequests();
    job.reset();
    whenFinished = nullptr;
    if (Progress != nullptr) {
        Progress->disconnect(this);
        Progress->close();
        Progress->deleteLater();
        Progress = nullptr;
    }
}

bool ProfileActions::ChooseProfile(Profile& profile) {
    const QString path = OpenFileSeam()(form.FTexts.ProfileFileFilter);
    if (path.isEmpty()) return false;
    ProfileError error;
    std::vector<std::string> unknown;
    if (!LoadProfileFile(QFile::encodeName(path).toStdString(), profile, error, unknown)) {
        const QString why = QString::fromStdString(error.key) + QStringLiteral(": ") +
                            QString::fromStdString(
                                ProfileFaultText(form.FTexts.ProfileFaults.toStdString(), error));
        ModalMessage(form.FTexts.ProfileFileRefused.arg(path, why), form.FTexts.Error,
                     MessageIcon::Error, MessageButtons::Ok);
        return false;
    }
    if (!unknown.empty())
        ModalMessage(form.FTexts.ProfileUnknownKeys.arg(path, JoinKeys(unknown)),
                     form.FTexts.ProfileTitle, MessageIcon::Warning, MessageButtons::Ok);
    return true;
}

bool ProfileActions::TellFailure(const ProfileJob& done) {
    if (!done.Failed()) return false;
    ModalMessage(done.Unreadable() ? form.FTexts.StaticDataUnreadable.arg(
                                         QString::fromStdString(StaticValueNames(done.Missing())))
                                   : form.FTexts.NoAnswer,
                 form.FTexts.Error, MessageIcon::Error, MessageButtons::Ok);
    return true;
}

void ProfileActions::SaveConfiguration() {
    TSaveDialog dialog{form.FTexts.ProfileFileFilter, QStringLiteral("json"), {}};
    if (!dialog.Execute()) return;
    const QString path = dialog.FileName;
    // A file that cannot be written is told before the gateway is read.
    if (int error = 0; !platform::CheckWritable(QFile::encodeName(path).toStdString(), error)) {
        ModalMessage(
            form.FTexts.ProfileWriteError.arg(path, QString::fromLocal8Bit(std::strerror(error))),
            form.FTexts.Error, MessageIcon::Error, MessageButtons::Ok);
        return;
    }
    Run(ProfileJob::Kind::Read, nullptr, form.FTexts.ProfileReading,
        [this, path](ProfileJob& done) {
            if (TellFailure(done)) return;
            int error = 0;
            if (platform::WriteFileAtomically(QFile::encodeName(path).toStdString(),
                                              ProfileJson(done.Gateway()), error))
                ModalMessage(form.FTexts.ProfileSaved.arg(path), form.FTexts.ProfileTitle,
                             MessageIcon::Information, MessageButtons::Ok);
            else
                ModalMessage(form.FTexts.ProfileWriteError.arg(
                                 path, QString::fromLocal8Bit(std::strerror(error))),
                             form.FTexts.Error, MessageIcon::Error, MessageButtons::Ok);
        });
}

void ProfileActions::ApplyConfigurationFile() {
    Profile file;
    if (!ChooseProfile(file)) return;
    Run(ProfileJob::Kind::Apply, &file, form.FTexts.ProfileWriting, [this](ProfileJob& done) {
        if (TellFailure(done)) return;
        std::vector<ProfileDifference> counted;
        for (const ProfileDifference& difference : done.Differences())
            if (!difference.identity) counted.push_back(difference);
        if (counted.empty() && done.NotTaken().empty()) {
            ModalMessage(form.FTexts.ProfileApplied, form.FTexts.ProfileTitle,
                         MessageIcon::Information, MessageButtons::Ok);
            return;
        }
        ShowDifferences(form.FTexts.ProfileDiffers.arg(counted.size() + done.NotTaken().size()),
                        done, counted);
    });
}

void ProfileActions::CompareWithFile() {
    auto file = std::make_shared<Profile>();
    if (!ChooseProfile(*file)) return;
    Run(ProfileJob::Kind::Read, nullptr, form.FTexts.ProfileReading,
        [this, file](ProfileJob& done) {
            if (TellFailure(done)) return;
            const std::vector<ProfileDifference> differences =
                CompareProfiles(done.Gateway(), *file);
            if (differences.empty()) {
                ModalMessage(form.FTexts.ProfileMatches, form.FTexts.ProfileTitle,
                             MessageIcon::Information, MessageButtons::Ok);
                return;
            }
            ShowDifferences(form.FTexts.ProfileDiffers.arg(differences.size()), done, differences);
        });
}

// A table of the differences (and of the changes not taken) beside the window.
void ProfileActions::ShowDifferences(const QString& title, const ProfileJob& done,
                                     const std::vector<ProfileDifference>& differences) {
    if (DifferencesDialog != nullptr) DifferencesDialog->deleteLater();
    DifferencesDialog = new QDialog(&form);
    DifferencesDialog->setObjectName(QStringLiteral("ProfileDifferences"));
    DifferencesDialog->setWindowTitle(title);
    auto* layout = new QVBoxLayout(DifferencesDialog);
    DifferencesTable = new QTableWidget(0, 3, DifferencesDialog);
    DifferencesTable->setObjectName(QStringLiteral("ProfileDifferencesTable"));
    DifferencesTable->setHorizontalHeaderLabels(
        {form.FTexts.ProfileSetting, form.FTexts.ProfileGateway, form.FTexts.ProfileFile});
    DifferencesTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DifferencesTable->verticalHeader()->setVisible(false);
    auto addRow = [this](const QString& key, const QString& gateway, const QString& file) {
        const int row = DifferencesTable->rowCount();
        DifferencesTable->insertRow(row);
        DifferencesTable->setItem(row, 0, new QTableWidgetItem(key));
        DifferencesTable->setItem(row, 1, new QTableWidgetItem(gateway));
        DifferencesTable->setItem(row, 2, new QTableWidgetItem(file));
    };
    for (const std::string& key : done.NotTaken())
        addRow(QString::fromStdString(key), form.FTexts.ProfileNotTaken, QString());
    for (const ProfileDifference& difference : differences)
        addRow(QString::fromStdString(difference.key), QString::fromStdString(difference.gateway),
               QString::fromStdString(difference.file));
    DifferencesTable->resizeColumnsToContents();
    DifferencesTable->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(DifferencesTable);
    DifferencesDialog->resize(kTableWidth, kTableHeight);
    DifferencesDialog->show();
}

} // namespace varo
