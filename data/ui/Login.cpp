#include "Login.h"

#include "Data.h"
#include "Define.h"
#include "FileNames.h"
#include "IniFile.h"
#include "MessageTable.h"
#include "Messages.h"
#include "Password.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The device INI as the login names it; found without regard to case.
constexpr auto DeviceIniUpper = "STEPLINK.INI";

bool isPasswordCharacter(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

} // namespace

TfmLogin::TfmLogin(TF_Data* data, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_data(data)
{
    setObjectName(QStringLiteral("fmLogin"));
    setWindowTitle(tr("Droits d'accès"));
    setModal(true);

    lLogin = new QLabel(tr("Utilisateur"), this);
    lLogin->setObjectName(QStringLiteral("lLogin"));
    eLogin = new QLineEdit(this);
    eLogin->setObjectName(QStringLiteral("eLogin"));
    lLogin->setBuddy(eLogin);
    lPassWd = new QLabel(tr("Mot de passe"), this);
    lPassWd->setObjectName(QStringLiteral("lPassWd"));
    ePassWd = new QLineEdit(this);
    ePassWd->setObjectName(QStringLiteral("ePassWd"));
    lPassWd->setBuddy(ePassWd);
    // Only typed keys reach the password: no paste, drop or input method,
    // which would put text in the box that TypedPassword never saw.
    ePassWd->setContextMenuPolicy(Qt::NoContextMenu);
    ePassWd->setAcceptDrops(false);
    ePassWd->setAttribute(Qt::WA_InputMethodEnabled, false);
    ePassWd->installEventFilter(this);
    connect(ePassWd, &QLineEdit::textChanged, this, &TfmLogin::ePassWdChange);

    B_OK = new QPushButton(tr("&Ok"), this);
    B_OK->setObjectName(QStringLiteral("B_OK"));
    B_OK->setDefault(true);
    B_Cancel = new QPushButton(tr("&Annuler"), this);
    B_Cancel->setObjectName(QStringLiteral("B_Cancel"));
    B_Cancel->setAutoDefault(false);
    connect(B_OK, &QPushButton::clicked, this, [this] {
        B_OKClick();
        CloseWith(QDialog::Accepted);
    });
    connect(B_Cancel, &QPushButton::clicked, this, [this] {
        B_CancelClick();
        CloseWith(QDialog::Rejected);
    });

    auto* fields = new QGridLayout;
    fields->addWidget(lLogin, 0, 0);
    fields->addWidget(eLogin, 0, 1);
    fields->addWidget(lPassWd, 1, 0);
    fields->addWidget(ePassWd, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(B_OK);
    buttons->addWidget(B_Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

int TfmLogin::ShowModal()
{
    PrefillUserName();
    LoginOk = false;
    eLogin->setReadOnly(false);
    return exec();
}

void TfmLogin::PrefillUserName()
{
    const QString ini = ResolveFileName(ExePath, QLatin1String(DeviceIniUpper));
    if (!QFileInfo(ini).isFile() || !m_data->tUser->Active())
        return;
    const int lastUser = IniFile(ini).readInteger(QLatin1String(Key::LastUser.section),
                                                  QLatin1String(Key::LastUser.key),
                                                  Key::LastUser.defaultValue);
    if (m_data->tUser->Locate(m_data->tUserPK_USE->FieldName(), lastUser))
        eLogin->setText(m_data->tUserNOM->AsString());
}

void TfmLogin::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ePassWd->clear();
    ePassWd->setFocus();
}

bool TfmLogin::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ePassWd && event->type() == QEvent::KeyPress)
        return ParamKeyPress(static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

bool TfmLogin::ParamKeyPress(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
        TypedPassword.chop(1);
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false; // the dialog's keys: OK, Cancel, next field
    case Qt::Key_Delete:
        return true; // would take an asterisk without its letter
    default:
        break;
    }
    const QString text = event->text();
    const bool command =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (text.isEmpty() && !command)
        return false; // caret movement and modifier keys type nothing
    if (!command && text.size() == 1 && isPasswordCharacter(text.at(0))) {
        TypedPassword += text.at(0);
        ePassWd->insert(QStringLiteral("*"));
    }
    return true;
}

void TfmLogin::ePassWdChange(const QString& text)
{
    if (text.isEmpty())
        TypedPassword.clear();
}

void TfmLogin::B_OKClick()
{
    const QString name = eLogin->text().toUpper();
    TQuery* query = m_data->Query;
    query->Close();
    // The name is a bound value: quotes in it cannot change the statement.
    query->SetSQL(QStringLiteral("select PASS_WD from USERS where NOM=:NOM order by PK_USE"));
    query->SetParam(QStringLiteral("NOM"), name);
    try {
        query->Open();
        if (!query->Eof() && query->FieldByName(QStringLiteral("PASS_WD"))->AsString() ==
                                 EncodePassword(TypedPassword))
            LoginOk = true;
    } catch (...) {
        query->Close();
        throw;
    }
    query->Close();
}

void TfmLogin::B_CancelClick()
{
    LoginOk = true;
}

bool TfmLogin::FormCloseQuery()
{
    if (LoginOk)
        return true;
    ShowMessage(Msg::tr(Msg::LoginRefused), MessageKind::Warning);
    return false;
}

void TfmLogin::CloseWith(int result)
{
    if (FormCloseQuery())
        done(result);
}

void TfmLogin::reject()
{
    B_Cancel->click();
}

void TfmLogin::closeEvent(QCloseEvent* event)
{
    if (!isVisible()) {
        event->accept();
        return;
    }
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    event->accept();
    done(QDialog::Rejected);
}
