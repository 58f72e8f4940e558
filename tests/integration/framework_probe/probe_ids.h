#pragma once

// The probe's dialog template and its controls.
#define IDD_PROBE 1
#define IDC_PROBE_PANE 100
#define IDC_PROBE_BUTTON 101
