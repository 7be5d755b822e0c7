// Numeric ids of the executable's resources (shared by the resource script and the code).
#pragma once

#define IDS_SCREENSAVER_NAME 1
#define IDB_ABOUT_LOGO 101
#define IDI_SCREENSAVER 102
#define IDI_SCREENSAVER_SMALL 113
#define IDR_FRAGMENT_SHADER 136
#define IDR_VERTEX_SHADER 137
#define IDR_SKY_MATERIAL 140
#define IDR_SKY_MESH 141
