#pragma once

#include <QStringList>

class QIODevice;
class QTextStream;

// "corvale --check [--engine ID | --game quake|quake2] [--verbose] FILE...": checks scripts as
// the engines read them and prints one line per problem in the form compilers use,
//     FILE:LINE:COLUMN: error|warning|note: MESSAGE [code]
// with lines and columns from 1. Without --engine or --game, each file's engine is guessed
// from its path and contents, with the catalogue beside the program for the commands of
// each game; --verbose says on standard error which engine each file was checked as, and
// why. "corvale --engines" lists the engines, one a line: ID<TAB>FAMILY<TAB>NAME.
namespace checkcommand {

// arguments: those after "--check". Returns 0 when no file has an error or a warning, 1
// when one has, 2 when a file cannot be read or the arguments are wrong.
int runCheck(const QStringList& arguments, QIODevice& out, QTextStream& err);
void listEngines(QIODevice& out);

// Whether the command line asks for --check or --engines.
bool requested(int argc, char* argv[]);
// Runs it for main(), with no display and no widgets.
int run(int argc, char* argv[]);

} // namespace checkcommand
