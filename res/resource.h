// Resource ids of Install.EXE, shared by the resource script and the code.
#pragma once

#define IDD_ABOUTBOX            100
#define IDS_ABOUTBOX            101
#define IDD_INSTALL_DIALOG      102
#define IDS_GAME_NOT_INSTALLED  103
#define IDS_INSTALL_FINISHED    106
#define IDS_INSTALL_FAILED      107
#define IDS_ITEM_DESCRIPTION    108
#define IDS_DUNGEON_NAME        109
#define IDS_ITEM_NAME           127
#define IDR_MAINFRAME           128
#define IDD_WAIT_EXIT           129
#define IDR_PAYLOAD             132
#define IDC_DESCRIPTION         1000
#define IDS_REMAIN_SECONDS      1309
#define IDC_REMAIN              11004
#define IDM_ABOUTBOX            0x0010
