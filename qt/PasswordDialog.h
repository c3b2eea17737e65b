#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QScreen;

namespace duomira {

// fmGetPass: the player types the access number; the right one reveals every
// card through the callback. Shown modeless and without an owner, and deletes
// itself whenever it closes, so every new dialog starts empty.
class PasswordDialog : public QDialog {
    Q_OBJECT

public:
    // Opens centred on the given screen, the game's; the primary one if none.
    explicit PasswordDialog(std::function<void()> allOpen, QScreen* screen = nullptr);
    void setVisible(bool visible) override;

    QLineEdit* entry() const { return tPass_; }
    QPushButton* okButton() const { return Command1_; }
    QLabel* label() const { return Label1_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void Form_Load();
    void Command1_Click();

    std::function<void()> allOpen_;
    QPushButton* Command1_ = nullptr;
    QLineEdit* tPass_ = nullptr;
    QLabel* Label1_ = nullptr;
};

} // namespace duomira
