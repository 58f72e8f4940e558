// The French texts of the dialog templates; the English library's script
// includes its own set of these macros before the same templates.
#pragma once

#define Z8_DLG_STATUS "%Ecriture%"
#define Z8_DLG_CANCEL "Annuler"
#define Z8_DLG_ABOUT_CAPTION "A propos du scanner"
#define Z8_DLG_ABOUT_PRODUCT "Scanner Tavro version 1.0"
#define Z8_DLG_ABOUT_PROTOCOL "Source TWAIN 1.9"
