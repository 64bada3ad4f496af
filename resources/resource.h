// Resource identifiers of the KCG editor: dialog templates, controls, menu
// commands, strings, bitmaps and the icon. Shared by kcgedit.rc and the C++
// code; plain #defines only, so that the resource compiler can read it.
#ifndef KCG_RESOURCE_H
#define KCG_RESOURCE_H

// ---- Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_KCGEDITOR_DIALOG 102
#define IDD_SPLASH 199
#define IDD_FILE_REVISION 204
#define IDD_CLEAN_KCG_FILES 205

// ---- Icon, menu, bitmaps
#define IDR_MAINFRAME 128 // application icon
#define IDR_MAIN_MENU 139
#define IDR_MAIN_ACCEL 140
#define IDB_BALL_VERTICAL 183   // 300 x 215, ball mounted vertically
#define IDB_BALL_HORIZONTAL 184 // 300 x 215, ball mounted horizontally
#define IDB_LOGO 185            // 64 x 45
#define IDB_SPLASH 198

// ---- Strings
#define IDS_ABOUTBOX 101 // system menu item "&About..."
#define IDS_TITLE_GENERAL 103
#define IDS_TITLE_AXIS 104
#define IDS_TITLE_TUNING 105
#define IDS_1_INSTRUCTIONS_DEFAULT 106
#define IDS_TITLE_GENERAL_INTERNAL 107
#define IDS_TITLE_AXIS_INTERNAL 108
#define IDS_TITLE_TUNING_INTERNAL 109

// ---- Menu and system-menu commands
#define IDM_ABOUTBOX 16 // system menu, opens the About box
#define ID_FILE_EXIT 32774
#define ID_APP_ABOUT 32777
#define ID_ADVANCED_CLEAN 32778
#define ID_ADVANCED_FILE_REVISION 32779
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_HELP_CONTENTS 57670
#define ID_EDIT_UNDO 57643
#define ID_EDIT_REDO 57644
#define ID_SAVE_KEY 32780 // Ctrl+S: the Save button, where it is shown

// ---- Main dialog: General Information screen
#define IDC_GAME_TITLE 1000
#define IDC_EXE_LIST 1001
#define IDC_EXE_NAME 1002
#define IDC_ADD_EXE 1003
#define IDC_INSTRUCTIONS 1004
#define IDC_LABEL_X_POS 1007 // label row 0 (axis X)
#define IDC_LABEL_X_NEG 1008
#define IDC_PRE_DIRECTX5 1009
#define IDC_DIRECTX5 1010
#define IDC_LABEL_Y_POS 1011 // label row 1 (axis Y)
#define IDC_LABEL_Y_NEG 1012
#define IDC_LABEL_Z_POS 1013 // label row 2 (axis Z)
#define IDC_LABEL_Z_NEG 1014
#define IDC_LABEL_R_POS 1015 // label row 3 (axis R)
#define IDC_LABEL_R_NEG 1016
#define IDC_LABEL_U_POS 1017 // label row 4 (axis U)
#define IDC_LABEL_U_NEG 1018
#define IDC_LABEL_V_POS 1019 // label row 5 (axis V)
#define IDC_LABEL_V_NEG 1020
#define IDC_VAR_DWXPOS 1021 // variable names before DirectX 5
#define IDC_VAR_DWYPOS 1022
#define IDC_VAR_DWZPOS 1023
#define IDC_VAR_DWRPOS 1024
#define IDC_VAR_DWUPOS 1025
#define IDC_VAR_DWVPOS 1026
#define IDC_FILE_NAME 1029
#define IDC_VAR_UNUSED 1030
#define IDC_GROUP_GAME_TITLE 1075
#define IDC_GROUP_FILE_NAME 1076
#define IDC_GROUP_EXECUTABLES 1077
#define IDC_EXE_NOTE 1078
#define IDC_GROUP_INSTRUCTIONS 1079
#define IDC_GROUP_MOTION_LABELS 1080
#define IDC_GROUP_DIRECTINPUT 1081
#define IDC_DIRECTINPUT_NOTE 1082
#define IDC_POSITIVE_HEADING 1083
#define IDC_NEGATIVE_HEADING 1084
#define IDC_VAR_LX 1085 // variable names of DirectX 5
#define IDC_VAR_LY 1086
#define IDC_VAR_LZ 1087
#define IDC_VAR_LRZ 1088
#define IDC_VAR_SLIDER0 1089
#define IDC_VAR_SLIDER1 1090
#define IDC_REMOVE_EXE 1091
#define IDC_LOGO 1092         // on every screen
#define IDC_BACK_GENERAL 1144 // always disabled
#define IDC_NEXT_GENERAL 1145
#define IDC_REVISION_LABEL 1147
#define IDC_GROUP_VERSION 1148
#define IDC_INSTRUCTIONS_CHECK 1151
#define IDC_OWNER 1159 // internal use only
#define IDC_OWNER_LABEL 1160
#define IDC_BROWSE_EXE 1162
#define IDC_GROUP_OWNER 1766
#define IDC_FILE_REVISION 1767

