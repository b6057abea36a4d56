#pragma once
// Where the program keeps its data and where it lives. Directories always end
// with "/" so file names are appended directly.

#include <QString>

struct Paths {
    QString dataDir;      // per-user data folder ".../tarvo/"
    QString progDir;      // folder of the executable
    QString legacyDir;    // older all-users data folder ".../kfzdata/", migrated once
    QString tempLeftover; // temporary folder + executable name with ".dat", deleted at close

    // The platform's standard locations; needs the application name "tarvo" set.
    static Paths standard();
    // All four below one root folder, as tests use them.
    static Paths below(const QString& root);
};

// Ensures a trailing "/".
QString withTrailingSlash(const QString& dir);
