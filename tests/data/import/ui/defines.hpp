// Colours, fonts and the layout grid shared by every dialog of the mission.
#ifndef UI_DEFINES_INCLUDED
#define UI_DEFINES_INCLUDED

#define CT_STATIC   0
#define CT_BUTTON   1
#define CT_EDIT     2
#define CT_LISTBOX  5
#define CT_ACTIVETEXT 11

#define ST_LEFT     0x00
#define ST_CENTER   0x02
#define ST_PICTURE  0x30
#define ST_FRAME    0x40
#define ST_MULTI    0x10

#define COLOR_WHITE     {1, 1, 1, 1}
#define COLOR_BLACK     {0, 0, 0, 1}
#define COLOR_PANEL     {0.1, 0.1, 0.1, 0.8}
#define COLOR_HOVER     {1, 0.6, 0, 1}
#define FONT_MAIN       "TahomaB36"
#define FONT_FIXED      CourierNewB64

/* The grid: 40 columns across the screen, 25 rows down. */
#define GRID_W          0.025
#define GRID_H          0.04
#define GRID_X(col)     ((col) * GRID_W)
#define GRID_Y(row)     ((row) * GRID_H)
#define WIDE(cols)      w = (cols) * GRID_W; \
                        h = GRID_H

#endif
