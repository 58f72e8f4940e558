#pragma once

#include <cstdint>

namespace z8 {

// The scanner's one-byte status (status replies and the end-of-page reply).
// 8 is a value without a name.
enum ScanStatus : uint8_t {
    ST_OK = 0,                   // ready
    SCAN_REPOS = 1,              // idle
    SCAN_EN_COURS = 2,           // scan in progress
    SCAN_FIN_FEUILLE = 3,        // end of sheet
    SCAN_FIN_DOC = 4,            // end of document
    SCAN_FEUILLE_PRETE = 5,      // a sheet is ready in the feeder
    SCAN_ATTENTE_FEUILLE = 6,    // waiting for a sheet
    SCAN_BUSY = 7,               // busy
    SCAN_PRECHAUFFAGE = 9,       // warming up
    SCAN_ERREUR_BOURRAGE = 128,  // paper jam
    SCAN_ERREUR_HARD = 129,      // hardware fault
    SCAN_ERREUR_PARAM = 130,     // parameters refused
    SCAN_ERREUR_TIMOUT = 131,    // time-out in the scanner
    SCAN_ERREUR_CAPOT = 132,     // cover open
    SCAN_FAX_ABORT = 133,        // scan abandoned for the fax side
};

// The name of a status ("SCAN_ERREUR_CAPOT"), or null for a value without one.
const char* ScanStatusName(uint8_t status);

}  // namespace z8
