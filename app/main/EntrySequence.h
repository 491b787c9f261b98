#pragma once
class VelunorApplication;

// The program's entry sequence, after the module start-up: single instance,
// sibling products, splash, data module, login, main window and shared
// dialogs, then the message loop when the device is ready. Returns the exit
// code.
int RunEntrySequence(VelunorApplication& app);
