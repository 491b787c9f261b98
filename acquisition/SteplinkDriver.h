#pragma once
// The platform driver library, bound at run time from the program folder.

#include "steplink.h"

#include <QString>

struct SteplinkApi
{
    SLGetVersionFn SLGetVersion = nullptr;
    SLInitFn SLInit = nullptr;
    SLStartAcqContinueFn SLStartAcqContinue = nullptr;
    SLReadPodoCGFn SLReadPodoCG = nullptr;
    SLStopAcqContinueFn SLStopAcqContinue = nullptr;
    SLExitFn SLExit = nullptr;

    bool isBound() const;
};

// The functions of the library the program runs with; empty until
// LoadSteplinkDriver succeeded.
extern SteplinkApi SteplinkDriver;

// Binds the six functions of `libraryPath`. On failure returns false, leaves
// `api` empty and puts a message naming the file into `error`.
bool BindSteplinkLibrary(const QString& libraryPath, SteplinkApi& api, QString& error);

// Binds SteplinkDriver from the library in `exePath`. A missing library or
// function is shown to the user; the caller ends the program as it does for
// a fatal driver error.
bool LoadSteplinkDriver(const QString& exePath);

// The library's version text (SLGetVersion).
QString SteplinkVersion(const SteplinkApi& api = SteplinkDriver);
