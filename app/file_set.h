// The fixed names of the data files, relative to the program directory (the working directory).
#pragma once

#include <string>

namespace kvx {

struct FileSet {
    static constexpr const char* kDistributorDir = "zelvodaten/";
    static constexpr const char* kUserDir = "meinart/";

    std::string artJs = std::string(kDistributorDir) + "art.js";
    std::string whJs = std::string(kDistributorDir) + "wh.js";
    std::string woJs = std::string(kDistributorDir) + "wo.js";
    std::string wgJs = std::string(kDistributorDir) + "wg.js";

    std::string myArticles = std::string(kUserDir) + "artikel.dat";
    std::string orders = std::string(kUserDir) + "bestell.dat";
    std::string demand = std::string(kUserDir) + "bedarf.dat";
    std::string consumption = std::string(kUserDir) + "verbrauch.dat";
    std::string calculations = std::string(kUserDir) + "kalku.dat";
    std::string costCentres = std::string(kUserDir) + "kstst.dat";
    std::string costCentreStates = std::string(kUserDir) + "kststat.dat";

    std::string searchParameters = "suchpar.dat";
    std::string searchIndex = "suchidx.dat";
    std::string directOrder = "dirbest.dat";
    std::string internetAddresses = "inetadr.dat";
};

// Record sizes of the user files (My Articles and the booking documents: stock/).
inline constexpr std::size_t kMyArticleRecordSize = 819;
inline constexpr std::size_t kBookingDocumentSize = 8016;

}  // namespace kvx
