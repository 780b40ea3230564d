#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

#include "gateway/ProfileJob.h"

class QAction;
class QDialog;
class QProgressDialog;
class QTableWidget;

namespace varo {

class TForm1;

// The File menu's gateway profile actions: save the gateway's configuration
// to a profile file, apply a file to the gateway, compare the gateway with a
// file. Enabled while connected. A ProfileJob runs on the device link's
// gateway engine, beside the gateway's normal output, and a cancellable
// progress dialog shows its exchanges.
class ProfileActions : public QObject {
public:
    explicit ProfileActions(TForm1& form);
    ~ProfileActions() override;

    void EnableActions(bool connected);
    // Captions the menu items in the current language.
    void ShowTexts();
    void SaveConfiguration();
    void ApplyConfigurationFile();
    void CompareWithFile();
    bool Running() const { return job != nullptr; }

    // Asks for a file to open; "" when the user cancels. Tests replace it.
    using OpenFileFunction = std::function<QString(const QString& filter)>;
    static OpenFileFunction& OpenFileSeam();

    QAction* SaveAction = nullptr;
    QAction* ApplyAction = nullptr;
    QAction* CompareAction = nullptr;
    // The table of the last comparison (or apply that did not match); null before.
    QDialog* DifferencesDialog = nullptr;
    QTableWidget* DifferencesTable = nullptr;
    QProgressDialog* Progress = nullptr;

private:
    using Finished = std::function<void(ProfileJob& job)>;
    // Runs `kind` over the link; `finished` gets the job from the event loop
    // unless it was cancelled or the link went down.
    void Run(ProfileJob::Kind kind, const Profile* file, const QString& label, Finished finished);
    // Shows the progress and ends the job once it has finished.
    void Watch();
    void Stop();
    // Loads a profile chosen by the user; false (told already) when none is usable.
    bool ChooseProfile(Profile& profile);
    void ShowDifferences(const QString& title, const ProfileJob& job,
                         const std::vector<ProfileDifference>& differences);
    // The gateway stopped answering: says so; false when the job completed.
    bool TellFailure(const ProfileJob& done);

    TForm1& form;
    std::unique_ptr<ProfileJob> job;
    Finished whenFinished;
    QTimer watch; // while a job runs
    int endedBefore = 0, queuedBefore = 0;
};

} // namespace varo
