#include "Data.h"

#include "AliasRegistry.h"
#include "DbError.h"
#include "Define.h"
#include "IniFile.h"
#include "MessageTable.h"
#include "Messages.h"

#include <QFileInfo>

TF_Data* F_Data = nullptr;

void DataModuleStart()
{
    WriteLog(QStringLiteral("    initialization - data"));
}

namespace {

TTable* makeTable(QObject* owner, const char* name, const char* table, const char* index)
{
    auto* t = new TTable(owner);
    t->setObjectName(QLatin1String(name));
    t->SetTableName(QLatin1String(table));
    if (index)
        t->SetIndexName(QLatin1String(index));
    return t;
}

TDataSource* makeSource(QObject* owner, const char* name, TDataSet* dataSet)
{
    auto* s = new TDataSource(owner);
    s->setObjectName(QLatin1String(name));
    s->SetDataSet(dataSet);
    return s;
}

} // namespace

TF_Data::TF_Data(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("F_Data"));
    DB = new TDatabase(QStringLiteral("DB"), this);
    DB->setObjectName(QStringLiteral("DB"));

    tPat = makeTable(this, "tPat", Tables::Patient, Indexes::PatientExistant);
    tJeu = makeTable(this, "tJeu", Tables::Jeu, Indexes::JeuFkPat);
    tPlates = makeTable(this, "tPlates", Tables::Plates, nullptr);
    tParam = makeTable(this, "tParam", Tables::ParamJeu, Indexes::NiveauExistant);
    tUser = makeTable(this, "tUser", Tables::Users, Indexes::UtilisateurExistant);
    Query = new TQuery(this);
    Query->setObjectName(QStringLiteral("Query"));
    for (TDataSet* dataSet :
         std::initializer_list<TDataSet*>{tPat, tJeu, tPlates, tParam, tUser, Query})
        dataSet->SetDatabase(DB);

    sPat = makeSource(this, "sPat", tPat);
    sJeu = makeSource(this, "sJeu", tJeu);
    sParam = makeSource(this, "sParam", tParam);

    tJeu->SetMasterSource(sPat, QStringLiteral("PK_PAT"), QStringLiteral("FK_PAT"));
    // Until the main window chooses a game, the level table shows ping-pong.
    tParam->SetFilter(QStringLiteral("TYPE=0"));
    tParam->SetFiltered(true);

    tParamPK_Param = tParam->FieldByName(QStringLiteral("PK_Param"));
    tParamTYPE = tParam->FieldByName(QStringLiteral("TYPE"));
    tParamPARAM = tParam->FieldByName(QStringLiteral("PARAM"));
    tParamFICHIER = tParam->FieldByName(QStringLiteral("FICHIER"));
    tParamNIVEAU = tParam->FieldByName(QStringLiteral("NIVEAU"));
    tUserPK_USE = tUser->FieldByName(QStringLiteral("PK_USE"));
    tUserNOM = tUser->FieldByName(QStringLiteral("NOM"));
    tUserPASS_WD = tUser->FieldByName(QStringLiteral("PASS_WD"));

    try {
        F_DataCreate();
    } catch (const AppError& error) {
        ShowMessage(error.message(), MessageKind::Error);
        m_endRequested = true;
    }
}

TF_Data::~TF_Data()
{
    F_DataDestroy();
    if (F_Data == this)
        F_Data = nullptr;
}

void TF_Data::F_DataCreate()
{
    WriteLog(QStringLiteral("db init start"));
    DB->Close();
    DB->SetAliasName(AliasName);

    WriteLog(QStringLiteral("alias creation"));
    AliasRegistry registry;
    if (CreateAlias) {
        if (registry.IsAlias(AliasName))
            registry.DeleteAlias(AliasName);
        registry.AddStandardAlias(AliasName, ExePath + QLatin1String(FileName::DataFolder));
    } else {
        try {
            registry.GetAliasParams(AliasName).value(QLatin1String(AliasParam::Path));
        } catch (const EDBEngineError&) {
            ShowMessage(Msg::tr(Msg::AliasNotFound), MessageKind::Error);
            m_endRequested = true;
            return;
        }
    }

    DB->SetAliasName(AliasName);
    DB->Open();

    WriteLog(QStringLiteral("open tables"));
    tPat->Open();
    tParam->Open();
    tUser->Open();

    CurrentPatient = tPat->IsEmpty() ? 0 : tPat->FieldByName(QStringLiteral("PK_PAT"))->AsInteger();

    tJeu->Open();
    tJeu->SetFilter(QStringLiteral("FK_PAT=") + QString::number(CurrentPatient));
    tJeu->SetFiltered(true);
    tJeu->Close();

    ReadPlateConfig();
    WriteLog(QStringLiteral("db Init end"));
}

void TF_Data::F_DataDestroy()
{
    tPat->Close();
    DB->Close();
}

void TF_Data::ReadPlateConfig()
{
    const QString deviceIni = DeviceIniPath();
    if (QFileInfo(deviceIni).isFile()) {
        PlateName = IniFile(deviceIni)
                        .readString(QLatin1String(Key::PlateName.section),
                                    QLatin1String(Key::PlateName.key), QStringLiteral(" "))
                        .toUpper();
        // The NELVI plate is the PLT2020A model under its sibling product's name.
        if (PlateName == QLatin1String("NELVI"))
            PlateName = QStringLiteral("PLT2020A");
    } else {
        PlateName.clear();
        ShowMessage(Msg::tr(Msg::ConfigProblems) + Msg::tr(Msg::FileMissing) +
                        QLatin1String(FileName::DeviceIni),
                    MessageKind::Warning);
    }

    tPlates->Open();
    try {
        TField* name = tPlates->FieldByName(QStringLiteral("Name"));
        tPlates->First();
        while (!tPlates->Eof()) {
            // A row without a name is no model: it must not match the empty
            // name of a missing device INI.
            const QString model = name->AsString().toUpper();
            if (!model.isEmpty() && model == PlateName) {
                PlateNbCapX = tPlates->FieldByName(QStringLiteral("NbCapX"))->AsInteger();
                break;
            }
            tPlates->Next();
        }
    } catch (...) {
        tPlates->Close();
        throw;
    }
    tPlates->Close();
}
