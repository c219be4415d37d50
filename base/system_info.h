// The system information page: one line per item, label at column 2 and value at column 20.
#pragma once

#include <functional>
#include <string>

#include "base/text_page.h"

namespace kvx {

// `environment(name)` gives a variable's value, empty when it does not exist. `osVersion` is the text
// "Version <major.minor> Build <build>" of the platform, `platformId` its platform name.
TextPage systemInformationPage(const std::function<std::string(const std::string&)>& environment,
                               const std::string& osVersion, const std::string& platformId);

}  // namespace kvx
