#pragma once

// The gateway's one thread of work: reads and answers the tool's commands,
// emits the periodic output at the line's pace, watches the line speed and
// plays the faults it was told to show.

#include "sim/ComLinkPublisher.h"
#include "sim/GatewayCommands.h"
#include "sim/LineAssembler.h"
#include "sim/LineFaults.h"
#include "sim/OutputBatch.h"
#include "sim/OutputQueue.h"
#include "sim/PseudoTerminal.h"
#include "sim/SimOptions.h"
#include "sim/Transcript.h"

#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace varo::sim {

class GatewayLoop {
public:
    explicit GatewayLoop(const SimOptions& options);

    // Opens the terminal, publishes its link and opens the transcript.
    bool Open(std::string& error);
    // Serves until `wakeFd` becomes readable.
    void Run(int wakeFd);
    // Removes the link and closes the terminal.
    void Close();

    int ComNumber() const;
    std::string DevicePath() const;

private:
    bool OpenLine();
    void CloseLine();
    void PlayFaultTimes(double elapsed);
    bool LineSpeedMatches() const;
    void EmitBatchIfDue(SimClock::time_point now, double elapsed);
    // True while a program holds the port (see SimOptions::sharedHolder).
    bool Held(SimClock::time_point now);
    void ReadCommands(double elapsed);
    void HandleLine(const std::string& line, bool speedMatches, bool silent);
    void SendPending(SimClock::time_point now);
    bool Silent(double elapsed) const;
    // True for a command that is to be lost or ignored (recorded as such).
    bool Ignores(const std::string& line);
    // Answers held back by --reply-delay whose time has come go to the queue.
    void ReleaseDelayedReplies(SimClock::time_point now);

    const SimOptions& FOptions;
    GatewayCommands FCommands;
    OutputBatchBuilder FBatches;
    OutputQueue FQueue;
    LineFaults FFaults;
    LineAssembler FAssembler;
    Transcript FTranscript;
    PseudoTerminal FPty;
    ComLinkPublisher FPublisher;

    mutable std::mutex FIdentityLock; // guards the two values below
    int FComNumber = 0;
    std::string FDevicePath;

    std::string FSending;           // the rest of the line being written
    std::uint32_t FPendingBaud = 0; // switch to this once the replies are out
    std::vector<std::pair<SimClock::time_point, std::string>> FDelayed; // answers held back
    std::optional<SimClock::time_point> FListenerSince;
    std::optional<SimClock::time_point> FNextBatch;
    std::optional<SimClock::time_point> FHolderCheckedAt; // --shared-holder's last look
    bool FHolderSeen = false;
    bool FDropped = false;
    bool FReturned = false;
};

} // namespace varo::sim