#include "TF_Confirm.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TF_Confirm* F_Confirm = nullptr;

namespace {
QList<int>& queuedAnswers()
{
    static QList<int> answers;
    return answers;
}
QStringList& askedQuestions()
{
    static QStringList questions;
    return questions;
}
} // namespace

TF_Confirm::TF_Confirm(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("F_Confirm"));
    setWindowTitle(tr(" Confirmation..."));
    setModal(true);
    setFixedWidth(360);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    Image1->setFixedSize(32, 32);

    labMsg = new QLabel(this);
    labMsg->setObjectName(QStringLiteral("labMsg"));
    labMsg->setWordWrap(true);
    labMsg->setAlignment(Qt::AlignCenter);
    QFont bold = labMsg->font();
    bold.setBold(true);
    labMsg->setFont(bold);
    QPalette palette = labMsg->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    labMsg->setPalette(palette);

    btnOk = new QPushButton(tr("&Yes"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    btnOk->setAutoDefault(true);
    btnCancel = new QPushButton(tr("&No"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAutoDefault(false);
    connect(btnOk, &QPushButton::clicked, this, [this] { done(Yes); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { done(No); });

    auto* top = new QHBoxLayout;
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addWidget(labMsg, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
}

int TF_Confirm::ShowModal(const QString& message)
{
    labMsg->setText(message);
    if (!queuedAnswers().isEmpty()) {
        askedQuestions().append(message);
        return queuedAnswers().takeFirst();
    }
    adjustSize();
    btnOk->setFocus();
    const int result = exec();
    // Escape and any other way of closing mean No.
    return result == Yes ? Yes : No;
}

void TF_Confirm::QueueAnswer(int answer)
{
    queuedAnswers().append(answer);
}

QStringList TF_Confirm::TakeAskedQuestions()
{
    return std::exchange(askedQuestions(), {});
}

void TF_Confirm::ClearQueuedAnswers()
{
    queuedAnswers().clear();
    askedQuestions().clear();
}

TF_Confirm* Confirm()
{
    if (!F_Confirm)
        F_Confirm = new TF_Confirm;
    return F_Confirm;
}
