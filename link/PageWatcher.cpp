#include "PageWatcher.h"

#include <QTabWidget>
#include <QTimer>

#include "TForm1.h"

namespace {

constexpr int kConfigurationPage = 1;
constexpr int kProbeConfigurationOpen = 2;
constexpr int kProbeConfigurationClosed = 0;

} // namespace

PageWatcher::PageWatcher(TForm1& form) : form(form) {
    // Instead of looking every millisecond, look once when the link controls
    // come on (they start DetectTabSheet) and then at each page change.
    form.DetectTabSheet->setSingleShot(true);
    QObject::connect(form.DetectTabSheet, &QTimer::timeout, &form, [this] {
        // The link controls come on with a confirmed link; without one there is
        // nobody to tell.
        if (!this->form.FLinked) return;
        // A new link reports the page it finds, whatever the last link reported.
        FEntering = true;
        FLeaving = true;
        DetectTabSheetTimer();
    });
    QObject::connect(form.PageControlConf, &QTabWidget::currentChanged, &form, [this] {
        // The link controls are on exactly while the link is confirmed; a change
        // before the first tick is seen by that tick.
        if (this->form.FLinked && !this->form.DetectTabSheet->isActive()) DetectTabSheetTimer();
    });
}

void PageWatcher::DetectTabSheetTimer() {
    const bool configurationShown = form.PageControlConf->currentIndex() == kConfigurationPage;
    if (configurationShown && FEntering) {
        form.PIC_Timer->start();
        form.LinkProbe(kProbeConfigurationOpen);
        FLeaving = true;
        FEntering = false;
    } else if (!configurationShown && FLeaving) {
        form.PIC_Timer->stop();
        form.LinkProbe(kProbeConfigurationClosed);
        FLeaving = false;
        FEntering = true;
    }
}
