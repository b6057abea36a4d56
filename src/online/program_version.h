#pragma once
// The program's own version a.b.c.d, stamped into the program by the build.

#include <QString>

// The version shown when none was stamped or the stamp is not a version.
inline constexpr char kNoVersionText[] = "Nix eingetragen";

// Four decimal numbers 0..65535 without leading zeros, as a file version holds
// them; missing trailing parts count as 0 ("1.2" gives "1.2.0.0"). Anything
// else (empty, letters, more than four parts) gives "Nix eingetragen".
QString versionTextFrom(const QString& stamp);

// The version of this build.
QString GetFileVersion();
