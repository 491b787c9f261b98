#pragma once
// How the main window learns the level editors and game windows without
// depending on the games: the program entry registers one module per game
// type before it creates the main window, and the main window creates what
// is registered. A type without a module (or without one of its windows)
// is simply not offered: its button shows a message instead of a window.
//
//   main()                         TfmBalvoroMain::FormCreate
//   ------                         --------------------------
//   RegisterGameModule({0, ...})   editors 0..4 = createEditor(this)
//   RegisterGameModule({1, ...})   games   0..4 = createGame(this)
//   new TfmBalvoroMain             btParamClick / btStartClick exec() them

#include "Define.h"

#include <QList>
#include <functional>
#include <optional>

class QDialog;
class QWidget;


struct GameModule
{
    int type = -1;
    // Each creates the window once, parented to the main window; either may
    // be empty while a game has only one of its two windows.
    std::function<QDialog*(QWidget* parent)> createEditor;
    std::function<QDialog*(QWidget* parent)> createGame;
};

// Registers (or replaces) the module of `module.type`.
void RegisterGameModule(GameModule module);
std::optional<GameModule> FindGameModule(int type);
// Forgets every module (tests start from an empty registry).
void ClearGameModules();
