#include "LogReplay.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "DataView.h"
#include "DeviceLink.h"
#include "Dialogs.h"
#include "ReceivePath.h"
#include "TForm1.h"
#include "config/DataLogFormat.h"

namespace varo {
namespace {

constexpr std::int64_t kDay = 86400;

} // namespace

LogReplay::LogReplay(TForm1& form) : form(form) {
    mnuOpenLog = new QAction(form.mnuFile);
    mnuOpenLog->setObjectName(QStringLiteral("mnuOpenLog"));
    form.mnuFile->insertAction(form.Savelog1, mnuOpenLog);
    QObject::connect(mnuOpenLog, &QAction::triggered, &form, [this] { OpenLogClick(); });

    QWidget* page = form.TabSheet2;
    ReplayBar = new QWidget(page);
    ReplayBar->setObjectName(QStringLiteral("ReplayBar"));
    auto* row = new QHBoxLayout(ReplayBar);
    row->setContentsMargins(0, 0, 0, 0);
    lblReplayFile = new QLabel(ReplayBar);
    cbxReplaySpeed = new QComboBox(ReplayBar);
    cbxReplaySpeed->setObjectName(QStringLiteral("cbxReplaySpeed"));
    btnReplayPause = new QToolButton(ReplayBar);
    btnReplayPause->setObjectName(QStringLiteral("btnReplayPause"));
    btnReplayPause->setCheckable(true);
    btnReplayStop = new QToolButton(ReplayBar);
    btnReplayStop->setObjectName(QStringLiteral("btnReplayStop"));
    ReplayProgress = new QProgressBar(ReplayBar);
    ReplayProgress->setObjectName(QStringLiteral("ReplayProgress"));
    ReplayProgress->setRange(0, 1000);
    ReplayProgress->setTextVisible(false);
    row->addWidget(lblReplayFile);
    row->addWidget(cbxReplaySpeed);
    row->addWidget(btnReplayPause);
    row->addWidget(btnReplayStop);
    row->addWidget(ReplayProgress, 1);
    static_cast<QVBoxLayout*>(page->layout())->insertWidget(1, ReplayBar);
    ReplayBar->hide();
    ShowTexts();

    QObject::connect(cbxReplaySpeed, &QComboBox::activated, &form,
                     [this](int item) { SetSpeed(static_cast<Speed>(item)); });
    QObject::connect(btnReplayPause, &QToolButton::toggled, &form,
                     [this](bool on) { SetPaused(on); });
    QObject::connect(btnReplayStop, &QToolButton::clicked, &form, [this] {
        Stop();
        ReplayBar->hide();
    });
    timer.setInterval(kTickMs);
    QObject::connect(&timer, &QTimer::timeout, &form, [this] { Tick(); });
}

LogReplay::~LogReplay() {
    if (file != nullptr) std::fclose(file);
}

void LogReplay::ShowTexts() {
    const UiTexts& texts = form.FTexts;
    mnuOpenLog->setText(texts.OpenLog);
    const QStringList speeds = texts.ReplaySpeeds.split(QLatin1Char('|'));
    const int item = cbxReplaySpeed->currentIndex();
    cbxReplaySpeed->clear();
    cbxReplaySpeed->addItems(speeds);
    cbxReplaySpeed->setCurrentIndex(item < 0 ? static_cast<int>(speed) : item);
    btnReplayPause->setText(texts.PauseView);
    btnReplayStop->setText(texts.ReplayStop);
    if (!replayName.isEmpty()) lblReplayFile->setText(texts.ReplayOf.arg(replayName));
}

void LogReplay::OpenLogClick() {
    const QString path = ChooseFileToOpen(form.FTexts.OpenLog, form.FTexts.OpenLogFilter);
    if (!path.isEmpty()) Start(path);
}

bool LogReplay::Start(const QString& path) {
    // Replayed rows would mix with the gateway's live ones in the same grid.
    if (form.FLink->ConnectPressed()) {
        ModalMessage(form.FTexts.ReplayRefused, form.FTexts.Warning, MessageIcon::Warning,
                     MessageButtons::Ok);
        return false;
    }
    Stop();
    // A folder opens but cannot be read.
    errno = QFileInfo(path).isDir() ? EISDIR : 0;
    if (errno == 0) file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (file == nullptr) {
        ModalMessage(
            form.FTexts.ReplayOpenError.arg(path, QString::fromLocal8Bit(std::strerror(errno))),
            form.FTexts.Error, MessageIcon::Error, MessageButtons::Ok);
        return false;
    }
    std::fseek(file, 0, SEEK_END);
    size = std::ftell(file);
    std::rewind(file);
    reader = std::make_unique<platform::LineReader>(file);
    replayPath = path;
    form.FDataView->ClearDataView();
    // The file's first line must not join what the port left unfinished.
    form.FLink->BeginReplay();
    played = 0;
    firstTime = lastTime = -1;
    position = 0;
    hasPending = false;
    replayName = QFileInfo(path).fileName();
    lblReplayFile->setText(form.FTexts.ReplayOf.arg(replayName));
    ReplayProgress->setValue(0);
    btnReplayPause->setEnabled(true);
    btnReplayPause->setChecked(false);
    paused = false;
    ReplayBar->show();
    form.PageControlConf->setCurrentWidget(form.TabSheet2);
    form.StringGrid1->show();
    wall.start();
    timer.start();
    return true;
}

void LogReplay::Stop() {
    timer.stop();
    reader.reset();
    if (file != nullptr) std::fclose(file);
    file = nullptr;
    hasPending = false;
}

void LogReplay::EndForLink() {
    if (ReplayBar->isHidden()) return;
    Stop();
    ReplayBar->hide();
    form.FDataView->ClearDataView();
}

void LogReplay::Finish() {
    const int error = reader->Error(); // a folder or an I/O error: the log was not played whole
    Stop();
    if (error != 0)
        ModalMessage(form.FTexts.ReplayReadError.arg(replayPath,
                                                     QString::fromLocal8Bit(std::strerror(error))),
                     form.FTexts.Error, MessageIcon::Error, MessageButtons::Ok);
    ReplayProgress->setValue(ReplayProgress->maximum());
    btnReplayPause->setEnabled(false);
    form.FDataView->Repaint();
}

void LogReplay::SetPaused(bool on) {
    paused = on;
    btnReplayPause->setChecked(on);
    wall.restart();
}

void LogReplay::SetSpeed(Speed chosen) {
    speed = chosen;
    cbxReplaySpeed->setCurrentIndex(static_cast<int>(chosen));
}

bool LogReplay::ReadLine() {
    if (!reader->Next()) return false;
    // A line cut at the reader's bound stays far over the sentence length:
    // the receive path drops it as too long.
    pending.assign(reader->Line());
    return true;
}

void LogReplay::Tick() {
    const double elapsed = static_cast<double>(wall.restart()) / 1000.0;
    if (paused || file == nullptr) return;
    if (speed != Speed::Fastest) position += elapsed * (speed == Speed::Ten ? 10.0 : 1.0);
    for (int lines = 0; lines < kLinesPerTick; ++lines) {
        if (!hasPending) {
            if (!ReadLine()) {
                Finish();
                return;
            }
            const LogLine read = ReadLogLine(pending);
            if (read.kind == LogLine::Kind::Other) continue;
            std::int64_t time = read.time;
            if (time >= 0) {
                // A data log gives times of the day: past midnight they start again.
                while (lastTime >= 0 && time < lastTime - kDay / 2)
                    time += kDay;
                if (firstTime < 0) firstTime = time;
                lastTime = std::max(lastTime, time);
            }
            // A raw log's lines take the time of the comment before them.
            pendingTime = time >= 0 ? time : lastTime;
            if (read.kind == LogLine::Kind::Stamp) continue;
            pending = std::string(read.text);
            hasPending = true;
        }
        if (speed != Speed::Fastest && pendingTime >= 0 &&
            static_cast<double>(pendingTime - firstTime) > position)
            break; // not due yet
        pending += "\r\n";
        form.FLink->ReplayBytes(reinterpret_cast<const std::uint8_t*>(pending.data()),
                                pending.size());
        hasPending = false;
        ++played;
    }
    if (size > 0)
        ReplayProgress->setValue(static_cast<int>(1000.0 * static_cast<double>(reader->Consumed()) /
                                                  static_cast<double>(size)));
}

} // namespace varo
