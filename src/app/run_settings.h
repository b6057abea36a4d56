#pragma once
// The settings file over one run: read once at start-up, written once at
// close, keeping the values this program carries without using them.

#include "common/app_context.h"
#include "store/settings_file.h"

class QWidget;

class RunSettings {
public:
    explicit RunSettings(AppContext& context) : m_context(context) {}

    // Reads the settings file; returns whether shared use is chosen.
    bool readAtStartUp();
    // Writes the file with this run's shared-use choice. When it cannot be
    // written, the helper is asked to delete it and the write is tried once more;
    // a second failure goes unreported.
    void writeAtClose(bool multiUser, QWidget* parent);

private:
    QString path() const;

    AppContext& m_context;
    Settings m_settings;
};
