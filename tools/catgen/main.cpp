// kvx-catgen: writes a generated Zelvo catalogue (art.js, wh.js, wo.js, wg.js) for tests, benchmarks and
// the shipped demo data.  Usage: kvx-catgen OUTDIR --articles N [--seed S] [--date YYYY/MM/DD]
// [--changed INSERTED,DEARER,REMOVED]
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "tools/catgen/catalogue_builder.h"
#include "tools/catgen/js_writer.h"

namespace {

using namespace kvx::catgen;

constexpr int kMaxArticles = 60000;  // the importer reads no article line beyond index 60000

int usage(const std::string& problem) {
    std::cerr << "kvx-catgen: " << problem << "\n"
              << "usage: kvx-catgen OUTDIR --articles N [--seed S] [--date YYYY/MM/DD]"
                 " [--changed INSERTED,DEARER,REMOVED]\n"
              << "       N from 1 to " << kMaxArticles << "\n";
    return 2;
}

bool writeFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) std::cerr << "kvx-catgen: cannot write " << path << "\n";
    return static_cast<bool>(out);
}

bool parseNumber(const std::string& text, unsigned long long& value) {
    try {
        std::size_t used = 0;
        value = std::stoull(text, &used);
        return used == text.size() && !text.empty() && text[0] != '-';
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string outDir;
    unsigned long long articles = 0;
    unsigned long long seed = 1;
    CatalogueDate date;
    bool changed = false;
    int inserted = 0, dearer = -1, removed = -1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--articles" && hasValue) {
            if (!parseNumber(argv[++i], articles)) return usage("bad article count");
        } else if (arg == "--seed" && hasValue) {
            if (!parseNumber(argv[++i], seed)) return usage("bad seed");
        } else if (arg == "--date" && hasValue) {
            if (std::sscanf(argv[++i], "%d/%d/%d", &date.year, &date.month, &date.day) != 3 || date.year < 1900 ||
                date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31) {
                return usage("bad date");
            }
        } else if (arg == "--changed" && hasValue) {
            if (std::sscanf(argv[++i], "%d,%d,%d", &inserted, &dearer, &removed) != 3 || inserted < 0 ||
                inserted > 100) {
                return usage("bad change");
            }
            changed = true;
        } else if (!arg.starts_with("--") && outDir.empty()) {
            outDir = arg;
        } else {
            return usage("unexpected argument " + arg);
        }
    }
    if (outDir.empty()) return usage("no output directory");
    if (articles < 1 || articles > kMaxArticles) return usage("article count out of range");

    std::error_code error;
    std::filesystem::create_directories(outDir, error);
    if (error) return usage("cannot create " + outDir + ": " + error.message());

    GeneratedCatalogue catalogue = buildCatalogue(static_cast<int>(articles), seed);
    if (changed) changeCatalogue(catalogue, inserted, dearer, removed);
    const std::filesystem::path dir(outDir);
    const bool ok = writeFile(dir / "wh.js", mainGroupFile(catalogue)) &&
                    writeFile(dir / "wo.js", upperGroupFile(catalogue)) &&
                    writeFile(dir / "wg.js", productGroupFile(catalogue)) &&
                    writeFile(dir / "art.js", articleFile(catalogue, date));
    if (!ok) return 1;
    std::cout << "kvx-catgen: " << catalogue.mainGroups.size() << " main groups, " << catalogue.upperGroups.size()
              << " upper groups, " << catalogue.productGroups.size() << " product groups, " << catalogue.articles.size()
              << " articles written to " << outDir << "\n";
    return 0;
}
