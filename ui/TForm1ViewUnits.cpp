// Creates the data view and language units and connects them to their controls.
#include <QAction>
#include <QToolButton>

#include "DataView.h"
#include "LanguageFiles.h"
#include "TForm1.h"

namespace varo {

void TForm1::CreateViewUnits() {
    FDataView = std::make_unique<DataView>(*this);
    connect(R1, &QAction::triggered, this, [this] { FDataView->ClearDataView(); });
    connect(BitBtn1, &QToolButton::clicked, this, [this] { FDataView->ClearDataView(); });
    connect(Savelog1, &QAction::triggered, this, [this] { FDataView->ToggleLogRecording(); });
    connect(SaveSpeedButton, &QToolButton::clicked, this,
            [this] { FDataView->ToggleLogRecording(); });

    FLanguageFiles = std::make_unique<LanguageFiles>(*this);
    for (QAction* item : {mnuLangEnglish, mnuLangTraChinese, mnuLangSimpChinese}) {
        connect(item, &QAction::triggered, this,
                [this, item] { FLanguageFiles->SelectLanguage(item); });
    }
}

} // namespace varo
