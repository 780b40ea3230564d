#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace varo {

// The About box: logo, product title, version and the read-me text of the
// current language. Created once at start, shown without being modal.
class TfrmAbout : public QDialog {
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* parent);

    // Paints `tagline` into the logo under the model, where the picture
    // leaves room for it; the words are the logo label's accessible name too.
    void ShowTagline(const QString& tagline);

    QLabel* Image2;
    QLabel* StaticTextProduct;
    QLabel* Label6;
    QPlainTextEdit* Memo1;
    QPushButton* btnOK;
};

} // namespace varo
