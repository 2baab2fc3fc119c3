#pragma once

#include "acquisition/framehealth.h"
#include "acquisition/reading.h"
#include "config/calibrationsettings.h"
#include "config/programconfig.h"
#include "logging/energycounter.h"

#include <QDateTime>

// What the main window holds for the whole run, shared by its handlers.
struct MainWindowState
{
    ProgramConfig config;
    CalibrationSettings calibration;
    Reading reading;
    IntervalSums sums;
    EnergyCounter energy;
    int loadFlag = 0; // the mode written into every log record; nothing sets it but to 0
    FrameHealth health;
    QDateTime lastReadingTime; // when the reading last changed: power older than a minute is stale
};
