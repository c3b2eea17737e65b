#pragma once

#include "MainForm.h"

#include <windows.h>

namespace duomira {

// The numbers by which the windows know their controls, menu commands and
// timer; what a test that drives the program from outside looks for.

// Form1
inline constexpr int kCanvasId = 1;
inline constexpr int kFirstCardId = 100; // pCard(Index) is kFirstCardId + Index
inline constexpr UINT_PTR kCloseTimerId = 1;

inline constexpr UINT kAboutCommand = 11;
inline constexpr UINT kEndCommand = 12;
inline constexpr UINT kStartCommand = 21;
inline constexpr UINT kPasswordCommand = 22;
inline constexpr UINT kMuDummyCommand = 31;
inline constexpr UINT kMnuCountCommand = 32;

// fmGetPass: Command1 is IDOK.
inline constexpr int kTPassId = 101;
inline constexpr int kLabel1Id = 102;

// frmAbout: cmdOK is IDOK.
inline constexpr int kCmdSysInfoId = 201;
inline constexpr int kPicIconId = 202;
inline constexpr int kLblDescriptionId = 203;
inline constexpr int kLblTitleId = 204;

inline UINT commandId(form1::Command command) {
    switch (command) {
    case form1::Command::About:
        return kAboutCommand;
    case form1::Command::End:
        return kEndCommand;
    case form1::Command::Start:
        return kStartCommand;
    case form1::Command::Password:
        return kPasswordCommand;
    case form1::Command::None:
        break;
    }
    return 0;
}

inline form1::Command commandOf(UINT id) {
    for (const form1::Command command : {form1::Command::About, form1::Command::End,
                                         form1::Command::Start, form1::Command::Password})
        if (commandId(command) == id)
            return command;
    return form1::Command::None;
}

} // namespace duomira
