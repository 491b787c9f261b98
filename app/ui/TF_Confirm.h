#pragma once
#include <QDialog>
#include <QList>
#include <QStringList>

class QLabel;
class QPushButton;

// The one Yes/No question dialog of the program, reused for every question.
class TF_Confirm : public QDialog
{
    Q_OBJECT
public:
    enum Answer { Yes = 1, No = 2 };

    explicit TF_Confirm(QWidget* parent = nullptr);

    // Shows `message` modally: 1 for Yes, 2 for No (Escape too).
    int ShowModal(const QString& message);

    // Tests queue the next answers; each question then returns at once and
    // is recorded instead of blocking.
    static void QueueAnswer(int answer);
    static QStringList TakeAskedQuestions();
    static void ClearQueuedAnswers();

private:
    QLabel* labMsg;
    QLabel* Image1;
    QPushButton* btnOk;
    QPushButton* btnCancel;
};

extern TF_Confirm* F_Confirm;
// The shared dialog, created on first use when start-up has not made it.
TF_Confirm* Confirm();