// ---- Main dialog: Axis Mapping screen (row k = first id + k)
#define IDC_NEXT_AXIS 1351
#define IDC_BACK_AXIS 1352
#define IDC_INVERT_0 1393 // to 1398
#define IDC_INVERT_1 1394
#define IDC_INVERT_2 1395
#define IDC_INVERT_3 1396
#define IDC_INVERT_4 1397
#define IDC_INVERT_5 1398
#define IDC_INVERT_HEADING 1399
#define IDC_AXIS_HEADING 1400
#define IDC_AXIS_0 1402 // to 1407
#define IDC_AXIS_1 1403
#define IDC_AXIS_2 1404
#define IDC_AXIS_3 1405
#define IDC_AXIS_4 1406
#define IDC_AXIS_5 1407
#define IDC_AXIS_OPPOSITE_0 1408 // to 1413
#define IDC_AXIS_OPPOSITE_1 1409
#define IDC_AXIS_OPPOSITE_2 1410
#define IDC_AXIS_OPPOSITE_3 1411
#define IDC_AXIS_OPPOSITE_4 1412
#define IDC_AXIS_OPPOSITE_5 1413
#define IDC_BALL_VERTICAL 1449 // shows IDB_BALL_VERTICAL
#define IDC_VERTICAL 1452
#define IDC_HORIZONTAL 1453
#define IDC_GROUP_ORIENTATION 1454
#define IDC_BALL_HORIZONTAL 1463 // shows IDB_BALL_HORIZONTAL

// ---- Main dialog: Tuning screen (row r = first id + r)
#define IDC_SAVE 1653
#define IDC_BACK_TUNING 1654
#define IDC_SUGGEST_2 1669
#define IDC_SUGGEST_3 1670
#define IDC_SUGGEST_4 1671
#define IDC_SUGGEST_5 1672
#define IDC_NEXT_TUNING 1673 // always disabled
#define IDC_TEST 1674
#define IDC_MOTIONS_HEADING 1715
#define IDC_SCALARS_HEADING 1716
#define IDC_DEAD_ZONES_HEADING 1717
#define IDC_SCALAR_MARK_0 1718 // "x0" to "x3"
#define IDC_SCALAR_MARK_1 1719
#define IDC_SCALAR_MARK_2 1720
#define IDC_SCALAR_MARK_3 1721
#define IDC_DEAD_ZONE_MARK_0 1722
#define IDC_DEAD_ZONE_MARK_100 1723
#define IDC_ROW_LABEL_0 1724 // to 1729
#define IDC_ROW_LABEL_1 1725
#define IDC_ROW_LABEL_2 1726
#define IDC_ROW_LABEL_3 1727
#define IDC_ROW_LABEL_4 1728
#define IDC_ROW_LABEL_5 1729
#define IDC_SUGGEST_0 1730
#define IDC_SUGGEST_1 1731
#define IDC_SCALAR_0 1732 // to 1737
#define IDC_SCALAR_1 1733
#define IDC_SCALAR_2 1734
#define IDC_SCALAR_3 1735
#define IDC_SCALAR_4 1736
#define IDC_SCALAR_5 1737
#define IDC_DEAD_ZONE_0 1738 // to 1743
#define IDC_DEAD_ZONE_1 1739
#define IDC_DEAD_ZONE_2 1740
#define IDC_DEAD_ZONE_3 1741
#define IDC_DEAD_ZONE_4 1742
#define IDC_DEAD_ZONE_5 1743
#define IDC_SAVE_AS 1761
// The values beside each Tuning row (row r = first id + r)
#define IDC_SCALAR_VALUE_0 1780
#define IDC_SCALAR_VALUE_1 1781
#define IDC_SCALAR_VALUE_2 1782
#define IDC_SCALAR_VALUE_3 1783
#define IDC_SCALAR_VALUE_4 1784
#define IDC_SCALAR_VALUE_5 1785
#define IDC_DEAD_ZONE_VALUE_0 1786
#define IDC_DEAD_ZONE_VALUE_1 1787
#define IDC_DEAD_ZONE_VALUE_2 1788
#define IDC_DEAD_ZONE_VALUE_3 1789
#define IDC_DEAD_ZONE_VALUE_4 1790
#define IDC_DEAD_ZONE_VALUE_5 1791
// The plot of the response of the row with the focus, and its heading
#define IDC_RESPONSE_HEADING 1792
#define IDC_RESPONSE_PLOT 1793
#define IDC_EXIT 1769

// ---- File Revision Number and Clean KCG Files dialogs
#define IDC_REVISION_MAJOR 1773
#define IDC_REVISION_MINOR 1774
#define IDC_CLEAN_LIST 1775
#define IDC_DELETE_FILES 1777

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#endif // KCG_RESOURCE_H
