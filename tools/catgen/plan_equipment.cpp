// Group tables of the equipment ranges: housings, power supplies, measuring instruments, tools,
// soldering, computer accessories, acoustics and sensors, chemicals and books.
#include "tools/catgen/catalogue_plan.h"

namespace kvx::catgen {

namespace {

MainDef housings() {
    return {
        "Gehäuse",
        {
            {"Kunststoffgehäuse",
             {
                 {"Universalgehäuse ABS", "KG {1} {2}", "", "Gehäuse {1}mm", "ABS {2b}",
                  "80x50x25|100x60x25|120x65x40|150x80x50|190x110x60|220x140x75#GR^lichtgrau|SW^schwarz", 190, 1290, 0},
                 {"Handgehäuse", "HG {1}", "", "Handgehäuse {1}mm", "mit Batteriefach 9V",
                  "110x65x25|130x70x28|150x80x30|170x85x32", 290, 990, 0},
                 {"Pultgehäuse", "PG {1}", "", "Pultgehäuse {1}mm", "ABS schwarz, Pultneigung",
                  "160x95x55|200x125x70|260x170x85", 690, 1990, 0},
                 {"Hutschienengehäuse", "HSG {1}TE", "", "Hutschienengehäuse {1} TE", "für TS35, lichtgrau",
                  "1|2|3|4|6|9", 290, 1290, 0},
                 {"Steckernetzteilgehäuse", "SNG {1}", "", "Gehäuse {1}mm", "Steckergeh. Schutzkontakt",
                  "90x60x40|110x70x50", 390, 890, 0},
             }},
            {"Metallgehäuse",
             {
                 {"Aluminium-Profilgehäuse", "ALU {1}", "", "Gehäuse {1}mm", "Alu-Profil eloxiert",
                  "100x80x40|120x100x45|160x103x54|220x146x64", 990, 3490, 0},
                 {"Aluminium-Druckgussgehäuse", "AL-DG {1}", "", "Gehäuse {1}mm", "Alu-Druckguss IP65",
                  "64x58x34|115x65x55|125x80x57|171x121x55|222x145x81", 590, 2990, 0},
                 {"Stahlblechgehäuse", "STB {1}", "", "Gehäuse {1}mm", "Stahlblech lackiert",
                  "200x150x80|300x200x120|400x300x150", 1990, 6990, 0},
                 {"19-Zoll-Gehäuse", "19Z {1}HE", "", "19\"-Gehäuse {1}HE", "Tiefe {2}mm", "1|2|3|4#250|350", 3990,
                  12990, 0},
             }},
            {"Gehäusezubehör",
             {
                 {"Gehäusefüße", "FUSS {1}", "", "Gehäusefuß {1b}", "selbstklebend, 4 Stück",
                  "12x3^12x3mm|20x6^20x6mm|25x10^25x10mm", 60, 290, 0},
                 {"Abstandsbolzen", "DI {1}", "", "Distanzbolzen {1}", "{2}, 10 Stück",
                  "M3x5|M3x10|M3x15|M3x20|M3x25|M4x10|M4x20#Messing vern.|Kunststoff", 90, 390, 0},
                 {"Kabeldurchführungen", "KVM {1}", "", "Kabelverschraubung {1}", "{1b} IP68",
                  "M12^Kabel 3..6,5mm|M16^Kabel 4,5..10mm|M20^Kabel 6..12mm|PG7^Kabel 3..6,5mm|"
                  "PG9^Kabel 4..8mm",
                  45, 190, 0},
                 {"Drehknöpfe", "KNOPF {1}", "", "Drehknopf {1b}", "{1c}",
                  "15SW^15mm schwarz^Achse 6mm Spannzange|20SW^20mm schwarz^Achse 6mm|"
                  "29ALU^29mm Alu^Achse 6mm Madenschraube|40ALU^40mm Alu^Achse 6mm",
                  45, 490, 0},
             }},
        }};
}

MainDef power() {
    return {"Stromversorgung",
            {
                {"Netzteile",
                 {
                     {"Steckernetzteile", "SNT {1}V {2}A", "", "Steckernetzteil {1}V", "{2}A stabilisiert",
                      "5|9|12|15|24#0,5|1|1,5|2|3", 490, 1890, 0},
                     {"Einbau-Schaltnetzteile", "SNT-EB {1}-{2}", "", "Schaltnetzteil {2}W", "{1}V {3}",
                      "5|12|15|24|48#15|25|50|100|150|320#offen|geschlossen", 990, 5990, 0},
                     {"Hutschienen-Netzteile", "HS-NT {1}-{2}", "", "Hutschienennetzteil", "{1}V {2}W",
                      "12|24#15|30|60|120|240", 1990, 8990, 0},
                     {"Labornetzgeräte", "LNG {1}", "", "Labornetzgerät {1}", "{1b}",
                      "0-30V 3A^1 Kanal, LED|0-30V 5A^1 Kanal, LED|0-30V 10A^1 Kanal, LCD|"
                      "2x30V 3A^2 Kanäle + 5V|0-60V 5A^1 Kanal, prog.",
                      4990, 29900, 0},
                     {"Festspannungsnetzgeräte", "FNG {1}V {2}A", "", "Netzgerät {1}V {2}A", "Festspannung",
                      "13,8#3|5|10|20|30", 2990, 12990, 0},
                 }},
                {"Transformatoren",
                 {
                     {"Printtransformatoren", "PT {1}VA {2}V", "", "Printtrafo {1}VA", "2x {2}V",
                      "0,35|1,5|2,8|3,2|5|10|18#6|9|12|15|18|24", 290, 1290, 0},
                     {"Ringkerntransformatoren", "RKT {1} {2}", "", "Ringkerntrafo {1}VA", "2x {2}V",
                      "15|30|50|80|120|160|225|300|500#9|12|15|18|24|30", 1490, 8990, 0},
                     {"Steuertransformatoren", "STT {1}", "", "Steuertrafo {1}VA", "230/24V", "40|63|100|160|250", 1990,
                      5990, 0},
                 }},
                {"Batterien",
                 {
                     {"Alkaline-Batterien", "ALK {1}", "", "Alkaline-Batterie {1}", "{1b}",
                      "AA^Mignon 1,5V|AAA^Micro 1,5V|C^Baby 1,5V|D^Mono 1,5V|9V^Block 9V|4LR44^6V", 45, 490, 0},
                     {"Lithium-Knopfzellen", "{1}", "", "Lithium-Knopfzelle", "{1} 3V {1b}mAh",
                      "CR 1220^40|CR 1632^140|CR 2016^90|CR 2025^160|CR 2032^230|CR 2450^620", 45, 190, 0},
                     {"Lithium-Batterien", "LI {1}", "", "Lithium-Batterie {1}", "{1b}",
                      "AA^3,6V 2400mAh|1/2AA^3,6V 1200mAh|CR123A^3V 1500mAh|9V^9V 1200mAh", 290, 990, 0},
                 }},
                {"Akkus und Ladegeräte",
                 {
                     {"NiMH-Akkus", "NIMH {1} {2}", "", "NiMH-Akku {1}", "1,2V {2}mAh",
                      "AA|AAA|C|D|9V#800|1000|2000|2500|2700|5000|8500", 190, 1290, 0},
                     {"Bleiakkus", "PB {1}V {2}AH", "", "Blei-Vlies-Akku {1}V", "{2}Ah Faston 4,8",
                      "6|12#1,2|2,3|3,4|7,2|12|18", 990, 4990, 0},
                     {"Lithium-Ionen-Akkus", "LI-ION {1}", "", "Li-Ion-Akku {1}", "3,7V {1b}mAh",
                      "18650^2600|18650^3400|14500^800|21700^4800", 390, 1290, 0},
                     {"Ladegeräte", "LADER {1}", "", "Ladegerät {1b}", "{1c}",
                      "NIMH4^für NiMH^4x AA/AAA|PB12^für Bleiakkus^12V 1A|LIION2^für Li-Ion^2 Schächte|"
                      "UNI^Universal^NiMH/Li-Ion/Pb",
                      990, 4990, 0},
                     {"Batteriehalter und Clips", "{1}", "", "{1b}", "{1c}",
                      "BH 2AA^Batteriehalter 2x AA^mit Kabel|BH 4AA^Batteriehalter 4x AA^mit Kabel|"
                      "BH 2032^Knopfzellenhalter^CR2032 Print|CLIP 9V^Batterieclip 9V^T-Form 15cm",
                      15, 190, 0},
                 }},
                {"Solartechnik",
                 {
                     {"Solarmodule", "SOLAR {1}W", "", "Solarmodul {1}W", "{1b}",
                      "0,5^Zelle 2V 0,25A|5^12V monokristallin|10^12V monokristallin|20^12V monokristallin|"
                      "50^12V polykristallin",
                      290, 9990, 0},
                     {"Laderegler", "SLR {1}A", "", "Solarladeregler {1}A", "12/24V PWM", "5|10|20|30", 990, 3990, 0},
                 }},
            }};
}

MainDef measuring() {
    return {
        "Messtechnik",
        {
            {"Multimeter",
             {
                 {"Digitalmultimeter", "DMM {1}", "", "Multimeter {1b}", "{1c}",
                  "100^2000 Counts^CAT III 600V|200^4000 Counts^CAT III 600V, TrueRMS|"
                  "300^6000 Counts^CAT IV 600V, TrueRMS|400^20000 Counts^CAT IV 1000V|"
                  "T1^Taschenformat^CAT II 300V",
                  990, 19900, 0},
                 {"Stromzangen", "SZ {1}", "", "Stromzange {1}A", "{1b}",
                  "200^AC, CAT III 600V|400^AC/DC, TrueRMS|1000^AC/DC, CAT IV", 2990, 14990, 0},
                 {"Prüfspitzen und Messleitungen", "ML {1}", "", "{1b}", "{1c}",
                  "PS4^Prüfspitzen-Set^4mm, CAT III|KR^Krokodilklemmen^4mm, 10 Stück|"
                  "ML100^Messleitung 1m^4mm rot/schwarz|ML-SIL^Silikonmessleitungen^1m, 5 Farben",
                  290, 2490, 0},
             }},
            {"Oszilloskope",
             {
                 {"Digital-Speicheroszilloskope", "DSO {1}-{2}", "", "Oszilloskop {2}MHz", "{1} Kanäle, {3}",
                  "2|4#50|70|100|200#1GSa/s|2GSa/s", 29900, 129900, 0},
                 {"Tastköpfe", "TK {1}", "", "Tastkopf {1}", "{1b}",
                  "60^1:1/10:1, 60MHz|150^1:1/10:1, 150MHz|250^10:1, 250MHz|HV^100:1, 2kV", 990, 4990, 0},
                 {"Hand-Oszilloskope", "HO {1}", "", "Hand-Oszilloskop {1}MHz", "Akku, 1 Kanal", "10|40|100", 7990,
                  29900, 0},
             }},
            {"Mess- und Prüfgeräte",
             {
                 {"Funktionsgeneratoren", "FG {1}", "", "Funktionsgenerator", "{1}MHz DDS, {1b}",
                  "5^1 Kanal|10^2 Kanäle|25^2 Kanäle|60^2 Kanäle", 14900, 59900, 0},
                 {"Frequenzzähler", "FZ {1}", "", "Frequenzzähler {1}", "{1b}",
                  "1G^1GHz 8-stellig|2,4G^2,4GHz 10-stellig", 6990, 19900, 0},
                 {"LCR-Messgeräte", "LCR {1}", "", "LCR-Messgerät {1}", "{1b}",
                  "100^100kHz Tisch|10^Hand, 10kHz|T4^Bauteiletester", 1990, 39900, 0},
                 {"Isolations- und Installationstester", "IT {1}", "", "{1b}", "{1c}",
                  "500^Isolationsmessgerät^500V/1000V|FI^FI-Tester^Typ A/B|PT^Phasenprüfer^12..690V", 990, 49900, 0},
             }},
            {"Umweltmesstechnik",
             {
                 {"Thermometer", "TH {1}", "", "{1b}", "{1c}",
                  "IR380^Infrarot-Thermometer^-50..380°C|IR800^Infrarot-Thermometer^-50..800°C|"
                  "K1^Digitalthermometer^Typ K -50..1300°C|INNEN^Innenthermometer^mit Hygrometer",
                  490, 9990, 0},
                 {"Luxmeter und Schallpegelmesser", "{1}", "", "{1b}", "{1c}",
                  "LUX 200^Luxmeter^0..200000lx|SPM 130^Schallpegelmesser^30..130dB", 1990, 7990, 0},
                 {"Datenlogger", "LOG {1}", "", "Datenlogger {1b}", "{1c}",
                  "T^Temperatur^USB, 32000 Werte|TH^Temp./Feuchte^USB, 32000 Werte|"
                  "U^Spannung^USB, 0..30V",
                  1990, 5990, 0},
             }},
        }};
}

MainDef tools() {
    return {"Werkzeug",
            {
                {"Zangen",
                 {
                     {"Seitenschneider", "SSZ {1}", "", "Seitenschneider {1}mm", "{2}",
                      "110|125|140|160#Elektronik|isoliert 1000V|mit Fase", 490, 2990, 0},
                     {"Flachrund- und Spitzzangen", "FRZ {1}", "", "{1b} {1}mm", "{1c}",
                      "130^Flachrundzange^gerade|160^Flachrundzange^gebogen|120^Spitzzange^Elektronik", 490, 2490, 0},
                     {"Abisolier- und Crimpzangen", "{1}", "", "{1b}", "{1c}",
                      "AZ 6^Abisolierzange^0,2..6mm², automatisch|AZ 1^Abisolierzange^0,1..0,8mm|"
                      "CZ AEH^Crimpzange^Aderendhülse 0,25-6mm²|CZ FS^Crimpzange^Flachstecker isoliert|"
                      "CZ RJ45^Crimpzange^RJ11/RJ12/RJ45",
                      990, 5990, 0},
                 }},
                {"Schraubendreher und Schlüssel",
                 {
                     {"Elektronik-Schraubendreher", "ESD {1}", "", "Schraubendreher {1}", "Elektronik",
                      "SL 1,5|SL 2,0|SL 2,5|SL 3,0|PH 00|PH 0|PH 1|TX 6|TX 8|TX 10", 190, 590, 0},
                     {"VDE-Schraubendreher", "VDE {1}", "", "VDE-Schraubendr. {1}", "isoliert 1000V",
                      "SL 2,5|SL 3,5|SL 4|SL 5,5|PH 1|PH 2|PZ 1|PZ 2", 290, 790, 0},
                     {"Schraubendreher-Sätze", "SD-SET {1}", "", "Schraubendreher-Satz", "{1b}",
                      "6^6-tlg. Elektronik|7^7-tlg. VDE|32^Bit-Satz 32-tlg.|58^Feinmechanik 58-tlg.", 990, 4990, 0},
                     {"Sechskant- und Steckschlüssel", "{1}", "", "{1b}", "{1c}",
                      "SKS 9^Sechskantschlüssel-Satz^9-tlg. 1,5..10mm|STS 1/4^Steckschlüssel-Satz^1/4\" 4..14mm|"
                      "MSS^Mutterndreher-Satz^7-tlg. 3..8mm",
                      690, 3990, 0},
                 }},
                {"Bohren und Schneiden",
                 {
                     {"Platinenbohrer HM", "HMB {1}", "", "Hartmetall-Bohrer {1}mm", "Schaft 3,175mm",
                      "0,6|0,8|0,9|1,0|1,2|1,3|1,5|2,0|3,0", 190, 490, 0},
                     {"HSS-Bohrer", "HSS {1}", "", "HSS-Bohrer {1}mm", "DIN 338, 10 Stück",
                      "1,0|1,5|2,0|2,5|3,0|3,5|4,0|5,0|6,0", 190, 890, 0},
                     {"Minibohrmaschinen", "MBM {1}", "", "Minibohrmaschine {1}W", "{1b}",
                      "40^12V, mit Netzteil|100^230V, Zubehörset|135^230V, regelbar", 1990, 7990, 0},
                     {"Cuttermesser und Klingen", "{1}", "", "{1b}", "{1c}",
                      "CUT 18^Cuttermesser 18mm^Metallführung|CUT 9^Cuttermesser 9mm^Kunststoff|"
                      "KL 18^Abbrechklingen 18mm^10 Stück|SKAL^Skalpell-Set^mit 5 Klingen",
                      190, 1290, 0},
                 }},
                {"Werkzeugkoffer und Aufbewahrung",
                 {
                     {"Werkzeugkoffer", "WZK {1}", "", "Werkzeugkoffer {1}", "{1b}",
                      "LEER^leer, ABS|E23^Elektronik 23-tlg.|E48^Elektronik 48-tlg.|VDE^VDE 16-tlg.", 1990, 14900, 0},
                     {"Sortimentskästen", "SK {1}", "", "Sortimentskasten {1}", "{1b}",
                      "12^12 Fächer|24^24 Fächer|60^60 Schubladen|SMD^SMD 144 Fächer", 390, 2990, 0},
                 }},
            }};
}

MainDef soldering() {
    return {"Löttechnik",
            {
                {"Lötstationen und Lötkolben",
                 {
                     {"Lötstationen", "LS {1}", "", "Lötstation {1}W", "{1b}",
                      "48^digital, 150..450°C|60^analog, 160..480°C|80^digital, ESD-sicher|"
                      "120^digital, 2 Kanäle",
                      3990, 29900, 0},
                     {"Lötkolben", "LK {1}", "", "Lötkolben {1}W", "{1b}",
                      "15^230V Feinlötkolben|30^230V|60^230V|100^230V Hammerform|8^Akku, USB", 590, 3990, 0},
                     {"Lötspitzen", "LSP {1}", "", "Lötspitze {1b}", "{1c}",
                      "B^spitz 0,4mm^für LS 48/80|D1^Meißel 1,6mm^für LS 48/80|"
                      "D2^Meißel 2,4mm^für LS 48/80|K^Messerspitze^für LS 48/80|"
                      "BC^schräg 2mm^für LS 60",
                      290, 990, 0},
                     {"Heißluftstationen", "HLS {1}", "", "Heißluftstation {1}W", "{1b}",
                      "700^100..480°C|850^100..500°C, 3 Düsen", 4990, 14900, 0},
                     {"Gaslötkolben", "GLK {1}", "", "Gaslötkolben {1}", "{1b}",
                      "25^Butan, 25..70W|75^Butan, bis 125W, Set", 1490, 4990, 0},
                 }},
                {"Lötzinn und Entlöten",
                 {
                     {"Lötzinn bleifrei", "LZ-BF {1} {2}", "", "Lötzinn {1}mm bleifrei", "Sn99Cu1 {2}g",
                      "0,5|0,8|1,0|1,5#100|250|500", 990, 5990, 0},
                     {"Lötzinn bleihaltig", "LZ {1} {2}", "", "Lötzinn {1}mm", "Sn60Pb40 {2}g",
                      "0,5|0,8|1,0|1,5#100|250|500", 790, 4990, 0},
                     {"Entlötlitze", "ELL {1}", "", "Entlötlitze {1}mm", "Länge 1,5m", "1,5|2,0|2,5|3,0", 190, 490, 0},
                     {"Entlötpumpen", "ELP {1}", "", "Entlötpumpe {1}", "{1b}",
                      "S^klein|A^Alu, antistatisch|T^Ersatzspitze, Teflon", 190, 1490, 0},
                     {"Flussmittel", "FM {1}", "", "{1b}", "{1c}",
                      "G10^Flussmittel-Gel^Spritze 10ml|ST^Flussmittelstift^No-Clean|F100^Flussmittel^Flasche 100ml",
                      290, 1290, 0},
                 }},
                {"Lötzubehör",
                 {
                     {"Lötkolbenablagen", "ABL {1}", "", "Lötkolbenablage {1}", "{1b}",
                      "S^mit Schwamm|W^mit Messingwolle", 390, 1490, 0},
                     {"Dritte Hand und Platinenhalter", "DH {1}", "", "{1b}", "{1c}",
                      "LUPE^Dritte Hand^mit Lupe 2,5x|PH^Platinenhalter^bis 200mm|FLEX^Dritte Hand^4 Flexarme", 690,
                      3490, 0},
                     {"Lötrauchabsaugung", "LRA {1}", "", "Lötrauchabsaugung {1}", "{1b}",
                      "T^Tischgerät|F^Ersatzfilter Aktivkohle", 490, 6990, 0},
                 }},
            }};
}

MainDef computer() {
    return {
        "Computer und Netzwerk",
        {
            {"Entwicklungsboards",
             {
                 {"Mikrocontroller-Boards", "MCB {1}", "", "Mikrocontroller-Board", "{1b}",
                  "UNO^8 Bit, USB|NANO^8 Bit, Steckbrett|MEGA^8 Bit, 54 I/O|W32^32 Bit, WLAN/BT|"
                  "M0^32 Bit, ARM Cortex-M0",
                  690, 3990, 0},
                 {"Einplatinencomputer", "SBC {1}", "", "Einplatinencomputer", "{1b}",
                  "2G^4 Kerne, 2GB RAM|4G^4 Kerne, 4GB RAM|8G^4 Kerne, 8GB RAM|Z^1 Kern, WLAN", 1490, 9990, 0},
                 {"Erweiterungsmodule", "MOD {1}", "", "Modul {1b}", "{1c}",
                  "RTC^Echtzeituhr^I2C, mit Batterie|REL4^4 Relais^5V|BME^Sensor T/p/Feuchte^I2C|"
                  "SD^SD-Karte^SPI|MOT^Motortreiber^2x 2A|GPS^GPS-Empfänger^UART",
                  290, 2490, 0},
                 {"Steckbretter und Zubehör", "{1}", "", "{1b}", "{1c}",
                  "BB 400^Steckbrett^400 Kontakte|BB 830^Steckbrett^830 Kontakte|"
                  "SBK 65^Steckbrücken-Set^65 Stück|SBK MF^Jumperkabel^Stecker/Buchse 40 St.",
                  190, 1290, 0},
             }},
            {"Speichermedien",
             {
                 {"microSD-Karten", "MSD {1}GB", "", "microSDHC {1}GB", "Class 10, mit Adapter", "8|16|32|64|128", 490,
                  2490, 0},
                 {"USB-Sticks", "USB-STICK {1}", "", "USB-Stick {1}GB", "USB 3.0", "16|32|64|128|256", 590, 3490, 0},
             }},
            {"Netzwerktechnik",
             {
                 {"Netzwerk-Switches", "SW {1}P {2}", "", "Switch {1} Ports", "{2b}, {3}",
                  "5|8|16|24#100M^100MBit/s|1G^1GBit/s#Metall|Kunststoff", 1490, 14900, 0},
                 {"Netzwerkdosen und Stecker", "{1}", "", "{1b}", "{1c}",
                  "RJ45 ST^RJ45-Stecker^Cat.6, 10 Stück|DOSE 2X^Netzwerkdose^2x RJ45 Cat.6|"
                  "KEY^Keystone-Modul^RJ45 Cat.6A|PP 24^Patchpanel 19\"^24 Ports Cat.6",
                  290, 7990, 0},
                 {"USB-Hubs und Adapter", "{1}", "", "{1b}", "{1c}",
                  "HUB 4^USB-Hub 4 Ports^USB 3.0|HUB 7^USB-Hub 7 Ports^mit Netzteil|"
                  "USB-SER^USB-Seriell-Adapter^RS232, 9-pol.|USB-ETH^USB-Netzwerkadapter^1GBit/s",
                  690, 3990, 0},
             }},
        }};
}

MainDef acousticsAndSensors() {
    return {"Akustik und Sensorik",
            {
                {"Lautsprecher und Summer",
                 {
                     {"Kleinlautsprecher", "LSP {1}-{2}", "", "Lautsprecher {1}mm", "{2} Ohm {3}W",
                      "28|40|50|57|66|77#8|4#0,5|1|2", 90, 590, 0},
                     {"Einbaulautsprecher", "EL {1}", "", "Einbaulautsprecher {1}", "{1b}",
                      "13^13cm, 8 Ohm 40W|16^16,5cm, 8 Ohm 60W|20^20cm, 8 Ohm 80W|HT^Hochtöner 8 Ohm", 790, 3990, 0},
                     {"Piezo-Summer", "SUMMER {1}", "", "Piezo-Summer {1}V", "{1b}",
                      "3-24^Dauerton 85dB|12^Dauerton 95dB|5^Magnetsummer|230^Dauerton AC", 45, 490, 0},
                     {"Mikrofone", "MIC {1}", "", "{1b}", "{1c}",
                      "E6^Elektret-Kapsel^6mm|E9^Elektret-Kapsel^9,7mm|DYN^Dynamisches Mikrofon^XLR", 25, 2990, 0},
                 }},
                {"Sensoren",
                 {
                     {"Temperatursensoren", "{1}", "", "Temperatursensor {1b}", "{1c}",
                      "DS18B20^digital^1-Wire TO-92|LM35^analog^10mV/°C TO-92|NTC 10K^NTC^10kOhm B 3950|"
                      "PT100^PT100^Klasse B -50..400°C|KTY 81-210^Silizium^TO-92",
                      45, 590, 0},
                     {"Feuchte- und Drucksensoren", "{1}", "", "{1b}", "{1c}",
                      "SHT^Feuchtesensor^I2C, 2..5V|DHT22^Feuchte/Temperatur^1-Wire|"
                      "BMP^Drucksensor^300..1100hPa I2C|MPX^Drucksensor^0..10kPa analog",
                      290, 1990, 0},
                     {"Bewegungs- und Lagesensoren", "{1}", "", "{1b}", "{1c}",
                      "PIR^Bewegungsmelder-Modul^5..20V|RADAR^Radar-Modul^5,8GHz|"
                      "NEIG^Neigungsschalter^Kugel|MPU^Beschleunigungssensor^3 Achsen I2C",
                      45, 990, 0},
                     {"Reedkontakte und Hallsensoren", "{1}", "", "{1b}", "{1c}",
                      "REED 14^Reedkontakt^Glas 14mm|REED 20^Reedkontakt^Glas 20mm|"
                      "HALL 44E^Hallschalter^TO-92 unipolar|MAG^Magnet^Neodym 10x3mm",
                      15, 190, 0},
                 }},
            }};
}

MainDef chemicals() {
    return {
        "Chemie und Hilfsmittel",
        {
            {"Sprays und Reiniger",
             {
                 {"Kontaktsprays", "KS {1}", "", "{1b}", "Dose {1c}ml",
                  "60^Kontaktspray^200|61^Öl-Kontaktspray^200|KL^Kältespray^400|DL^Druckluftspray^400", 390, 990, 0},
                 {"Reinigungsmittel", "REIN {1}", "", "{1b}", "{1c}",
                  "IPA^Isopropanol 99,9%^Flasche 1l|PCB^Platinenreiniger^Spray 400ml|"
                  "TUCH^Reinigungstücher^Dose 100 Stück",
                  390, 1490, 0},
                 {"Schutzlacke", "LACK {1}", "", "{1b}", "{1c}",
                  "PL^Plastik-Schutzlack^Spray 200ml|LS^Lötlack^Spray 200ml|UR^Urethan-Lack^Spray 400ml", 590, 1490, 0},
             }},
            {"Kleben und Vergießen",
             {
                 {"Klebstoffe", "KLEB {1}", "", "{1b}", "{1c}",
                  "SEK^Sekundenkleber^Tube 20g|2K^2-Komponenten-Kleber^5 Minuten, 24ml|"
                  "HK^Heißklebesticks^11mm, 500g|SIL^Silikonkleber^transparent 80ml",
                  190, 1490, 0},
                 {"Vergussmassen", "VGM {1}", "", "Vergussmasse {1}", "{1b}",
                  "PU^Polyurethan 250g|EP^Epoxid 250g|SI^Silikon 500g", 990, 2990, 0},
             }},
            {"Platinenherstellung",
             {
                 {"Basismaterial", "BM {1}", "", "Basismaterial {1}mm", "{1b}",
                  "100x160^FR4 einseitig|100x160^FR4 doppelseitig|160x233^FR4 einseitig|"
                  "100x160^fotobeschichtet",
                  190, 1290, 0},
                 {"Lochrasterplatinen", "LR {1}", "", "Lochrasterplatine", "{1}mm {1b}",
                  "100x160^Hartpapier|100x160^Epoxyd|160x233^Hartpapier|50x100^Streifenraster", 90, 690, 0},
                 {"Platinenätzmittel und Entwickler", "{1}", "", "{1b}", "{1c}",
                  "NAPS^Ätzmittel Na-Persulfat^500g|ENTW^Entwickler^für Fotoplatinen 50g|"
                  "FECL^Eisen-III-Chlorid^500g Granulat",
                  290, 990, 0},
             }},
        }};
}

MainDef books() {
    return {"Fachliteratur",
            {
                {"Fachbücher Elektronik",
                 {
                     {"Grundlagen", "BUCH {1}", "", "{1b}", "{1c}",
                      "EG^Elektronik-Grundlagen^448 Seiten|BT^Bauteilekunde^320 Seiten|"
                      "TR^Transistorpraxis^256 Seiten|OP^OP-Schaltungen^288 Seiten|"
                      "TAB^Tabellenbuch Elektro^512 Seiten, Pfand 2€",
                      1490, 4990, kReduced},
                     {"Mikrocontroller", "BUCH {1}", "", "{1b}", "{1c}",
                      "MC1^Mikrocontroller-Praxis^384 Seiten|C^C für Mikrocontroller^416 Seiten|"
                      "SBC^Einplatinenrechner^352 Seiten",
                      1990, 4490, kReduced},
                     {"Messtechnik und Reparatur", "BUCH {1}", "", "{1b}", "{1c}",
                      "OSZ^Oszilloskop-Praxis^224 Seiten|REP^Reparatur-Handbuch^336 Seiten|"
                      "MES^Messen mit dem DMM^192 Seiten",
                      1490, 3990, kReduced},
                 }},
                {"Datenbücher",
                 {
                     {"Vergleichstabellen", "DB {1}", "", "{1b}", "{1c}",
                      "TV^Transistor-Vergleich^768 Seiten|IC^IC-Vergleichstabelle^640 Seiten|"
                      "DI^Dioden-Vergleich^400 Seiten",
                      2490, 5990, kReduced},
                 }},
            }};
}

}  // namespace

void appendEquipmentGroups(std::vector<MainDef>& plan) {
    plan.push_back(housings());
    plan.push_back(power());
    plan.push_back(measuring());
    plan.push_back(tools());
    plan.push_back(soldering());
    plan.push_back(computer());
    plan.push_back(acousticsAndSensors());
    plan.push_back(chemicals());
    plan.push_back(books());
}

}  // namespace kvx::catgen
