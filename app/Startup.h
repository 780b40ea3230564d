#pragma once

#include <QApplication>
#include <memory>

#include "UiTexts.h"

namespace varo {

class TForm1;
class TfrmAbout;

// The application object. An exception that escapes an event handler is
// shown to the user in an error box instead of ending the program.
class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The windows of a run, created in start order: the main window, then the
// About box (owned by the main window), then the saved language applied.
struct ApplicationWindows {
    std::unique_ptr<TForm1> form;
    TfrmAbout* about = nullptr;
};
ApplicationWindows CreateApplicationWindows();

} // namespace varo
