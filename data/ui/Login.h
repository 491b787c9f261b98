#pragma once
// The login dialog: a user of Users.DB and the password stored for it must
// be given before the program goes on. There is no attempt limit; Cancel
// ends the program.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class TF_Data;

class TfmLogin : public QDialog
{
    Q_OBJECT
public:
    // `data` is the data module whose tUser and Query the dialog uses.
    explicit TfmLogin(TF_Data* data, QWidget* parent = nullptr);

    // Pre-fills the user name, clears LoginOk and runs the dialog; returns
    // QDialog::Accepted (OK) or QDialog::Rejected (Cancel).
    int ShowModal();

    // The password as typed; the box shows one asterisk per character.
    QString TypedPassword;
    bool LoginOk = false;

    QLabel* lLogin;
    QLineEdit* eLogin;
    QLabel* lPassWd;
    QLineEdit* ePassWd;
    QPushButton* B_OK;
    QPushButton* B_Cancel;

    void PrefillUserName();
    void B_OKClick();
    void B_CancelClick();
    // May the dialog close now? Shows the refusal when not.
    bool FormCloseQuery();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    // Keys typed into ePassWd; true when the key is consumed.
    bool ParamKeyPress(QKeyEvent* event);
    void ePassWdChange(const QString& text);
    void CloseWith(int result);

    TF_Data* m_data;
};
