// System information page.
#include "base/system_info.h"

namespace kvx {

TextPage systemInformationPage(const std::function<std::string(const std::string&)>& environment,
                               const std::string& osVersion, const std::string& platformId) {
    struct Item {
        const char* label;
        const char* variable;  // nullptr: a platform value
    };
    static constexpr Item kItems[] = {{"Prozessor:", "PROCESSOR_IDENTIFIER"},
                                      {"ProzessorZahl:", "NUMBER_OF_PROCESSORS"},
                                      {"Windowsversion:", nullptr},
                                      {"Win-Plattform:", nullptr},
                                      {"Computername:", "COMPUTERNAME"},
                                      {"Windows-Verzeichnis:", "windir"},
                                      {"ComSpec:", "ComSpec"},
                                      {"Benutzer:", "USERNAME"},
                                      {"Benutzer-Dir:", "USERPROFILE"},
                                      {"APPDATA-Dir:", "APPDATA"}};
    TextPage page;
    int line = 1;
    for (const Item& item : kItems) {
        std::string value;
        if (item.variable != nullptr)
            value = environment(item.variable);
        else
            value = std::string(item.label) == "Windowsversion:" ? osVersion : platformId;
        page.put(2, line, item.label);
        page.put(20, line, value);
        ++line;
    }
    return page;
}

}  // namespace kvx
