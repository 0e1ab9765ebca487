/*
 * Resource ids of the program's dialog templates, bitmaps and icons. Plain
 * macros, because the resource compiler reads this file as well.
 */
#ifndef Q5_UI_RESOURCE_IDS_H
#define Q5_UI_RESOURCE_IDS_H

#define Q5_IDD_MAIN 102
#define Q5_IDD_PANEL 140
#define Q5_IDD_INFO 164

#define Q5_IDI_APP 128
#define Q5_IDI_MENU_EXIT_HOT 142
#define Q5_IDI_MENU_CONFIG 143
#define Q5_IDI_MENU_SPARE 144
#define Q5_IDI_MENU_CONFIG_HOT 145
#define Q5_IDI_MENU_EXIT 146

#define Q5_IDB_MAIN_NORMAL 127
#define Q5_IDB_MAIN_HIGHLIGHT 129
#define Q5_IDB_MAIN_PRESSED 130
#define Q5_IDB_MOUSE 151
#define Q5_IDB_INFO_HOVER 161
#define Q5_IDB_INFO_PRESSED 162
#define Q5_IDB_INFO_NORMAL 163

#define Q5_IDC_MOUSE_PICTURE 1001

#endif
