#pragma once

// How Qt values read in a test's failure.

#include <QString>
#include <QStringList>
#include <ostream>

/// Lists of widgets print one to a line.
inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << "{";
    for (const QString& s : list)
        *out << "\n  " << s.toStdString();
    *out << (list.isEmpty() ? "}" : "\n}");
}
