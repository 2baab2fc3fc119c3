#pragma once

#include "acquisition/reading.h"
#include "config/calibrationsettings.h"
#include "config/programconfig.h"
#include "logging/energycounter.h"

// What the main window holds for the whole run, shared by its handlers.
struct MainWindowState
{
    ProgramConfig config;
    CalibrationSettings calibration;
    Reading reading;
    IntervalSums sums;
    EnergyCounter energy;
    int loadFlag = 0; // the mode written into every log record; nothing sets it but to 0
};
