// Trace lines of the base window and the list and tree wrappers, written to the framework's trace log
// (the one the dialogs use) when one is attached and its level is high enough.
#pragma once

#include <QString>

namespace kvx {

// Never throws: a trace that cannot be written must not end the step it describes (some are written
// from destructors).
void frameworkTrace(int level, const QString& text) noexcept;

}  // namespace kvx
