#pragma once
// The choice of the interface language among the installed language
// modules (the main window's language item).

#include "Language.h"

#include <QDialog>

class QListWidget;
class QPushButton;

class TfmLanguage : public QDialog
{
    Q_OBJECT
public:
    // Lists `modules`, the one of `currentId` selected.
    TfmLanguage(const QList<LanguageModule>& modules, int currentId, QWidget* parent = nullptr);

    // The identifier of the selected module; 0 without a selection.
    int SelectedLanguage() const;

    QListWidget* lbLanguage;
    QPushButton* btOk;
    QPushButton* btCancel;
};
