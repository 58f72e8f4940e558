#include "device/scan_status.h"

namespace z8 {

const char* ScanStatusName(uint8_t status) {
    switch (status) {
        case ST_OK:
            return "ST_OK";
        case SCAN_REPOS:
            return "SCAN_REPOS";
        case SCAN_EN_COURS:
            return "SCAN_EN_COURS";
        case SCAN_FIN_FEUILLE:
            return "SCAN_FIN_FEUILLE";
        case SCAN_FIN_DOC:
            return "SCAN_FIN_DOC";
        case SCAN_FEUILLE_PRETE:
            return "SCAN_FEUILLE_PRETE";
        case SCAN_ATTENTE_FEUILLE:
            return "SCAN_ATTENTE_FEUILLE";
        case SCAN_BUSY:
            return "SCAN_BUSY";
        case SCAN_PRECHAUFFAGE:
            return "SCAN_PRECHAUFFAGE";
        case SCAN_ERREUR_BOURRAGE:
            return "SCAN_ERREUR_BOURRAGE";
        case SCAN_ERREUR_HARD:
            return "SCAN_ERREUR_HARD";
        case SCAN_ERREUR_PARAM:
            return "SCAN_ERREUR_PARAM";
        case SCAN_ERREUR_TIMOUT:
            return "SCAN_ERREUR_TIMOUT";
        case SCAN_ERREUR_CAPOT:
            return "SCAN_ERREUR_CAPOT";
        case SCAN_FAX_ABORT:
            return "SCAN_FAX_ABORT";
        default:
            return nullptr;
    }
}

}  // namespace z8
