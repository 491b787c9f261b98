#pragma once
// A temporary installation with a real database, the data module open on
// it, and a driver table of the test's own in place of the platform library.

#include "AcqCgPodo.h"
#include "Data.h"
#include "DataFixture.h"
#include "Define.h"
#include "SteplinkDriver.h"
#include "TfmBalvoroMain.h"

#include <QByteArray>
#include <QSignalSpy>
#include <memory>

// The platform driver as the tests want it: SLInit answers what the test
// sets, every call is counted, the CoG stands still at (10, 20).
namespace FakeDriver {
inline int initResult = 0;
inline int initCalls = 0;
inline int exitCalls = 0;
inline int stopCalls = 0;
inline QByteArray initAlias;
inline int initCode = 0;
inline void* initWindow = nullptr;

inline void getVersion(char* version, int32_t size)
{
    qstrncpy(version, "fake", size_t(size));
}
inline int32_t init(void*, void* window, const char* alias, int32_t code)
{
    ++initCalls;
    initAlias = alias;
    initCode = code;
    initWindow = window;
    return initResult;
}
inline int32_t start()
{
    return 0;
}
inline int32_t read(float* x, float* y, float*, float*)
{
    *x = 10.0f;
    *y = 20.0f;
    return 0;
}
inline int32_t stop()
{
    ++stopCalls;
    return 0;
}
inline int32_t release()
{
    ++exitCalls;
    return 0;
}

inline void install(int result)
{
    initResult = result;
    initCalls = exitCalls = stopCalls = 0;
    initAlias.clear();
    initCode = 0;
    initWindow = nullptr;
    SteplinkDriver = SteplinkApi{getVersion, init, start, read, stop, release};
}
} // namespace FakeDriver

class ShellFixture
{
public:
    DataFixture db;

    // A patient with the fields the patient page shows.
    int addPatient(const QString& nom, const QString& prenom,
                   const QString& sexe = QStringLiteral("F"))
    {
        return db
            .exec(QStringLiteral("INSERT INTO Patient (NOM, PRENOM, SEXE, BIRTHDT, POINTURE, "
                                 "ADRESSE, CP, VILLE, NOTE) VALUES (?, ?, ?, '01/02/1950', '42', "
                                 "'1 rue Haute', '75001', 'Paris', 'a note')"),
                  {nom, prenom, sexe})
            .toInt();
    }
    int addTrial(int patient, int type, int n, const QString& level, const QString& score)
    {
        return db.addTrial(
            patient, type, QStringLiteral("01/%1/2024").arg(n, 2, 10, QLatin1Char('0')),
            QStringLiteral("10:00:%1").arg(n, 2, 10, QLatin1Char('0')), level, score);
    }

    // Module start as the program does it, without the language and INI
    // work; then the data module on the database.
    void startModules(bool programIni = true)
    {
        ExePath = db.inst.path() + QLatin1Char('/');
        ConfigPath = ExePath + QLatin1String("Config/");
        CurrentGameType = -1;
        CreateAlias = true;
        AliasName = QStringLiteral("QXDATA");
        db.inst.write(QStringLiteral("Steplink.ini"), "[Plate]\r\nName=PLT2020A\r\n");
        if (programIni)
            db.inst.write(QStringLiteral("Config/Balvoro.ini"),
                          "[General]\r\nBackGround_Color=0\r\nLanguage=9\r\n");
        LogStart();
        F_Data = new TF_Data;
    }

    TfmBalvoroMain* open(int slInitResult = 0, bool programIni = true)
    {
        FakeDriver::install(slInitResult);
        startModules(programIni);
        window = std::make_unique<TfmBalvoroMain>();
        window->show();
        return window.get();
    }

    ~ShellFixture()
    {
        window.reset();
        delete F_Data;
        F_Data = nullptr;
    }

    std::unique_ptr<TfmBalvoroMain> window;
};
