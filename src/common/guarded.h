#pragma once
// Event handlers run their work through runGuarded: a failed number or date
// conversion ends the handler and is shown as an error box with the German
// message, as the framework would; what was done before that point stays done.

#include "common/conversions.h"
#include "common/prompts.h"

template <typename Work> bool runGuarded(Prompts& prompts, QWidget* parent, Work&& work)
{
    try {
        work();
        return true;
    } catch (const ConversionError& e) {
        prompts.error(parent, e.message());
        return false;
    }
}
