#pragma once

#include "cli/cliio.h"

// The commands of tolvane-cli. Each takes its own arguments (without the command's name) and
// returns the exit code.
int ExportCommand(const QStringList& arguments, Io& io);
int ImportCommand(const QStringList& arguments, Io& io);
int DiffCommand(const QStringList& arguments, Io& io);
int PatchCommand(const QStringList& arguments, Io& io);
int ApplyCommand(const QStringList& arguments, Io& io);
int RenameCommand(const QStringList& arguments, Io& io);
int InfoCommand(const QStringList& arguments, Io& io);
int HistoryCommand(const QStringList& arguments, Io& io);
int UndoCommand(const QStringList& arguments, Io& io);
int ChangesCommand(const QStringList& arguments, Io& io);
int MergeCommand(const QStringList& arguments, Io& io);
int PlayCommand(const QStringList& arguments, Io& io);
int EditCommand(const QStringList& arguments, Io& io);
int ScriptCommand(const QStringList& arguments, Io& io);

// Runs a whole command line, `arguments` starting with the program's name as main() gets it.
int RunCli(const QStringList& arguments, Io& io);
