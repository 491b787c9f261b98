#pragma once
// The content of the demo installation: its patients, two levels of each of
// the five games in each game's PARAM layout, and the trials the patients
// played over the last months. Plain values; Setup.cpp writes them.

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

namespace Demo {

struct Patient
{
    const char* nom;
    const char* prenom;
    QDate birth;
    const char* pointure;
    const char* sexe;
    const char* adresse;
    const char* cp;
    const char* ville;
    const char* note;
    QList<int> levels; // positions in Levels() the patient trains with
};
QList<Patient> Patients();

struct Level
{
    int type; // game type 0 ping-pong, 1 clock, 2 target, 3 hula-hoop, 4 pac-man
    QString name;
    QString param;
    QStringList maze; // pac-man: the labyrinth, 14 lines of 23 cells
    // Plausible scores for this level: a patient's first sessions score
    // around `first`, the latest around `last`, each trial within `spread`
    // of the trend, rounded to a multiple of `step`.
    int first;
    int last;
    int spread;
    int step;
};
QList<Level> Levels();

struct Trial
{
    QDate date;
    QTime time;
    int level; // position in Levels()
    int score;
};
// The trials of patient `patient` (position in Patients()) up to the day
// before `today`: two sessions a week for about four months, a few trials
// each, never two at the same second. The same arguments give the same
// trials.
QList<Trial> Trials(int patient, const QDate& today);

} // namespace Demo
