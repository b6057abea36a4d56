#pragma once
// Process-wide settings made once before the first window: names, locale and
// Qt's own German texts.

class QApplication;

void setUpProgram(QApplication& app);
