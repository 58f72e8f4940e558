#pragma once

// The probe's dialog template and its one control.
#define IDD_PROBE 1
#define IDC_PROBE_PANE 100
