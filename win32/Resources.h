/* The resource numbers of duomira.rc as the program looks them up. Plain
   macros: the resource compiler reads this file too. */
#pragma once

/* Icon 1, the lowest, is the program file's own, the one Explorer and the
   task bar show at any scale; the windows show the designed icons. */
#define IDI_PROGRAM 1
#define IDI_ABOUT 2
#define IDI_WINDOW 3

/* Each picture and the hand cursor come in three densities, for 96, 144 and
   192 dots per inch: the 1.5x one is numbered IDR_DENSITY_STEP above the 1x
   one, the 2x one twice that. */
#define IDR_DENSITY_STEP 1000

#define IDCUR_BOARD_HAND 1

/* Face p is IDB_FACE00 + p. */
#define IDB_FACE00 100
#define IDB_FACE01 101
#define IDB_FACE02 102
#define IDB_FACE03 103
#define IDB_FACE04 104
#define IDB_FACE05 105
#define IDB_FACE06 106
#define IDB_FACE07 107
#define IDB_FACE08 108
#define IDB_FACE09 109
#define IDB_FACE10 110
#define IDB_FACE11 111
#define IDB_BACK 120
#define IDB_SLOT_TEMPLATE 121
#define IDB_ABOUT_PICTURE 122

/* The game's own fonts, RCDATA, numbered on from IDR_FONT_FIRST. */
#define IDR_FONT_GOTHIC 130
#define IDR_FONT_GOTHIC_BOLD 131
#define IDR_FONT_GOTHIC_CODING 132
#define IDR_FONT_FIRST IDR_FONT_GOTHIC
#define IDR_FONT_LAST IDR_FONT_GOTHIC_CODING
