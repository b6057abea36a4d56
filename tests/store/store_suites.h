#pragma once
// The test classes of the store folder, run one after the other by one executable.

int runSettingsCipherTests(int argc, char** argv);
int runSettingsFileTests(int argc, char** argv);
int runSharedLockTests(int argc, char** argv);
int runFileRefreshTests(int argc, char** argv);
int runSharedAccessTests(int argc, char** argv);
int runPathInfoWindowTests(int argc, char** argv);
int runRunSettingsTests(int argc, char** argv);
