// Resource identifiers shared by tavrel.rc and the Windows front-end.
#pragma once

#define IDI_TAVREL 1        // the application icon
#define IDB_AIRLINER 101    // the About box's picture, 108 x 99 pixels
#define IDB_AIRLINER_2X 102 // the same at twice the size, for 144 DPI and more
