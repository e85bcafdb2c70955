#pragma once
// Resource numbers of the program's pictures, shared by C++ code and ribeto.rc, which
// is why they are macros.

// The program icon: 16 x 16 and 32 x 32, each in 32-bit colour with alpha and in 256
// colours with a mask.
#define IDI_RIBETO 1

// 16 x 16 glyphs of the list buttons, each followed by its greyed (disabled) version.
// 24-bit; magenta RGB(255, 0, 255) is transparent.
#define IDB_UP 101
#define IDB_UP_GREY 102
#define IDB_DOWN 103
#define IDB_DOWN_GREY 104
#define IDB_ADD 105
#define IDB_ADD_GREY 106
#define IDB_ERASE 107
#define IDB_ERASE_GREY 108
#define IDB_CLEAR 109
#define IDB_CLEAR_GREY 110

// The Convert button's picture, 32 x 27, same format and transparent colour.
#define IDB_CONVERT 111
#define IDB_CONVERT_GREY 112
