#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

namespace duomira {

class PictureSet;

// frmAbout: the game's title, a picture, a note from the author, and a button
// for the system-information tool, which the game starts. Shown modal with exec(), created
// afresh for every About command.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    // Modal to its owner, the game's window: above it and on its screen.
    AboutDialog(const PictureSet& pictures, QWidget* owner, std::function<void()> sysInfo);

    QLabel* picture() const { return picIcon_; }
    QPushButton* okButton() const { return cmdOK_; }
    QPushButton* sysInfoButton() const { return cmdSysInfo_; }
    QLabel* description() const { return lblDescription_; }
    QLabel* title() const { return lblTitle_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls(const PictureSet& pictures);
    void Form_Load();
    void cmdSysInfo_Click();

    std::function<void()> sysInfo_;
    QLabel* picIcon_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdSysInfo_ = nullptr;
    QLabel* lblDescription_ = nullptr;
    QLabel* lblTitle_ = nullptr;
};

} // namespace duomira
