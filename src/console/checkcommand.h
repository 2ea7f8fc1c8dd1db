#pragma once

#include <QStringList>

class QIODevice;
class QTextStream;

// "corvale --check [--game quake|quake2] FILE...": checks scripts as the editor reads them
// and prints one line per problem in the form compilers use,
//     FILE:LINE:COLUMN: error|warning|note: MESSAGE [code]
// with lines and columns from 1. Without --game, each file's game is guessed from the
// catalogue beside the program (Quake when it is missing or undecided).
namespace console {

// arguments: those after "--check". Returns 0 when no file has an error or a warning, 1
// when one has, 2 when a file cannot be read or the arguments are wrong.
int runCheck(const QStringList& arguments, QIODevice& out, QTextStream& err);

bool checkRequested(int argc, char* argv[]);
// Runs the check for main(), with no display and no widgets.
int checkMain(int argc, char* argv[]);

} // namespace console
