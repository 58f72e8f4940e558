// The English texts of the dialog templates.
#pragma once

#define Z8_DLG_STATUS "%Writing%"
#define Z8_DLG_CANCEL "Cancel"
#define Z8_DLG_ABOUT_CAPTION "About the scanner"
#define Z8_DLG_ABOUT_PRODUCT "Tavro scanner version 1.0"
#define Z8_DLG_ABOUT_PROTOCOL "TWAIN 1.9 source"
