// Starting documents, programs and web links through the desktop, with the result a caller can test:
// success when the handle is above 32; otherwise an error text "ShellExecute: <code> <text>".
#pragma once

#include <QString>

#include "base/user_interface.h"

namespace kvx {

ShellResult shellOpen(const QString& target);

}  // namespace kvx
