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

// A menu command's number is its place among the commands.
inline constexpr UINT kFirstCommandId = 10;
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
    return kFirstCommandId + static_cast<UINT>(command);
}

inline form1::Command commandOf(UINT id) {
    const UINT last = commandId(form1::Command::Password);
    return id > kFirstCommandId && id <= last ? static_cast<form1::Command>(id - kFirstCommandId)
                                              : form1::Command::None;
}

} // namespace duomira
