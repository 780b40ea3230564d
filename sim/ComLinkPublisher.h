#pragma once

// Publishes the pseudo-terminal as comN in the COM folder, which to the tool
// looks like an adapter being plugged in; removing the link unplugs it.

#include <string>

namespace varo::sim {

class ComLinkPublisher {
public:
    explicit ComLinkPublisher(std::string folder) : FFolder(std::move(folder)) {}
    ~ComLinkPublisher() { Remove(); }
    ComLinkPublisher(const ComLinkPublisher&) = delete;
    ComLinkPublisher& operator=(const ComLinkPublisher&) = delete;

    // Links comN to `device`: N = `number`, or the lowest free number when 0.
    // A link of that number whose device is gone is taken over; one that
    // names a present terminal is not. Returns N, or 0 on failure.
    int Publish(int number, const std::string& device);
    // Removes the link if it still points at our device.
    void Remove();

    int Number() const { return FNumber; }
    const std::string& Folder() const { return FFolder; }

private:
    std::string FFolder;
    std::string FDevice;
    int FNumber = 0;
};

} // namespace varo::sim