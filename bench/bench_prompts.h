#pragma once
// The prompts of a measured program run: no one is there to answer, so every
// question gets its cautious answer, the start screen runs without its fixed
// display time, and each other window is closed again right after it is shown,
// once `whenShown` has looked at it.

#include "common/unattended_prompts.h"

#include <functional>

class BenchPrompts : public UnattendedPrompts {
public:
    Answer message(QWidget* parent, MessageKind kind, const QString& title, const QString& text,
                   MessageButtons buttons) override;
    int execModal(QDialog& dialog) override;

    // Called with each window other than the start screen once it is shown and
    // its pending events are handled; the window closes when it returns.
    std::function<void(QDialog&)> whenShown;
};
