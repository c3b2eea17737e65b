#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QScreen;

namespace duomira {

// fmGetPass: the player types the access number, and OK hands it to the
// game. Shown modeless and without an owner, and deletes itself whenever it
// closes, so every new dialog starts empty.
class PasswordDialog : public QDialog {
    Q_OBJECT

public:
    // Opens centred on the given screen, the game's; the primary one if none.
    explicit PasswordDialog(std::function<void(const std::string&)> answered,
                            QScreen* screen = nullptr);
    void setVisible(bool visible) override;

    QLineEdit* entry() const { return tPass_; }
    QPushButton* okButton() const { return Command1_; }
    QLabel* label() const { return Label1_; }

signals:
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void Command1_Click();

    std::function<void(const std::string&)> answered_;
    QPushButton* Command1_ = nullptr;
    QLineEdit* tPass_ = nullptr;
    QLabel* Label1_ = nullptr;
};

} // namespace duomira
