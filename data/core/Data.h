#pragma once
// The data module: the one connection to the program's database and the
// tables every window works on. Created once during program start, before
// the login; it lives until the program ends.

#include "DataSet.h"
#include "Database.h"

#include <QObject>

class TF_Data : public QObject
{
    Q_OBJECT
public:
    // Builds the components and runs the opening sequence (F_DataCreate).
    // An error of the sequence is shown to the user and raises the end
    // request instead of leaving the constructor.
    explicit TF_Data(QObject* parent = nullptr);
    ~TF_Data() override;

    // Components. Each carries its name as objectName.
    TDatabase* DB;
    TTable* tPat;    // Patient.DB by "Patient_Existant"; feeds sPat
    TTable* tJeu;    // Jeu.DB by "FK_PAT", detail of tPat; feeds sJeu
    TTable* tPlates; // Plates.DB, storage order
    TTable* tParam;  // ParamJeu.DB by "Niveau_Existant", filtered "TYPE=n"; feeds sParam
    TTable* tUser;   // Users.DB by "Utilisateur existant"
    TQuery* Query;   // the login's statement
    TDataSource* sPat;
    TDataSource* sJeu;
    TDataSource* sParam;

    TField* tParamPK_Param;
    TField* tParamTYPE;
    TField* tParamPARAM;
    TField* tParamFICHIER;
    TField* tParamNIVEAU;
    TField* tUserPK_USE;
    TField* tUserNOM;
    TField* tUserPASS_WD;

    // The plate model looked up by ReadPlateConfig, upper case.
    QString PlateName;

    // The opening sequence: alias, connection, tables, current patient, trial
    // filter, plate model. Throws the engine's error; returns early (with
    // the end request raised) when the alias is missing.
    void F_DataCreate();
    // Closes the patient table and the connection.
    void F_DataDestroy();
    // Finds the platform model of the device INI in Plates.DB and sets
    // PlateNbCapX from it.
    void ReadPlateConfig();

    // True when start-up must end: the alias is missing or the opening failed.
    bool EndRequested() const { return m_endRequested; }

private:
    bool m_endRequested = false;
};

extern TF_Data* F_Data;

// The data module's part of module start-up: its log line.
void DataModuleStart();
