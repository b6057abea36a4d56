#pragma once
// "kfzkosten.ini": the values that outlive a run. Despite its name it is six
// lines of text (data folder, three values kept for other programs, an empty
// line and the shared-use choice), enciphered as a whole with the key "qumo".

#include <QByteArray>
#include <QString>
#include <functional>

inline constexpr char kSettingsFileName[] = "kfzkosten.ini";

struct Settings {
    bool multiUser = false;
    // Opaque to this program: read at start and written back unchanged at close.
    QString carriedA; // line 1
    QString carriedB; // line 2
    QString carriedC; // line 5
};

// The settings in a file's bytes; an enciphered content is recognised and
// deciphered, a plain one is taken as it is. Any bytes give some settings:
// shared use is on only when line 4 is exactly "true".
Settings parseSettings(const QByteArray& bytes);
// A missing or unreadable file gives the defaults (single-user, nothing carried).
Settings readSettings(const QString& path);

// The enciphered file content for this run's data folder.
QByteArray settingsBytes(const QString& dataDir, const Settings& settings);

// How long a failed write waits for the helper before it tries once more.
inline constexpr int kSettingsRetryPauseMs = 400;

// Writes the file. When that fails, `askHelperToDelete` is called (it asks the
// elevated helper to remove the file in the way), then after the pause the write
// is tried once more. Returns whether the file was written.
bool writeSettings(const QString& path, const QString& dataDir, const Settings& settings,
                   const std::function<void()>& askHelperToDelete);
