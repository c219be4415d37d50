// Printing pages of text: the print dialog, then one call of the job's page drawer per page on the
// printer's canvas in the print font, with margins in millimetres.
#pragma once

#include "base/user_interface.h"

namespace kvx {

// Runs the print dialog for `job.request` and prints pages firstPage..lastPage until the drawer says no
// page follows. False when the dialog was cancelled or the printer could not be started.
bool printPages(PrintJob& job);

}  // namespace kvx
