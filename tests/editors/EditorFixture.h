#pragma once
// A level editor on a real database: a temporary installation with DATA/,
// the data module opened on it as at program start, and the clock level
// editor created on top (its FormCreate builds Clock::Configs from the rows
// present at that moment). Messages are captured instead of shown.

#include "ColorBox.h"
#include "DBControls.h"
#include "Data.h"
#include "DataFixture.h"
#include "Define.h"
#include "MessageCapture.h"
#include "TF_Confirm.h"
#include "clock/TfmClockParam.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>
#include <memory>

class EditorFixture
{
public:
    EditorFixture()
    {
        DefineReset();
        ExePath = fx.inst.path() + QLatin1Char('/');
        ConfigPath = ExePath + QLatin1String("Config/");
        CreateAlias = true;
        AliasName = QStringLiteral("EDITORTEST");
        fx.inst.write(QStringLiteral("Steplink.ini"), "[Plate]\r\nName=PLT2020A\r\n");
        fx.addPlate(QStringLiteral("PLT2020A"), 10);
        LogStart();
    }
    ~EditorFixture()
    {
        editor.reset();
        delete F_Data;
        F_Data = nullptr;
        Clock::Configs.Clear();
        TF_Confirm::ClearQueuedAnswers();
    }
    EditorFixture(const EditorFixture&) = delete;
    EditorFixture& operator=(const EditorFixture&) = delete;

    // Opens the data module and creates the editor; `show` shows it as the
    // main window does after setting the filter to the game type.
    TfmClockParam& open(bool show = true)
    {
        F_Data = new TF_Data;
        if (F_Data->EndRequested())
            qFatal("the data module did not open: %s", qPrintable(messages.texts().join('|')));
        editor = std::make_unique<TfmClockParam>();
        if (show) {
            F_Data->tParam->SetFilter(QStringLiteral("TYPE=1"));
            editor->show();
        }
        return *editor;
    }

    int levelRows(int type) const
    {
        return fx.count(QStringLiteral("ParamJeu"), QStringLiteral("TYPE=%1").arg(type));
    }
    QString storedParam(int type, const QString& name) const
    {
        return fx
            .exec(QStringLiteral("SELECT PARAM FROM ParamJeu WHERE TYPE=? AND NIVEAU=?"),
                  {type, name})
            .toString();
    }

    DataFixture fx;
    MessageCapture messages;
    std::unique_ptr<TfmClockParam> editor;
};

// A user's choice from a list: what the combo box does on a click in its list.
inline void Choose(QComboBox* box, const QString& text)
{
    const int index = box->findText(text);
    QVERIFY2(index >= 0, qPrintable(box->objectName() + ": no item " + text));
    box->setCurrentIndex(index);
    emit box->activated(index);
}

// Typing into an editable box, as the user does after emptying it.
inline void TypeInto(QWidget* box, const QString& text)
{
    if (auto* combo = qobject_cast<QComboBox*>(box))
        combo->clearEditText();
    else if (auto* edit = qobject_cast<QLineEdit*>(box))
        edit->clear();
    QTest::keyClicks(box, text);
}

// The parameters of a valid clock level on a started New: circle of four
// balls at distance 50, absolute movement, numbers as the edits hold them.
inline void FillClockLevel(TfmClockParam& editor, const QString& name)
{
    QTest::keyClicks(editor.T_Code, name);
    Choose(editor.cbMovement, QStringLiteral("Absolute"));
    Choose(editor.cbTypeJeu, QStringLiteral("Circle"));
    Choose(editor.cbBallNb, QStringLiteral("4"));
    TypeInto(editor.cbDist, QStringLiteral("50"));
    Choose(editor.cbBallSize, QStringLiteral("30"));
    for (int k = 0; k < 4; ++k)
        TypeInto(editor.NumBall[k], QString::number(k + 1));
}

// A PARAM string in the editor's form.
inline QString ClockParam(const QString& numbers, const QString& middle)
{
    return numbers + QLatin1Char(';') + middle;
}
