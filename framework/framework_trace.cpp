// Trace lines of the base window and the view wrappers.
#include "framework/framework_trace.h"

#include "base/trace.h"
#include "framework/dialog_options.h"

namespace kvx {

void frameworkTrace(int level, const QString& text) noexcept {
    TraceLog* log = dialogOptions().trace;
    if (log == nullptr || log->level < level) return;
    try {
        log->line(true, text.toStdString());
    } catch (...) {
        // The trace is a diagnostic aid; losing a line is better than aborting the traced step.
    }
}

}  // namespace kvx
