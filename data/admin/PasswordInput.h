#pragma once
// Reading a password on the command line: from the terminal without echo,
// or as one line of standard input when that is a pipe or a file (scripts
// and tests). The only part of the setup tool that knows the terminal.

#include <QString>
#include <optional>

// True when standard input is a terminal.
bool StdinIsTerminal();

// Reads one line of standard input, without its line end. On a terminal,
// `prompt` is written to standard error first and the typed characters are
// not shown. Empty at the end of the input.
std::optional<QString> ReadSecretLine(const QString& prompt);
