#pragma once

#include <QMap>
#include <QString>

// Figures that need a fresh process each time: the cold start inside the process, and the peak
// memory of a session on the usual and on the worst image. The benchmark runs itself again with
// "--child=MODE" for each of them.
inline constexpr char ChildOption[] = "--child=";

// Runs the child MODE ("start", "usual" or "worst") and prints its figures, one "name value" a
// line. Returns the process's exit code.
int RunChild(const QString& mode, int argc, char** argv);

// Runs the child MODE `runs` times and gives the median of each figure it printed; on a failure
// the reason is in `error` and the map is empty.
QMap<QString, double> ChildMedians(const QString& mode, int runs, QString* error);

// The median of `values` (the mean of the middle two for an even count); 0 for none.
double Median(QList<double> values);
