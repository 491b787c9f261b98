#pragma once
#include <QString>

// The stored form of a password (PASS_WD of Users.DB): every character code
// c at an even position becomes (c + 50) mod 256, at an odd position
// (c - 30) mod 256. It hides a password from a casual look at the table;
// it is no protection against anyone who knows the rule.
QString EncodePassword(const QString& password);
