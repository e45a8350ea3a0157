#pragma once

#include <QDialog>

#include <cstdint>

class Diseno;
class Form1;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The clean-up dialog of start-up: how many documentation files there are and
// how large, and the offer to switch documentation off and delete them.
class Dialog : public QDialog {
    Q_OBJECT
public:
    explicit Dialog(Form1& principal);

    QPlainTextEdit* Text1 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    void Dialog_Form_Load();
    void OKButton_Click();
    void CancelButton_Click();

    // The count message, with the two spaces after "con" and the leading space
    // of each number.
    static QString mensaje_cuenta(std::int64_t archivos, std::int64_t bytes);

private:
    Form1& principal_;
    Diseno* diseno_ = nullptr;
};
