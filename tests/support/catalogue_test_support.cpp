// The small test catalogue and script-line builders.
#include "tests/support/catalogue_test_support.h"

namespace kvx::test {

std::string articleLine(const std::vector<std::string>& fields) {
    std::string line = "'";
    for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? "@" : "") + fields[i];
    return line + "',";
}

std::string simpleArticleLine(const std::string& wgId, const std::string& name, const std::string& description,
                              int status, int vatKey, int price) {
    std::vector<std::string> f(33);
    f[0] = wgId;
    f[1] = name;
    f[8] = description;
    f[10] = std::to_string(status);
    f[12] = std::to_string(vatKey);
    f[13] = "1";
    f[14] = "1";
    f[15] = std::to_string(price);
    f[32] = "0";
    return articleLine(f);
}

void writeRecordFile(const TempDir& dir, const std::string& path, const std::vector<Bytes>& records) {
    std::string contents;
    for (const Bytes& r : records) contents.append(r.begin(), r.end());
    dir.write(path, contents);
}

SmallCatalogue smallCatalogue() {
    SmallCatalogue c;
    c.mains = {{'A', "Bauelemente", 1}, {'B', "Mechanik", 3}};
    c.uppers = {{"A1", "Widerst\xE4nde", 1}, {"A2", "Kondensatoren", 3}, {"B1", "Geh\xE4use", 4}};
    c.products = {{"W1", "Kohleschicht", 1}, {"W2", "Metallfilm", 3}, {"K1", "Keramik", 6}, {"G1", "Alu", 8}};
    const char* keys[] = {"W1", "W1", "W2", "W2", "W2", "K1", "K1", "G1", "G1", "G1"};
    const int product[] = {1, 1, 2, 2, 2, 3, 3, 4, 4, 4};
    const int upper[] = {1, 1, 1, 1, 1, 2, 2, 3, 3, 3};
    const int main[] = {1, 1, 1, 1, 1, 1, 1, 2, 2, 2};
    for (int i = 0; i < 10; ++i) {
        CatalogueArticle a;
        a.wgId = keys[i];
        a.kurzbez[0] = "ART" + std::to_string(i);
        a.beschreib1 = "Beschreibung " + std::to_string(i);
        a.artikelstat = 1;
        a.schlumwst = 1;
        a.stkvpe = 1;
        a.quantities[0] = 1;
        a.prices[0] = 1000 + i;
        a.productGroup = static_cast<std::int16_t>(product[i]);
        a.upperGroup = static_cast<std::int16_t>(upper[i]);
        a.mainGroup = static_cast<std::int16_t>(main[i]);
        a.additionalCount = 1;
        c.articles.push_back(a);
    }
    return c;
}

void writeSmallCatalogueFiles(const TempDir& dir) {
    const SmallCatalogue c = smallCatalogue();
    std::vector<Bytes> recs;
    for (const auto& g : c.mains) recs.push_back(g.encode());
    writeRecordFile(dir, "whg.dat", recs);
    recs.clear();
    for (const auto& g : c.uppers) recs.push_back(g.encode());
    writeRecordFile(dir, "wog.dat", recs);
    recs.clear();
    for (const auto& g : c.products) recs.push_back(g.encode());
    writeRecordFile(dir, "wgg.dat", recs);
    recs.clear();
    for (const auto& a : c.articles) recs.push_back(a.encode());
    writeRecordFile(dir, "art.dat", recs);
}

void writeSmallCatalogueSources(const TempDir& dir) {
    const std::string crlf = "\r\n";
    dir.write("zelvodaten/wh.js", "// Hauptgruppen" + crlf + "var wh = [" + crlf + "'A@Bauelemente@1'," + crlf +
                                      "'B@Mechanik@3'" + crlf + "];" + crlf);
    dir.write("zelvodaten/wo.js", "// Obergruppen" + crlf + "var wo = [" + crlf + "'A1@Widerst\xC3\xA4nde@1'," + crlf +
                                      "'A2@Kondensatoren@3'," + crlf + "'B1@Geh\xC3\xA4use@4'" + crlf + "];" + crlf);
    dir.write("zelvodaten/wg.js", "// Warengruppen" + crlf + "var wg = [" + crlf + "'W1@Kohleschicht@1'," + crlf +
                                      "'W2@Metallfilm@3'," + crlf + crlf + "'K1@Keramik@6'," + crlf + "'G1@Alu@ 8 '" +
                                      crlf + "];" + crlf);
    std::string art = "// Zelvo Artikel http://www.zelvo.de/Katalog/2016/10/30 Stand" + crlf + "var art = [" + crlf;
    const SmallCatalogue c = smallCatalogue();
    for (const auto& a : c.articles) {
        art += simpleArticleLine(a.wgId, a.kurzbez[0], a.beschreib1, a.artikelstat, a.schlumwst, a.prices[0]) + crlf;
    }
    dir.write("zelvodaten/art.js", art + "];" + crlf);
}

std::string fileBytes(const TempDir& dir, const std::string& path) {
    return dir.exists(path) ? dir.read(path) : std::string();
}

}  // namespace kvx::test
