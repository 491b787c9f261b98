#include "TfmLanguage.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TfmLanguage::TfmLanguage(const QList<LanguageModule>& modules, int currentId, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fmLanguage"));
    setWindowTitle(tr("Language"));
    setModal(true);

    lbLanguage = new QListWidget(this);
    lbLanguage->setObjectName(QStringLiteral("lbLanguage"));
    for (const LanguageModule& module : modules) {
        auto* item = new QListWidgetItem(module.name, lbLanguage);
        item->setData(Qt::UserRole, module.id);
        if (module.id == currentId)
            lbLanguage->setCurrentItem(item);
    }
    if (!lbLanguage->currentItem() && lbLanguage->count() > 0)
        lbLanguage->setCurrentRow(0);

    btOk = new QPushButton(tr("&OK"), this);
    btOk->setObjectName(QStringLiteral("btOk"));
    btOk->setDefault(true);
    btCancel = new QPushButton(tr("&Cancel"), this);
    btCancel->setObjectName(QStringLiteral("btCancel"));
    connect(btOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lbLanguage, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btOk);
    buttons->addWidget(btCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lbLanguage);
    layout->addLayout(buttons);
}

int TfmLanguage::SelectedLanguage() const
{
    const QListWidgetItem* item = lbLanguage->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : 0;
}
